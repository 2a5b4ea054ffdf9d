#pragma once

#include <cstdint>

#include "framework/result_codes.h"

class IVexNetworkAddress;
class IVsnTargetVisitor;

namespace vex {

namespace target_kind {
inline constexpr std::int32_t kCommunity = 0;  // SNMPv1 and SNMPv2c
inline constexpr std::int32_t kUsm = 1;        // SNMPv3 with user-based security
}  // namespace target_kind

namespace snmp_version {
inline constexpr std::int32_t kUnset = -1;
inline constexpr std::int32_t kV1 = 0;
inline constexpr std::int32_t kV2c = 1;
inline constexpr std::int32_t kV3 = 2;
}  // namespace snmp_version

// Identifiers answered by IVsnSnmpTarget::query.
namespace target_query {
inline constexpr std::int32_t kTarget = 0;         // IVsnSnmpTarget
inline constexpr std::int32_t kCommon = 1;         // the CVsnSnmpTarget part
inline constexpr std::int32_t kCommunityPart = 2;  // IVsnCommunityTarget
inline constexpr std::int32_t kCommunity = 3;      // IVsnCommunityTarget
inline constexpr std::int32_t kUsmPart = 4;        // IVsnUsmTarget
inline constexpr std::int32_t kUsm = 5;            // IVsnUsmTarget
}  // namespace target_query

}  // namespace vex

// Where and how a PDU is sent: SNMP version, time-out (ms), retries, largest
// message size, the agent's address, a port and the credentials of the
// target's class. Every target also offers the interface of its class
// (IVsnCommunityTarget or IVsnUsmTarget) on the same object.
class IVsnSnmpTarget {
 public:
  // Calls the visitor's operation for this target's class.
  virtual vex::Result accept(IVsnTargetVisitor* visitor) = 0;
  virtual void destroy() = 0;
  // Drops the credentials a community target holds; the common fields stay.
  virtual void clear() = 0;
  // A new target of the same class, filled by assign.
  virtual IVsnSnmpTarget* clone(vex::Result* err) const = 0;
  // Copies the common fields, then the class's own ones. A target of another
  // class gives -2, after the common fields have been copied.
  virtual vex::Result assign(const IVsnSnmpTarget* other) = 0;
  // Compares the credentials of targets of the same class only; the common
  // fields and a USM target's engine identifier do not count.
  virtual bool equals(const IVsnSnmpTarget* other) const = 0;
  virtual std::int32_t kind() const = 0;
  // Stores the view named by the identifier (vex::target_query) in *out, or
  // null when this target has no such view.
  virtual void query(std::int32_t id, void** out) = 0;
  // The setters answer the stored value.
  virtual std::int32_t set_version(std::int32_t version) = 0;
  virtual std::int32_t set_timeout(std::int32_t milliseconds) = 0;
  virtual std::int32_t set_retries(std::int32_t retries) = 0;
  virtual std::int32_t set_max_size(std::int32_t bytes) = 0;
  virtual std::uint16_t set_port(std::uint16_t port) = 0;
  virtual std::int32_t version() const = 0;
  virtual std::int32_t timeout() const = 0;
  virtual std::int32_t retries() const = 0;
  virtual std::int32_t max_size() const = 0;
  virtual std::uint16_t port() const = 0;
  // Keeps a clone of the address (the caller keeps its own); null leaves
  // none. When the clone fails its error is returned and no address is held.
  virtual vex::Result set_address(const IVexNetworkAddress* address) = 0;
  // Lent; null when there is none.
  virtual IVexNetworkAddress* address() const = 0;

  virtual ~IVsnSnmpTarget() = default;
};

// kind 0 gives a new community target; any other kind: null with -2.
IVsnSnmpTarget* vsn_create_target(std::int32_t kind, vex::Result* err = nullptr);
