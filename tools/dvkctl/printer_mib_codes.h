#pragma once

#include <cstdint>
#include <optional>

namespace dvkctl {

// The Printer MIB's negative codes of a capacity or level: -1 other,
// -2 unknown, -3 at least one remains. Nothing for any other value.
std::optional<const char*> printer_mib_code_word(std::int32_t value) noexcept;

// A level as a whole percentage of its capacity, rounded; nothing when the
// capacity is not known (not above 0) or the level is a code.
std::optional<int> level_percent(std::int32_t level, std::int32_t max_capacity) noexcept;

}  // namespace dvkctl
