#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vex {

// Length of the longest common prefix of two byte runs of n bytes each,
// compared a machine word at a time.
inline std::size_t common_prefix(const void* a, const void* b, std::size_t n) noexcept {
  const auto* x = static_cast<const unsigned char*>(a);
  const auto* y = static_cast<const unsigned char*>(b);
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) <= n; i += sizeof(std::uint64_t)) {
    std::uint64_t u = 0;
    std::uint64_t v = 0;
    std::memcpy(&u, x + i, sizeof u);
    std::memcpy(&v, y + i, sizeof v);
    if (u != v) {
      const std::uint64_t differ = u ^ v;
      const int bit = std::endian::native == std::endian::little ? std::countr_zero(differ)
                                                                 : std::countl_zero(differ);
      return i + static_cast<std::size_t>(bit) / 8;
    }
  }
  while (i < n && x[i] == y[i]) ++i;
  return i;
}

}  // namespace vex
