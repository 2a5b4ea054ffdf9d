#include "snmp/model/oid_text.h"

#include <algorithm>

#include "snmp/model/vsn_oid.h"

namespace vex::oid_text {
namespace {

bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// Offset of the n-th dot (n from 1), or npos.
std::size_t nth_dot(std::string_view text, std::uint32_t n) noexcept {
  std::size_t dot = std::string_view::npos;
  for (std::size_t from = 0; n != 0; --n, from = dot + 1) {
    dot = text.find('.', from);
    if (dot == std::string_view::npos) break;
  }
  return dot;
}

}  // namespace

std::uint32_t count(std::string_view text) noexcept {
  if (text.empty()) return 0;
  return 1 + static_cast<std::uint32_t>(std::count(text.begin(), text.end(), '.'));
}

bool is_valid(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size()) {
    if (!is_digit(text[i])) return false;
    if (text[i++] != '0') {
      while (i < text.size() && is_digit(text[i])) ++i;
    }
    if (i == text.size()) return true;
    if (text[i++] != '.' || i == text.size()) return false;
  }
  return true;
}

std::int32_t relation(std::string_view a, std::string_view b) noexcept {
  if (a == b) return relation::kSame;
  if (a.size() < b.size() && b.starts_with(a) && b[a.size()] == '.') return relation::kOtherBelow;
  if (b.size() < a.size() && a.starts_with(b) && a[b.size()] == '.') return relation::kThisBelow;
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<signed char>(a[i]);
    const auto y = static_cast<signed char>(b[i]);
    if (x != y) return x < y ? relation::kBefore : relation::kAfter;
  }
  return a.size() < b.size() ? relation::kBefore : relation::kAfter;
}

std::size_t position(std::string_view text, std::uint32_t k) noexcept {
  if (k == 0) return 0;
  const std::size_t dot = nth_dot(text, k);
  return dot == std::string_view::npos ? text.size() : dot + 1;
}

std::size_t prefix_length(std::string_view text, std::uint32_t n) noexcept {
  if (n == 0) return 0;
  const std::size_t dot = nth_dot(text, n);
  return dot == std::string_view::npos ? text.size() : dot;
}

std::uint32_t number_at(std::string_view text, std::uint32_t k) noexcept {
  std::uint32_t value = 0;
  for (std::size_t i = position(text, k); i < text.size() && is_digit(text[i]); ++i) {
    value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
  }
  return value;
}

}  // namespace vex::oid_text
