#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "framework/result_codes.h"

namespace vex {

// The name of one object a reading asks for: a column followed by index
// numbers written in decimal. Negative numbers are written with their sign, as
// received; the request layer then refuses the malformed name.
struct RequestOid {
  static constexpr std::size_t kCapacity = 128;
  char text[kCapacity] = {};
};

// -2 when the column is null or the name does not fit.
Result format_request_oid(const char* column, std::initializer_list<std::int64_t> index,
                          RequestOid* out) noexcept;

}  // namespace vex
