#pragma once

#include <cstring>

#include "plugin/dvk_plugin.h"

namespace vex {

// Copies an option text and its NUL into a host buffer of
// DVK_OPTION_TEXT_SIZE bytes: a longer text is cut, and nothing after the
// NUL is written.
inline void copy_option_text(char* buffer, const char* text) noexcept {
  if (text == nullptr) text = "";
  const std::size_t length = strnlen(text, DVK_OPTION_TEXT_SIZE - 1);
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
}

}  // namespace vex
