#include "net/ipv6_text.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "snmp/model/text_scan.h"

namespace {

constexpr std::size_t kGroups = 8;
constexpr std::size_t kLongestFullText = 43;

// Replaces the first "::" by as many "0:" groups as the other ":" leave room for.
std::string widen_double_colon(std::string_view text, std::size_t gap) {
  const auto colons = std::min<std::size_t>(
      static_cast<std::size_t>(std::count(text.begin(), text.end(), ':')), kGroups);
  const std::string_view before = text.substr(0, gap);
  const std::string_view after = text.substr(gap + 2);
  std::string widened;
  if (!before.empty()) {
    widened.append(before).append(":");
    for (std::size_t i = colons; i < kGroups; ++i) widened.append("0:");
  } else {
    for (std::size_t i = colons; i < kGroups + 1; ++i) widened.append("0:");
  }
  widened.append(after);
  return widened;
}

}  // namespace

vex::Result vex_ipv6_text_to_bytes(const char* text, std::uint8_t* bytes16) {
  if (text == nullptr || bytes16 == nullptr) return vex::kInvalidArgument;
  const std::string_view given(text);
  const std::size_t gap = given.find("::");
  const std::string full = gap != std::string_view::npos
                               ? widen_double_colon(given, gap)
                               : std::string(given.substr(0, kLongestFullText));
  std::int64_t groups[kGroups] = {};
  if (vex::scan_text(full.c_str(), "%x:%x:%x:%x:%x:%x:%x:%x", groups) < static_cast<int>(kGroups)) {
    return vex::kInvalidArgument;
  }
  for (std::size_t i = 0; i < kGroups; ++i) {
    bytes16[2 * i] = static_cast<std::uint8_t>(groups[i] >> 8);
    bytes16[2 * i + 1] = static_cast<std::uint8_t>(groups[i]);
  }
  return vex::kOk;
}

namespace vex {

void ipv6_bytes_to_full_text(const std::uint8_t* b, char (&text)[40]) noexcept {
  std::snprintf(text, sizeof text,
                "%02x%02x:%02x%02x:%02x%02x:%02x%02x:%02x%02x:%02x%02x:%02x%02x:%02x%02x", b[0],
                b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
                b[14], b[15]);
}

}  // namespace vex
