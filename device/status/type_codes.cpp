#include "device/status/type_codes.h"

#include <array>
#include <span>
#include <string_view>

namespace vex {
namespace {

// The identifiers prefix.first to prefix.last.
struct TypeRange {
  std::string_view prefix;
  std::int32_t first;
  std::int32_t last;
};

// The number a text of decimal digits spells, or -1 unless it is written as
// the system writes sub-identifiers (no sign, no leading zero) and is small.
std::int32_t small_subid(std::string_view digits) noexcept {
  if (digits.empty() || digits.size() > 4 || (digits[0] == '0' && digits.size() > 1)) return -1;
  std::int32_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return -1;
    number = number * 10 + (c - '0');
  }
  return number;
}

std::int32_t code_in(std::span<const TypeRange> ranges, const char* oid_text) noexcept {
  if (oid_text == nullptr) return 0;
  const std::string_view text(oid_text);
  for (const TypeRange& range : ranges) {
    if (text.size() <= range.prefix.size() + 1 || !text.starts_with(range.prefix) ||
        text[range.prefix.size()] != '.') {
      continue;
    }
    const std::int32_t n = small_subid(text.substr(range.prefix.size() + 1));
    if (n >= range.first && n <= range.last) return n;
  }
  return 0;
}

constexpr std::string_view kStandardDeviceTypes = "1.3.6.1.2.1.25.3.1";
constexpr std::string_view kPrivateDeviceTypes = "1.3.6.1.4.1.253.8.52.2";

constexpr std::array<TypeRange, 1> kStorageTypes{{{"1.3.6.1.2.1.25.2.1", 1, 8}}};
constexpr std::array<TypeRange, 5> kDeviceTypes{{
    {kStandardDeviceTypes, 1, 6},
    {kStandardDeviceTypes, 10, 21},
    {kPrivateDeviceTypes, 101, 109},
    {kPrivateDeviceTypes, 151, 154},
    {kPrivateDeviceTypes, 201, 207},
}};
constexpr std::array<TypeRange, 1> kJobTypes{{{"1.3.6.1.4.1.253.8.58.2", 1, 12}}};

}  // namespace

std::int32_t storage_type_code(const char* oid_text) noexcept {
  return code_in(kStorageTypes, oid_text);
}

std::int32_t device_type_code(const char* oid_text) noexcept {
  return code_in(kDeviceTypes, oid_text);
}

std::int32_t job_type_code(const char* oid_text) noexcept { return code_in(kJobTypes, oid_text); }

}  // namespace vex
