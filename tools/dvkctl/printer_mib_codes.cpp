#include "tools/dvkctl/printer_mib_codes.h"

namespace dvkctl {

std::optional<const char*> printer_mib_code_word(std::int32_t value) noexcept {
  switch (value) {
    case -1:
      return "other";
    case -2:
      return "unknown";
    case -3:
      return "at least one remains";
    default:
      return std::nullopt;
  }
}

std::optional<int> level_percent(std::int32_t level, std::int32_t max_capacity) noexcept {
  if (max_capacity <= 0 || level < 0) return std::nullopt;
  const std::int64_t hundredfold = std::int64_t{level} * 100;
  return static_cast<int>((hundredfold + max_capacity / 2) / max_capacity);
}

}  // namespace dvkctl
