#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

// One value of an agent's answer in the two readings the option reader uses:
// its signed 32-bit reading and its text form.
struct AgentValue {
  std::int32_t number = 0;
  std::string text;
};

// The values of one table row, one per requested column, in the order the
// columns were requested.
using AgentRow = std::vector<AgentValue>;

// A column missing from a row reads 0 and the empty text.
inline std::int32_t number_at(const AgentRow& row, std::size_t column) noexcept {
  return column < row.size() ? row[column].number : 0;
}

inline std::string_view text_at(const AgentRow& row, std::size_t column) noexcept {
  return column < row.size() ? std::string_view(row[column].text) : std::string_view();
}

}  // namespace vex
