#include "net/ipx_text.h"

#include <cstdio>
#include <cstring>

#include "snmp/model/text_scan.h"

namespace vex {
namespace {

constexpr const char* kScanFormat = "%2x%2x%2x%2x:%2x%2x%2x%2x%2x%2x";

int scan_ipx(const char* text, std::int64_t (&numbers)[kIpxAddressBytes]) noexcept {
  return scan_text(text, kScanFormat, numbers);
}

}  // namespace

bool is_ipx_text(const char* text) noexcept {
  if (text == nullptr || std::strlen(text) != kIpxTextLength) return false;
  std::int64_t numbers[kIpxAddressBytes] = {};
  return scan_ipx(text, numbers) == static_cast<int>(kIpxAddressBytes);
}

void ipx_text_to_bytes(const char* text, std::uint8_t (&bytes)[kIpxAddressBytes]) noexcept {
  std::int64_t numbers[kIpxAddressBytes] = {};
  scan_ipx(text, numbers);
  for (std::size_t i = 0; i < kIpxAddressBytes; ++i)
    bytes[i] = static_cast<std::uint8_t>(numbers[i]);
}

void ipx_bytes_to_text(const std::uint8_t (&bytes)[kIpxAddressBytes],
                       char (&text)[kIpxTextLength + 1]) noexcept {
  const std::uint8_t* b = bytes;
  std::snprintf(text, sizeof text, "%02x%02x%02x%02x:%02x%02x%02x%02x%02x%02x", b[0], b[1], b[2],
                b[3], b[4], b[5], b[6], b[7], b[8], b[9]);
}

}  // namespace vex
