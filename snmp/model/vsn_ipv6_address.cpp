#include "snmp/model/vsn_ipv6_address.h"

#include <cstdio>

#include "snmp/model/address_bytes.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnIpv6Address::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_ipv6_address, this);
}

void CVsnIpv6Address::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kIpv6Address)) return vex::answer_query(out, this);
  CVsnOctetString::query(id, out);
}

Result CVsnIpv6Address::write_text(IVexBuffer* out) const {
  unsigned groups[kGroups];
  for (std::size_t i = 0; i < kGroups; ++i) groups[i] = vex::read_be16(bytes() + 2 * i);
  char text[48];
  const int n = std::snprintf(text, sizeof text, "%x:%x:%x:%x:%x:%x:%x:%x", groups[0], groups[1],
                              groups[2], groups[3], groups[4], groups[5], groups[6], groups[7]);
  return vex::write_chars(out, std::string_view(text, static_cast<std::size_t>(n)));
}

Result CVsnIpv6Address::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  zero_bytes();
  std::int64_t numbers[kGroups] = {};
  if (vex::scan_text(text, "%x:%x:%x:%x:%x:%x:%x:%x", numbers) < 8) return vex::kInvalidArgument;
  // Only the low 16 bits of each group are kept.
  for (std::size_t i = 0; i < kGroups; ++i) {
    vex::write_be16(bytes() + 2 * i, static_cast<std::uint16_t>(numbers[i]));
  }
  return vex::kOk;
}
