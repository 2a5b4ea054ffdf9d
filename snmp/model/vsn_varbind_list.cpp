#include "snmp/model/vsn_varbind_list.h"

#include <algorithm>
#include <cstddef>

#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/out_params.h"
#include "snmp/model/owned_array.h"
#include "snmp/model/vsn_varbind.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Owned;
using vex::Result;

namespace {

class CVsnVarBindList final : public IVsnVarBindList {
 public:
  void destroy() override { delete this; }

  IVsnVarBindList* clone(Result* err) const override {
    if (bindings_.empty()) return vex::model_new<CVsnVarBindList>(err);
    return copy_range(0, count(), err);
  }

  bool equals(const IVsnVarBindList* other) const override {
    if (other == nullptr || other->count() != count()) return false;
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
      if (!bindings_.at(i)->equals(other->at(static_cast<std::int32_t>(i)))) return false;
    }
    return true;
  }

  std::int32_t count() const override { return static_cast<std::int32_t>(bindings_.size()); }

  Result add(IVsnOid* name, IVsnValue* value) override {
    return add_at(bindings_.size(), name, value);
  }

  Result append(IVsnVarBind* binding) override { return insert_at(bindings_.size(), binding); }

  Result add_front(IVsnOid* name, IVsnValue* value) override { return add_at(0, name, value); }

  Result prepend(IVsnVarBind* binding) override { return insert_at(0, binding); }

  Result remove_at(std::int32_t position, IVsnVarBind** out) override {
    if (!holds(position)) return kInvalidArgument;
    Owned<IVsnVarBind> taken(bindings_.release_at(static_cast<std::size_t>(position)));
    if (out != nullptr) *out = taken.release();
    return kOk;
  }

  void take_first_parts(IVsnOid** name, IVsnValue** value) override {
    const Owned<IVsnVarBind> first(pop_front());
    if (first != nullptr) first->detach(name, value);
  }

  IVsnVarBind* pop_front() override { return bindings_.release_at(0); }

  IVsnVarBind* at(std::int32_t position) const override {
    return holds(position) ? bindings_.at(static_cast<std::size_t>(position)) : nullptr;
  }

  IVsnVarBindList* copy_range(std::int32_t start, std::int32_t n, Result* err) const override {
    if (!holds(start) || n < 0) {
      vex::report(err, kInvalidArgument);
      return nullptr;
    }
    const auto first = static_cast<std::size_t>(start);
    const std::size_t copied = std::min(static_cast<std::size_t>(n), bindings_.size() - first);
    return vex::keep_if_filled(vex::model_new<CVsnVarBindList>(err), err,
                               [this, first, copied](CVsnVarBindList& copy) {
                                 return copy.append_clones(bindings_, first, copied);
                               });
  }

  IVsnVarBindList* split_front(std::int32_t n, Result* err) override {
    if (n < 0) {
      vex::report(err, kInvalidArgument);
      return nullptr;
    }
    return vex::keep_if_filled(
        vex::model_new<CVsnVarBindList>(err), err, [this, n](CVsnVarBindList& front) {
          return bindings_.move_front_to(front.bindings_, static_cast<std::size_t>(n));
        });
  }

  std::int32_t mark_error(std::int32_t error_status, std::int32_t error_index) override {
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
      const bool reported = error_index > 0 && i == static_cast<std::size_t>(error_index) - 1;
      bindings_.at(i)->set_status(reported ? error_status : vex::binding_status::kNotReported);
    }
    return count();
  }

  std::int32_t set_all_status(std::int32_t status) override {
    for (std::size_t i = 0; i < bindings_.size(); ++i) bindings_.at(i)->set_status(status);
    return count();
  }

 private:
  bool holds(std::int32_t position) const noexcept {
    return position >= 0 && static_cast<std::size_t>(position) < bindings_.size();
  }

  Result insert_at(std::size_t position, IVsnVarBind* binding) {
    if (binding == nullptr) return kInvalidArgument;
    return bindings_.insert(position, binding);
  }

  // Room comes first, so that once the binding holds name and value nothing
  // can fail and hand them back half-owned.
  Result add_at(std::size_t position, IVsnOid* name, IVsnValue* value) {
    if (name == nullptr) return kInvalidArgument;
    Result result = bindings_.reserve_one();
    if (vex::failed(result)) return result;
    Owned<IVsnVarBind> binding(vsn_create_varbind(&result));
    if (binding == nullptr) return result;
    result = binding->set(name, value);
    if (vex::failed(result)) return result;
    return bindings_.insert(position, binding.release());
  }

  Result append_clones(const vex::OwnedArray<IVsnVarBind>& from, std::size_t first, std::size_t n) {
    Result result = bindings_.reserve(n);
    for (std::size_t i = first; i < first + n && vex::succeeded(result); ++i) {
      Owned<IVsnVarBind> copy(from.at(i)->clone(&result));
      if (copy == nullptr) break;
      result = bindings_.insert(bindings_.size(), copy.get());
      if (vex::succeeded(result)) static_cast<void>(copy.release());
    }
    return result;
  }

  vex::OwnedArray<IVsnVarBind> bindings_;
};

}  // namespace

IVsnVarBindList* vsn_create_varbind_list(Result* err) {
  return vex::model_new<CVsnVarBindList>(err);
}
