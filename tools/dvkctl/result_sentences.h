#pragma once

#include <cstdint>
#include <string>

namespace dvkctl {

// The time-out and retries a call was given, for the sentence of a time-out.
struct WaitLimits {
  std::uint32_t timeout_ms = 0;
  std::uint32_t retries = 0;
};

// A plain sentence for a negative answer of the plug-in function `call`,
// e.g. "no answer within 500 ms after 2 retries".
std::string result_sentence(const char* call, std::int32_t code, const WaitLimits& limits);

}  // namespace dvkctl
