#include "snmp/model/vsn_varbind.h"

#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/owned_slot.h"
#include "snmp/model/vsn_factory.h"

using vex::Owned;
using vex::Result;

namespace {

class CVsnVarBind final : public IVsnVarBind {
 public:
  void destroy() override { delete this; }

  IVsnVarBind* clone(Result* err) const override {
    return vex::keep_if_filled(vex::model_new<CVsnVarBind>(err), err,
                               [this](CVsnVarBind& copy) { return copy.copy_parts(*this); });
  }

  bool equals(const IVsnVarBind* other) const override {
    if (other == nullptr) return false;
    return vex::equal_parts(value_.get(), other->value()) &&
           vex::equal_parts(name_.get(), other->name()) && status_ == other->status();
  }

  Result set(IVsnOid* name, IVsnValue* value) override {
    if (value == nullptr) {
      Result made = vex::kOk;
      value = vsn_create_value(vex::tag::kNull, &made);
      if (value == nullptr) {
        // What the binding held goes; a name it did not hold stays the caller's.
        name_.reset();
        value_.reset();
        return made;
      }
    }
    vex::replace_owned(name_, name);
    vex::replace_owned(value_, value);
    return vex::kOk;
  }

  Result bind(IVsnOid* name, IVsnValue* value) override { return set(name, value); }

  void detach(IVsnOid** name, IVsnValue** value) override {
    vex::hand_out(name_, name);
    vex::hand_out(value_, value);
  }

  void set_name(IVsnOid* name) override { vex::replace_owned(name_, name); }
  void set_value(IVsnValue* value) override { vex::replace_owned(value_, value); }
  IVsnOid* name() const override { return name_.get(); }
  IVsnValue* value() const override { return value_.get(); }
  std::int32_t status() const override { return status_; }
  void set_status(std::int32_t status) override { status_ = status; }

 private:
  Result copy_parts(const CVsnVarBind& other) {
    const Result result = vex::clone_into(name_, other.name());
    return vex::failed(result) ? result : vex::clone_into(value_, other.value());
  }

  Owned<IVsnOid> name_;
  Owned<IVsnValue> value_;
  std::int32_t status_ = vex::binding_status::kNoError;
};

}  // namespace

IVsnVarBind* vsn_create_varbind(Result* err) { return vex::model_new<CVsnVarBind>(err); }
