#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/result_codes.h"

// Byte helpers shared by the address value classes.
namespace vex {

inline std::uint16_t read_be16(const std::uint8_t* p) noexcept {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

inline void write_be16(std::uint8_t* p, std::uint16_t v) noexcept {
  p[0] = static_cast<std::uint8_t>(v >> 8);
  p[1] = static_cast<std::uint8_t>(v);
}

inline std::uint32_t read_be32(const std::uint8_t* p) noexcept {
  return (std::uint32_t{read_be16(p)} << 16) | read_be16(p + 2);
}

inline void write_be32(std::uint8_t* p, std::uint32_t v) noexcept {
  write_be16(p, static_cast<std::uint16_t>(v >> 16));
  write_be16(p + 2, static_cast<std::uint16_t>(v));
}

// Stores the scanned numbers as bytes, in order; the first one outside 0-255
// stops with -2 and leaves the bytes stored before it.
inline Result store_bytes_in_order(std::span<const std::int64_t> numbers,
                                   std::uint8_t* bytes) noexcept {
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (numbers[i] < 0 || numbers[i] > 0xFF) return kInvalidArgument;
    bytes[i] = static_cast<std::uint8_t>(numbers[i]);
  }
  return kOk;
}

// A scanned port or IPX socket number, 0-65535, stored big-endian.
inline Result store_port(std::int64_t number, std::uint8_t* bytes) noexcept {
  if (number < 0 || number > 0xFFFF) return kInvalidArgument;
  write_be16(bytes, static_cast<std::uint16_t>(number));
  return kOk;
}

}  // namespace vex
