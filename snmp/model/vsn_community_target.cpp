#include "snmp/model/vsn_community_target.h"

#include <string_view>
#include <utility>

#include "snmp/model/model_heap.h"
#include "snmp/model/out_params.h"
#include "snmp/model/text_storage.h"
#include "snmp/model/vsn_target_base.h"
#include "snmp/model/vsn_target_visitor.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;

namespace {

class CVsnCommunityTarget final : public CVsnSnmpTarget, public IVsnCommunityTarget {
 public:
  vex::Result accept(IVsnTargetVisitor* visitor) override {
    if (visitor == nullptr) return kInvalidArgument;
    return visitor->visit_community_target(this);
  }

  void destroy() override { delete this; }

  void clear() override { drop_community(); }

  bool equals(const IVsnSnmpTarget* other) const override {
    const auto* peer = dynamic_cast<const IVsnCommunityTarget*>(other);
    if (peer == nullptr) return false;
    const char* theirs = peer->community();
    if (!has_community_ || theirs == nullptr) return !has_community_ && theirs == nullptr;
    return community_.view() == std::string_view(theirs);
  }

  std::int32_t kind() const override { return vex::target_kind::kCommunity; }

  Result set_community(const char* text) override {
    if (text == nullptr) {
      drop_community();
      return kOk;
    }
    // Copied before the old text goes: the argument may be that text.
    vex::TextStorage copy;
    const Result result = copy.assign(text);
    if (vex::failed(result)) {
      drop_community();
      return result;
    }
    community_ = std::move(copy);
    has_community_ = true;
    return kOk;
  }

  const char* community() const override { return has_community_ ? community_.c_str() : nullptr; }

 protected:
  void* own_view(std::int32_t id) override {
    const bool own = id == vex::target_query::kCommunityPart || id == vex::target_query::kCommunity;
    return own ? static_cast<IVsnCommunityTarget*>(this) : nullptr;
  }

  IVsnSnmpTarget* create_empty(Result* err) const override {
    return vsn_create_community_target(err);
  }

  Result assign_own(const IVsnSnmpTarget& other) override {
    const auto* peer = dynamic_cast<const IVsnCommunityTarget*>(&other);
    if (peer == nullptr) return kInvalidArgument;
    return set_community(peer->community());
  }

 private:
  void drop_community() noexcept {
    community_ = vex::TextStorage();
    has_community_ = false;
  }

  vex::TextStorage community_;
  bool has_community_ = false;
};

}  // namespace

IVsnCommunityTarget* vsn_create_community_target(Result* err) {
  return vex::model_new<CVsnCommunityTarget>(err);
}

IVsnSnmpTarget* vsn_create_target(std::int32_t kind, Result* err) {
  if (kind != vex::target_kind::kCommunity) {
    vex::report(err, kInvalidArgument);
    return nullptr;
  }
  return vsn_create_community_target(err);
}
