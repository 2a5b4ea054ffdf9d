#include "snmp/codec/trap_mapping.h"

#include "snmp/codec/oid_arcs.h"

namespace vex::trap_mapping {
namespace {

constexpr std::uint32_t kFirstGeneric = 1;
constexpr std::uint32_t kLastGeneric = 6;

}  // namespace

bool to_v1(std::string_view trap_oid, V1Fields* fields) noexcept {
  if (oid_arcs::count(trap_oid) < 2) return false;
  const std::size_t last_dot = trap_oid.rfind('.');
  const std::uint32_t last = oid_arcs::value_of(trap_oid.substr(last_dot + 1));
  const std::string_view front = trap_oid.substr(0, last_dot);
  const std::size_t dot = front.rfind('.');
  const std::size_t zero_arc = dot == std::string_view::npos ? 0 : dot + 1;
  if (oid_arcs::value_of(front.substr(zero_arc)) != 0) return false;
  const std::string_view enterprise =
      dot == std::string_view::npos ? std::string_view() : front.substr(0, dot);
  if (enterprise == kSnmpTraps) {
    if (last < kFirstGeneric || last > kLastGeneric) return false;
    *fields = {enterprise, static_cast<std::int32_t>(last - 1), 0};
  } else {
    *fields = {enterprise, kEnterpriseSpecific, static_cast<std::int32_t>(last)};
  }
  return true;
}

}  // namespace vex::trap_mapping
