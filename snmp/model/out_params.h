#pragma once

#include "framework/result_codes.h"

namespace vex {

// Stores a result code when the caller asked for it.
inline void report(Result* err, Result code) noexcept {
  if (err != nullptr) *err = code;
}

// Stores `view` through out when the caller gave out.
inline void answer_query(void** out, void* view) noexcept {
  if (out != nullptr) *out = view;
}

}  // namespace vex
