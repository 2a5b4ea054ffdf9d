#pragma once

#include <cstdint>
#include <string_view>

namespace vex::trap_mapping {

// The snmpTraps subtree under which the six generic traps live as
// snmpTraps.0.(generic-trap + 1).
inline constexpr std::string_view kSnmpTraps = "1.3.6.1.6.3.1.1.5";
inline constexpr std::string_view kGenericPrefix = "1.3.6.1.6.3.1.1.5.0";
inline constexpr std::int32_t kEnterpriseSpecific = 6;

// The header fields of an SNMPv1 Trap-PDU that stand for a notification
// identifier; `enterprise` is a part of the identifier's text.
struct V1Fields {
  std::string_view enterprise;
  std::int32_t generic = 0;
  std::int32_t specific = 0;
};

// enterprise.0.specific gives (enterprise, 6, specific); snmpTraps.0.n with
// n from 1 to 6 gives (snmpTraps, n - 1, 0). False for an identifier of fewer
// than two sub-identifiers, one whose next-to-last sub-identifier is not 0,
// or a snmpTraps.0.n with n outside 1..6, which names no generic trap.
bool to_v1(std::string_view trap_oid, V1Fields* fields) noexcept;

}  // namespace vex::trap_mapping
