#include "snmp/model/vsn_target_base.h"

using vex::Result;

Result CVsnSnmpTarget::set_address(const IVexNetworkAddress* address) {
  // The clone is made before the held address goes, so that an address
  // taken from this target itself can be set again.
  IVexNetworkAddress* copy = nullptr;
  const Result result = address != nullptr ? address->clone(&copy) : vex::kOk;
  address_.reset(vex::succeeded(result) ? copy : nullptr);
  if (vex::failed(result) && copy != nullptr) copy->destroy();
  return result;
}

Result CVsnSnmpTarget::assign_common(const IVsnSnmpTarget& other) {
  const Result result = set_address(other.address());
  if (vex::failed(result)) return result;
  version_ = other.version();
  timeout_ = other.timeout();
  retries_ = other.retries();
  max_size_ = other.max_size();
  port_ = other.port();
  return vex::kOk;
}

void* CVsnSnmpTarget::common_view(std::int32_t id) {
  if (id == vex::target_query::kTarget) return static_cast<IVsnSnmpTarget*>(this);
  if (id == vex::target_query::kCommon) return this;
  return nullptr;
}
