#pragma once

#include <cstdint>
#include <string>

namespace dvkctl {

// "[#####---------------]" for 25 percent; values outside 0 to 100 are held
// to the ends of the bar.
std::string level_bar(int percent, int width = 20);

// A supply or tray level against its capacity: a bar and the percentage when
// the capacity is known, otherwise both values, the Printer MIB's negative
// codes in words.
std::string level_text(std::int32_t level, std::int32_t max_capacity);

}  // namespace dvkctl
