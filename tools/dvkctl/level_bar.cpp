#include "tools/dvkctl/level_bar.h"

#include <algorithm>

#include "tools/dvkctl/printer_mib_codes.h"

namespace dvkctl {
namespace {

std::string quantity(std::int32_t value) {
  if (auto word = printer_mib_code_word(value)) return *word;
  return std::to_string(value);
}

}  // namespace

std::string level_bar(int percent, int width) {
  const int filled = std::clamp(percent, 0, 100) * width / 100;
  return "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(width - filled), '-') + "]";
}

std::string level_text(std::int32_t level, std::int32_t max_capacity) {
  if (const auto percent = level_percent(level, max_capacity)) {
    return level_bar(*percent) + " " + std::to_string(*percent) + "% (" + std::to_string(level) +
           " of " + std::to_string(max_capacity) + ")";
  }
  return quantity(level) + ", capacity " + quantity(max_capacity);
}

}  // namespace dvkctl
