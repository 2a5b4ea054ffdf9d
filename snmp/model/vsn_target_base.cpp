#include "snmp/model/vsn_target_base.h"

#include "snmp/model/model_heap.h"
#include "snmp/model/out_params.h"

using vex::Result;

IVsnSnmpTarget* CVsnSnmpTarget::clone(Result* err) const {
  return vex::keep_if_filled(create_empty(err), err,
                             [this](IVsnSnmpTarget& copy) { return copy.assign(this); });
}

Result CVsnSnmpTarget::assign(const IVsnSnmpTarget* other) {
  if (other == nullptr) return vex::kInvalidArgument;
  const Result result = set_address(other->address());
  if (vex::failed(result)) return result;
  version_ = other->version();
  timeout_ = other->timeout();
  retries_ = other->retries();
  max_size_ = other->max_size();
  port_ = other->port();
  return assign_own(*other);
}

Result CVsnSnmpTarget::set_address(const IVexNetworkAddress* address) {
  // The clone is made before the held address goes, so that an address
  // taken from this target itself can be set again.
  IVexNetworkAddress* copy = nullptr;
  const Result result = address != nullptr ? address->clone(&copy) : vex::kOk;
  address_.reset(vex::succeeded(result) ? copy : nullptr);
  if (vex::failed(result) && copy != nullptr) copy->destroy();
  return result;
}

void CVsnSnmpTarget::query(std::int32_t id, void** out) {
  void* view = nullptr;
  if (id == vex::target_query::kTarget) {
    view = static_cast<IVsnSnmpTarget*>(this);
  } else if (id == vex::target_query::kCommon) {
    view = this;
  } else {
    view = own_view(id);
  }
  vex::answer_query(out, view);
}
