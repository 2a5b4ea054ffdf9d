#include "snmp/model/text_scan.h"

#include <cstddef>
#include <limits>

namespace vex {
namespace {

bool is_space(char c) noexcept { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

int hex_digit(char c) noexcept {
  if (is_digit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void skip_space(const char*& p) noexcept {
  while (is_space(*p)) ++p;
}

// Reads an optional sign within the width; true for "-".
bool read_sign(const char*& p, std::size_t& width) noexcept {
  if (width == 0 || (*p != '+' && *p != '-')) return false;
  --width;
  return *p++ == '-';
}

bool read_decimal(const char*& p, std::size_t width, std::int64_t& out) noexcept {
  const bool negative = read_sign(p, width);
  constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
  std::uint64_t magnitude = 0;
  std::size_t digits = 0;
  for (; width != 0 && is_digit(*p); --width, ++p, ++digits) {
    const auto digit = static_cast<std::uint64_t>(*p - '0');
    magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
  }
  if (digits == 0) return false;
  const auto value = static_cast<std::int64_t>(magnitude);
  out = negative ? -value : value;
  return true;
}

bool read_hex(const char*& p, std::size_t width, std::int64_t& out) noexcept {
  const bool negative = read_sign(p, width);
  if (width >= 3 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && hex_digit(p[2]) >= 0) {
    p += 2;
    width -= 2;
  }
  std::uint64_t value = 0;
  std::size_t digits = 0;
  for (; width != 0 && hex_digit(*p) >= 0; --width, ++p, ++digits) {
    value = value * 16 + static_cast<std::uint64_t>(hex_digit(*p));
  }
  if (digits == 0) return false;
  out = static_cast<std::int64_t>(negative ? 0 - value : value);
  return true;
}

}  // namespace

std::uint32_t read_atol32(const char* text) noexcept {
  if (text == nullptr) return 0;
  const char* p = text;
  skip_space(p);
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  std::uint32_t value = 0;
  for (; is_digit(*p); ++p) value = value * 10 + static_cast<std::uint32_t>(*p - '0');
  return negative ? 0 - value : value;
}

int scan_text(const char* text, const char* format, std::span<std::int64_t> numbers) noexcept {
  if (text == nullptr || format == nullptr) return 0;
  const char* p = text;
  int converted = 0;
  for (const char* f = format; *f != '\0'; ++f) {
    if (is_space(*f)) {
      skip_space(p);
      continue;
    }
    if (*f != '%') {
      if (*p != *f) break;
      ++p;
      continue;
    }
    std::size_t width = 0;
    while (is_digit(f[1])) width = width * 10 + static_cast<std::size_t>(*++f - '0');
    if (width == 0) width = std::numeric_limits<std::size_t>::max();
    const char conversion = *++f;
    if (conversion != 'd' && conversion != 'x') break;
    if (static_cast<std::size_t>(converted) >= numbers.size()) break;
    skip_space(p);
    std::int64_t& slot = numbers[static_cast<std::size_t>(converted)];
    const bool read = conversion == 'd' ? read_decimal(p, width, slot) : read_hex(p, width, slot);
    if (!read) break;
    ++converted;
  }
  return converted;
}

}  // namespace vex
