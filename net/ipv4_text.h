#pragma once

#include <cstdint>

// Dotted IPv4 texts. Values are 32-bit host-order numbers, the first dotted
// number in the most significant byte.

// Reads "a.b.c.d" as four numbers; false unless four numbers are found.
// Anything after the fourth number is ignored.
bool parse_dotted_ipv4(const char* text, std::uint32_t* host_value);
void format_dotted_ipv4(std::uint32_t host_value, char (&text)[16]);

namespace vex {

// Four unsigned decimal numbers below 256 joined by ".", with nothing after
// the fourth; each number may be preceded by white space and a sign, as a
// C scanner's "%u" allows.
bool parse_strict_dotted_ipv4(const char* text, std::uint32_t* host_value) noexcept;

}  // namespace vex
