#include "snmp/codec/oid_arcs.h"

#include <algorithm>

namespace vex::oid_arcs {

std::uint32_t count(std::string_view text) noexcept {
  if (text.empty()) return 0;
  return 1 + static_cast<std::uint32_t>(std::count(text.begin(), text.end(), '.'));
}

std::uint32_t value_of(std::string_view arc) noexcept {
  std::uint32_t value = 0;
  for (const char c : arc) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return value;
}

std::uint32_t ReverseReader::take_last() noexcept {
  if (end_ == 0) return 0;
  const std::size_t dot = text_.rfind('.', end_ - 1);
  const std::size_t first = dot == std::string_view::npos ? 0 : dot + 1;
  const std::uint32_t value = value_of(text_.substr(first, end_ - first));
  end_ = dot == std::string_view::npos ? 0 : dot;
  return value;
}

std::uint32_t ReverseReader::first_pair() const noexcept {
  const std::string_view pair = text_.substr(0, end_);
  const std::size_t dot = pair.find('.');
  return value_of(pair.substr(0, dot)) * 40 + value_of(pair.substr(dot + 1));
}

char* write_decimal(char* out, std::uint32_t v) noexcept {
  char digits[10];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  while (n != 0) *out++ = digits[--n];
  return out;
}

}  // namespace vex::oid_arcs
