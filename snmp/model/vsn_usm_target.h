#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "snmp/model/vsn_target.h"

class IVexBuffer;

namespace vex::usm {
inline constexpr std::int32_t kMaxSecurityName = 32;  // characters

inline constexpr std::int32_t kNoAuthNoPriv = 0;
inline constexpr std::int32_t kAuthNoPriv = 1;
inline constexpr std::int32_t kAuthPriv = 2;

inline constexpr std::int32_t kHmacMd5 = 1;  // 1.3.6.1.6.3.10.1.1.2
inline constexpr std::int32_t kHmacSha = 2;  // 1.3.6.1.6.3.10.1.1.3

inline constexpr std::int32_t kDes = 1;  // 1.3.6.1.6.3.10.1.2.2
inline constexpr std::int32_t kAes = 2;  // 1.3.6.1.6.3.10.1.2.4
}  // namespace vex::usm

// The SNMPv3 target: the common fields and the user-based security
// parameters. Level and protocol codes are stored unchecked; the SNMPv3
// session refuses codes it does not know.
class IVsnUsmTarget : public virtual IVsnSnmpTarget {
 public:
  // The texts are lent, never null, possibly empty.
  virtual const char* security_name() const = 0;
  virtual std::int32_t security_level() const = 0;
  virtual std::int32_t auth_protocol() const = 0;
  virtual std::int32_t priv_protocol() const = 0;
  virtual const char* auth_passphrase() const = 0;
  virtual const char* priv_passphrase() const = 0;
  virtual const char* context_name() const = 0;
  // The raw bytes of the agent's engine identifier; lent, never null.
  virtual const IVexBuffer* engine_id() const = 0;
  // Null stores the empty name; more than 32 characters: -2, no change.
  virtual vex::Result set_security_name(const char* name) = 0;
  virtual vex::Result set_security_level(std::int32_t level) = 0;
  virtual vex::Result set_auth_protocol(std::int32_t protocol) = 0;
  virtual vex::Result set_priv_protocol(std::int32_t protocol) = 0;
  // Null stores the empty text; -3 when memory is exhausted (no change then).
  virtual vex::Result set_auth_passphrase(const char* text) = 0;
  virtual vex::Result set_priv_passphrase(const char* text) = 0;
  virtual vex::Result set_context_name(const char* text) = 0;
  // A null pointer or length 0 empties the identifier; otherwise the bytes
  // are copied (-2 for a negative length, -3, no change on failure).
  virtual vex::Result set_engine_id(const std::uint8_t* bytes, std::int32_t length) = 0;
  void destroy() override = 0;
};

// Version -1, time-out -1, retries 0, size 0, port 0, no address, empty
// texts and engine identifier, level and protocols 0. Null with -3 when
// memory is exhausted.
IVsnUsmTarget* vsn_create_usm_target(vex::Result* err = nullptr);

namespace vex {

// The USM interface of a target, or null for a target of another class.
inline IVsnUsmTarget* as_usm(IVsnSnmpTarget* target) {
  void* view = nullptr;
  if (target != nullptr) target->query(target_query::kUsm, &view);
  return static_cast<IVsnUsmTarget*>(view);
}

}  // namespace vex
