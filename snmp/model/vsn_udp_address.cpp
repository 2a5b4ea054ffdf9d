#include "snmp/model/vsn_udp_address.h"

#include <cstdio>

#include "snmp/model/address_bytes.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnUdpAddress::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_udp_address, this);
}

void CVsnUdpAddress::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::kUdpAddress) return vex::answer_query(out, this);
  // Only the IpAddress part itself is hidden; the rest answers as for IpAddress.
  if (id == vex::query_id::of_tag(vex::tag::kIpAddress)) return vex::answer_query(out, nullptr);
  CVsnIpAddress::query(id, out);
}

Result CVsnUdpAddress::write_text(IVexBuffer* out) const {
  const std::uint8_t* b = bytes();
  char text[24];
  const int n = std::snprintf(text, sizeof text, "%d.%d.%d.%d/%d", b[0], b[1], b[2], b[3],
                              vex::read_be16(b + kPortOffset));
  return vex::write_chars(out, std::string_view(text, static_cast<std::size_t>(n)));
}

Result CVsnUdpAddress::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  zero_bytes();
  std::int64_t numbers[kAddressBytes + 1] = {};
  if (vex::scan_text(text, "%d.%d.%d.%d/%d", numbers) < 5) return vex::kInvalidArgument;
  const Result stored =
      vex::store_bytes_in_order(std::span(numbers).first<kAddressBytes>(), bytes());
  if (vex::failed(stored)) return stored;
  return vex::store_port(numbers[kAddressBytes], bytes() + kPortOffset);
}
