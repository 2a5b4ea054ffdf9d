#pragma once

#include <charconv>
#include <concepts>
#include <cstddef>
#include <string_view>

#include "framework/result_codes.h"
#include "snmp/model/vex_buffer.h"

namespace vex {

// Replaces the buffer's content with the characters; null buffer -> -2.
inline Result write_chars(IVexBuffer* out, std::string_view chars) {
  if (out == nullptr) return kInvalidArgument;
  return out->assign(chars.data(), static_cast<std::int32_t>(chars.size()));
}

// Replaces the buffer's content with the decimal form of the number.
template <std::integral Number>
Result write_decimal(IVexBuffer* out, Number number) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  return write_chars(out, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

}  // namespace vex
