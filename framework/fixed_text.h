#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace vex {

// Copies text into a fixed character field of `capacity` bytes: at most
// capacity - 1 characters, then NUL, the rest of the field zeroed. A null
// source leaves an empty text. Nothing is written past the field.
inline void copy_to_field(char* field, std::size_t capacity, const char* text) noexcept {
  if (field == nullptr || capacity == 0) return;
  std::memset(field, 0, capacity);
  if (text == nullptr) return;
  std::size_t length = 0;
  while (length + 1 < capacity && text[length] != '\0') ++length;
  std::memcpy(field, text, length);
}

inline void copy_to_field(char* field, std::size_t capacity, std::string_view text) noexcept {
  if (field == nullptr || capacity == 0) return;
  std::memset(field, 0, capacity);
  const std::size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
  if (length != 0) std::memcpy(field, text.data(), length);  // an empty view may have no data
}

template <std::size_t N>
void copy_to_field(char (&field)[N], const char* text) noexcept {
  copy_to_field(field, N, text);
}

template <std::size_t N>
void copy_to_field(char (&field)[N], std::string_view text) noexcept {
  copy_to_field(field, N, text);
}

// Length of a text held in a fixed field, never reading past the field.
template <std::size_t N>
std::size_t field_length(const char (&field)[N]) noexcept {
  std::size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return length;
}

template <std::size_t N>
std::string_view field_view(const char (&field)[N]) noexcept {
  return std::string_view(field, field_length(field));
}

}  // namespace vex
