#include "net/ipv4_text.h"

#include <cstdio>

#include "snmp/model/text_scan.h"

namespace {

bool is_space(char c) noexcept { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// One "%u" field: a byte value, or false. A negative number wraps around to
// a huge unsigned value, so only "-0" stays a byte.
bool read_byte(const char*& p, std::uint32_t* value) noexcept {
  while (is_space(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  if (!is_digit(*p)) return false;
  std::uint32_t number = 0;
  for (; is_digit(*p); ++p) {
    if (number < 256) number = number * 10 + static_cast<std::uint32_t>(*p - '0');
  }
  if (number > 255 || (negative && number != 0)) return false;
  *value = number;
  return true;
}

}  // namespace

bool parse_dotted_ipv4(const char* text, std::uint32_t* host_value) {
  std::int64_t parts[4] = {};
  if (text == nullptr || vex::scan_text(text, "%d.%d.%d.%d", parts) != 4) return false;
  std::uint32_t value = 0;
  for (std::int64_t part : parts) value = (value << 8) | (static_cast<std::uint32_t>(part) & 0xFFu);
  *host_value = value;
  return true;
}

void format_dotted_ipv4(std::uint32_t host_value, char (&text)[16]) {
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", (host_value >> 24) & 0xFFu,
                (host_value >> 16) & 0xFFu, (host_value >> 8) & 0xFFu, host_value & 0xFFu);
}

namespace vex {

bool parse_strict_dotted_ipv4(const char* text, std::uint32_t* host_value) noexcept {
  if (text == nullptr) return false;
  const char* p = text;
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    if (i > 0 && *p++ != '.') return false;
    std::uint32_t byte = 0;
    if (!read_byte(p, &byte)) return false;
    value = (value << 8) | byte;
  }
  if (*p != '\0') return false;
  if (host_value != nullptr) *host_value = value;
  return true;
}

}  // namespace vex
