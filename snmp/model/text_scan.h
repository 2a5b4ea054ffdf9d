#pragma once

#include <cstdint>
#include <span>

namespace vex {

// Reads a number the way the C run-time atol does: leading white space, one
// optional sign, then decimal digits up to the first other character. The
// digits accumulate modulo 2^32, so "4294967295" and "-1" give the same bits.
std::uint32_t read_atol32(const char* text) noexcept;

// Reads `text` against a scanf-style format of literal characters and the
// conversions %d (signed decimal) and %x / %Nx (hexadecimal, at most N
// characters), each of which skips leading white space first. Returns how
// many conversions succeeded before the first mismatch, like sscanf. Unlike
// sscanf the numbers never overflow: decimals saturate at the int64 range,
// so an out-of-range text stays out of range, and hexadecimals keep their
// low 64 bits.
int scan_text(const char* text, const char* format, std::span<std::int64_t> numbers) noexcept;

}  // namespace vex
