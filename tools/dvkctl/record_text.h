#pragma once

#include <cstddef>
#include <string>

namespace dvkctl {

// The text of a fixed record field, read no further than the field even when
// the plug-in left it without a NUL.
template <std::size_t N>
std::string record_text(const char (&field)[N]) {
  std::size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string(field, length);
}

}  // namespace dvkctl
