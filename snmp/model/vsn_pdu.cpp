#include "snmp/model/vsn_pdu.h"

#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/owned_slot.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value.h"
#include "snmp/model/vsn_varbind.h"
#include "snmp/model/vsn_varbind_list.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Owned;
using vex::Result;
namespace pdu_type = vex::pdu_type;

namespace {

class CVsnPdu final : public IVsnPdu {
 public:
  void destroy() override { delete this; }

  void reset() override {
    varbinds_.reset();
    time_stamp_.reset();
    trap_oid_.reset();
    type_ = pdu_type::kUnset;
    error_status_ = -1;
    error_index_ = 0;
  }

  IVsnPdu* clone(Result* err) const override {
    return vex::keep_if_filled(vsn_create_pdu(err), err,
                               [this](IVsnPdu& copy) { return copy.copy_from(this); });
  }

  Result copy_from(const IVsnPdu* other) override {
    if (other == nullptr) return kInvalidArgument;
    Result result = copy_header(other);
    if (vex::failed(result)) return result;
    IVsnVarBindList* copy = nullptr;
    if (other->varbinds() != nullptr) {
      copy = other->varbinds()->clone(&result);
      if (copy == nullptr) return result;
    }
    set_varbinds(copy);
    return kOk;
  }

  Result copy_header(const IVsnPdu* other) override {
    if (other == nullptr) return kInvalidArgument;
    type_ = other->type();
    request_id_ = other->request_id();
    error_status_ = other->error_status();
    error_index_ = other->error_index();
    Result result = kOk;
    if (other->time_stamp() != nullptr) {
      IVsnValue* stamp = other->time_stamp()->clone(&result);
      if (stamp == nullptr) return result;
      vex::replace_owned(time_stamp_, stamp);
    }
    if (other->trap_oid() != nullptr) {
      IVsnOid* trap = other->trap_oid()->clone(&result);
      if (trap == nullptr) return result;
      vex::replace_owned(trap_oid_, trap);
    }
    return kOk;
  }

  bool equals(const IVsnPdu* other) const override {
    if (type_ == pdu_type::kUnset || other == nullptr || other->type() != type_) return false;
    if (type_ == pdu_type::kTrap) {
      if (!vex::equal_parts(time_stamp_.get(), other->time_stamp())) return false;
      if (!vex::equal_parts(trap_oid_.get(), other->trap_oid())) return false;
    } else if (request_id_ != other->request_id() || error_index_ != other->error_index() ||
               error_status_ != other->error_status()) {
      return false;
    }
    return vex::equal_parts(varbinds_.get(), other->varbinds());
  }

  std::int32_t type() const override { return type_; }
  void set_type(std::int32_t type) override { type_ = type; }
  IVsnVarBindList* varbinds() const override { return varbinds_.get(); }
  void set_varbinds(IVsnVarBindList* list) override { vex::replace_owned(varbinds_, list); }
  IVsnVarBindList* take_varbinds() override { return varbinds_.release(); }

  Result add(IVsnOid* name, IVsnValue* value) override {
    return with_list([=](IVsnVarBindList& list) { return list.add(name, value); });
  }
  Result append(IVsnVarBind* binding) override {
    return with_list([=](IVsnVarBindList& list) { return list.append(binding); });
  }
  Result add_front(IVsnOid* name, IVsnValue* value) override {
    return with_list([=](IVsnVarBindList& list) { return list.add_front(name, value); });
  }
  Result prepend(IVsnVarBind* binding) override {
    return with_list([=](IVsnVarBindList& list) { return list.prepend(binding); });
  }

  void take_first_parts(IVsnOid** name, IVsnValue** value) override {
    if (varbinds_ != nullptr) varbinds_->take_first_parts(name, value);
  }
  IVsnVarBind* pop_front() override {
    return varbinds_ != nullptr ? varbinds_->pop_front() : nullptr;
  }

  std::int32_t request_id() const override { return request_id_; }
  std::int32_t error_status() const override { return error_status_; }
  std::int32_t error_index() const override { return error_index_; }
  void set_request_id(std::int32_t id) override { request_id_ = id; }
  void set_error_status(std::int32_t status) override { error_status_ = status; }
  void set_error_index(std::int32_t index) override { error_index_ = index; }

  IVsnValue* time_stamp() const override { return time_stamp_.get(); }
  IVsnOid* trap_oid() const override { return trap_oid_.get(); }
  IVsnValue* take_time_stamp() override { return time_stamp_.release(); }
  IVsnOid* take_trap_oid() override { return trap_oid_.release(); }

  Result set_time_stamp(IVsnValue* value) override {
    if (value == nullptr || value->type() != vex::tag::kTimeTicks) return kInvalidArgument;
    vex::replace_owned(time_stamp_, value);
    return kOk;
  }

  Result set_trap_oid(IVsnValue* value) override {
    if (value == nullptr || value->type() != vex::tag::kObjectId) return kInvalidArgument;
    IVsnOid* oid = value->as_oid();
    if (oid == nullptr) return kInvalidArgument;
    vex::replace_owned(trap_oid_, oid);
    return kOk;
  }

 private:
  // Runs a binding-list operation, making the list first when there is
  // none; a list made for an operation that fails is dropped again.
  template <class Operation>
  Result with_list(Operation operation) {
    const bool made = varbinds_ == nullptr;
    if (made) {
      Result result = kOk;
      varbinds_.reset(vsn_create_varbind_list(&result));
      if (varbinds_ == nullptr) return result;
    }
    const Result result = operation(*varbinds_);
    if (made && vex::failed(result)) varbinds_.reset();
    return result;
  }

  std::int32_t type_ = pdu_type::kUnset;
  Owned<IVsnVarBindList> varbinds_;
  std::int32_t request_id_ = 0;
  std::int32_t error_status_ = 0;
  std::int32_t error_index_ = 0;
  Owned<IVsnValue> time_stamp_;
  Owned<IVsnOid> trap_oid_;
};

}  // namespace

IVsnPdu* vsn_create_pdu(Result* err) { return vex::model_new<CVsnPdu>(err); }
