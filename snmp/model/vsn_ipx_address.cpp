#include "snmp/model/vsn_ipx_address.h"

#include <cstdio>

#include "snmp/model/address_bytes.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnIpxAddress::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_ipx_address, this);
}

void CVsnIpxAddress::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::kIpxAddress) return vex::answer_query(out, this);
  CVsnOctetString::query(id, out);
}

Result CVsnIpxAddress::write_text(IVexBuffer* out) const {
  const std::uint8_t* b = bytes();
  char text[32];
  const int n = std::snprintf(text, sizeof text, "%02x%02x%02x%02x:%02x%02x%02x%02x%02x%02x/%x",
                              b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9],
                              vex::read_be16(b + kPortOffset));
  return vex::write_chars(out, std::string_view(text, static_cast<std::size_t>(n) + 1));
}

Result CVsnIpxAddress::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  zero_bytes();
  std::int64_t numbers[kAddressBytes + 1] = {};
  const char* format = "%2x%2x%2x%2x:%2x%2x%2x%2x%2x%2x/%x";
  if (vex::scan_text(text, format, numbers) < 11) return vex::kInvalidArgument;
  const Result stored =
      vex::store_bytes_in_order(std::span(numbers).first<kAddressBytes>(), bytes());
  if (vex::failed(stored)) return stored;
  return vex::store_port(numbers[kAddressBytes], bytes() + kPortOffset);
}
