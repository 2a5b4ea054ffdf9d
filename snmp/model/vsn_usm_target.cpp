#include "snmp/model/vsn_usm_target.h"

#include <cstring>
#include <string_view>

#include "framework/fixed_text.h"
#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/text_storage.h"
#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_target_base.h"
#include "snmp/model/vsn_target_visitor.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;

namespace {

// A null text reads as the empty one; the view always has a data pointer.
std::string_view text_or_empty(const char* text) noexcept {
  return std::string_view(text != nullptr ? text : "");
}

bool same_text(const char* a, const char* b) noexcept {
  return text_or_empty(a) == text_or_empty(b);
}

class CVsnUsmTarget final : public CVsnSnmpTarget, public IVsnUsmTarget {
 public:
  // The engine identifier's buffer, made once after construction.
  Result init() {
    Result result = kOk;
    engine_id_.reset(vex_create_buffer(&result));
    return result;
  }

  Result accept(IVsnTargetVisitor* visitor) override {
    if (visitor == nullptr) return kInvalidArgument;
    return visitor->visit_usm_target(this);
  }

  void destroy() override { delete this; }

  // The credentials of a USM target stay.
  void clear() override {}

  bool equals(const IVsnSnmpTarget* other) const override {
    const auto* peer = dynamic_cast<const IVsnUsmTarget*>(other);
    return peer != nullptr && same_text(security_name(), peer->security_name()) &&
           security_level_ == peer->security_level() && auth_protocol_ == peer->auth_protocol() &&
           priv_protocol_ == peer->priv_protocol() &&
           same_text(auth_passphrase(), peer->auth_passphrase()) &&
           same_text(priv_passphrase(), peer->priv_passphrase()) &&
           same_text(context_name(), peer->context_name());
  }

  std::int32_t kind() const override { return vex::target_kind::kUsm; }

  const char* security_name() const override { return security_name_; }
  std::int32_t security_level() const override { return security_level_; }
  std::int32_t auth_protocol() const override { return auth_protocol_; }
  std::int32_t priv_protocol() const override { return priv_protocol_; }
  const char* auth_passphrase() const override { return auth_passphrase_.c_str(); }
  const char* priv_passphrase() const override { return priv_passphrase_.c_str(); }
  const char* context_name() const override { return context_name_.c_str(); }
  const IVexBuffer* engine_id() const override { return engine_id_.get(); }

  Result set_security_name(const char* name) override {
    const std::string_view text = text_or_empty(name);
    if (text.size() > static_cast<std::size_t>(vex::usm::kMaxSecurityName)) {
      return kInvalidArgument;
    }
    // Through a copy: the argument may be the field itself.
    char copy[sizeof security_name_] = {};
    vex::copy_to_field(copy, text);
    std::memcpy(security_name_, copy, sizeof copy);
    return kOk;
  }

  Result set_security_level(std::int32_t level) override {
    security_level_ = level;
    return kOk;
  }
  Result set_auth_protocol(std::int32_t protocol) override {
    auth_protocol_ = protocol;
    return kOk;
  }
  Result set_priv_protocol(std::int32_t protocol) override {
    priv_protocol_ = protocol;
    return kOk;
  }

  Result set_auth_passphrase(const char* text) override {
    return auth_passphrase_.assign(text_or_empty(text));
  }
  Result set_priv_passphrase(const char* text) override {
    return priv_passphrase_.assign(text_or_empty(text));
  }
  Result set_context_name(const char* text) override {
    return context_name_.assign(text_or_empty(text));
  }

  Result set_engine_id(const std::uint8_t* bytes, std::int32_t length) override {
    if (bytes == nullptr || length == 0) return engine_id_->assign(nullptr, 0);
    return engine_id_->assign(bytes, length);
  }

 protected:
  void* own_view(std::int32_t id) override {
    const bool own = id == vex::target_query::kUsmPart || id == vex::target_query::kUsm;
    return own ? static_cast<IVsnUsmTarget*>(this) : nullptr;
  }

  IVsnSnmpTarget* create_empty(Result* err) const override { return vsn_create_usm_target(err); }

  // All eight parameters, the engine identifier included.
  Result assign_own(const IVsnSnmpTarget& other) override {
    const auto* usm = dynamic_cast<const IVsnUsmTarget*>(&other);
    if (usm == nullptr) return kInvalidArgument;
    const IVsnUsmTarget& peer = *usm;
    Result result = set_security_name(peer.security_name());
    if (vex::succeeded(result)) result = set_security_level(peer.security_level());
    if (vex::succeeded(result)) result = set_auth_protocol(peer.auth_protocol());
    if (vex::succeeded(result)) result = set_priv_protocol(peer.priv_protocol());
    if (vex::succeeded(result)) result = set_auth_passphrase(peer.auth_passphrase());
    if (vex::succeeded(result)) result = set_priv_passphrase(peer.priv_passphrase());
    if (vex::succeeded(result)) result = set_context_name(peer.context_name());
    if (vex::failed(result)) return result;
    const IVexBuffer& id = *peer.engine_id();
    return set_engine_id(reinterpret_cast<const std::uint8_t*>(id.data()), id.length());
  }

 private:
  char security_name_[vex::usm::kMaxSecurityName + 1] = {};
  std::int32_t security_level_ = vex::usm::kNoAuthNoPriv;
  std::int32_t auth_protocol_ = 0;
  std::int32_t priv_protocol_ = 0;
  vex::TextStorage auth_passphrase_;
  vex::TextStorage priv_passphrase_;
  vex::TextStorage context_name_;
  vex::Owned<IVexBuffer> engine_id_;
};

}  // namespace

IVsnUsmTarget* vsn_create_usm_target(Result* err) {
  return vex::keep_if_filled(vex::model_new<CVsnUsmTarget>(err), err,
                             [](CVsnUsmTarget& target) { return target.init(); });
}
