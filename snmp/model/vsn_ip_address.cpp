#include "snmp/model/vsn_ip_address.h"

#include <cstdio>

#include "snmp/model/address_bytes.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnIpAddress::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_ipaddress, this);
}

void CVsnIpAddress::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kIpAddress)) return vex::answer_query(out, this);
  CVsnOctetString::query(id, out);
}

std::uint32_t CVsnIpAddress::get_ulong(Result* err) const {
  vex::report(err, vex::kOk);
  return vex::read_be32(bytes());
}

Result CVsnIpAddress::set_ulong(std::uint32_t value) {
  vex::write_be32(bytes(), value);
  return vex::kOk;
}

Result CVsnIpAddress::write_text(IVexBuffer* out) const {
  const std::uint8_t* b = bytes();
  char text[16];
  const int n = std::snprintf(text, sizeof text, "%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
  return vex::write_chars(out, std::string_view(text, static_cast<std::size_t>(n)));
}

Result CVsnIpAddress::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  zero_bytes();
  std::int64_t numbers[kAddressBytes] = {};
  if (vex::scan_text(text, "%d.%d.%d.%d", numbers) < 4) return vex::kInvalidArgument;
  return vex::store_bytes_in_order(numbers, bytes());
}
