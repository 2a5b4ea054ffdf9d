#pragma once

#include <cstdint>

#include "framework/result_codes.h"

// Turns an IPv6 text into its 16 bytes, group by group, high byte first. A
// "::" is widened with zero groups by the number of ":" in the text; a scope
// suffix ("%4") is ignored. -2 for a null argument or fewer than eight groups
// (so a text ending in "::", and "::" alone, are refused).
vex::Result vex_ipv6_text_to_bytes(const char* text, std::uint8_t* bytes16);

namespace vex {

inline constexpr const char* kIpv6AnyText = "0000:0000:0000:0000:0000:0000:0000:0000";
inline constexpr const char* kIpv6AllNodesText = "ff02::1";

// All eight groups with four digits each, lower-case.
void ipv6_bytes_to_full_text(const std::uint8_t* bytes16, char (&text)[40]) noexcept;

}  // namespace vex
