#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/result_codes.h"

namespace vex {

// Reads BER elements between the first byte of a message and an end that
// never lies beyond the received bytes. Every read checks the bytes left
// first; a read at the end answers -250, sets the exhausted flag (never
// cleared) and yields 0.
class BerReader {
 public:
  BerReader(const std::uint8_t* start, const std::uint8_t* end) noexcept
      : start_(start), cursor_(start), end_(end) {}

  const std::uint8_t* start() const noexcept { return start_; }
  const std::uint8_t* cursor() const noexcept { return cursor_; }
  const std::uint8_t* end() const noexcept { return end_; }
  std::size_t remaining() const noexcept { return static_cast<std::size_t>(end_ - cursor_); }
  bool at_end() const noexcept { return cursor_ == end_; }
  bool exhausted() const noexcept { return exhausted_; }
  // Bytes read since the cursor stood at `mark`.
  std::size_t consumed_since(const std::uint8_t* mark) const noexcept {
    return static_cast<std::size_t>(cursor_ - mark);
  }
  // Shortens the readable bytes to the first `n` after the message start.
  void limit_to(std::size_t n) noexcept {
    if (n < static_cast<std::size_t>(end_ - start_)) end_ = start_ + n;
  }

  Result read_octet(std::uint8_t* octet) noexcept {
    if (cursor_ == end_) {
      exhausted_ = true;
      *octet = 0;
      return kUndecodable;
    }
    *octet = *cursor_++;
    return kOk;
  }

  Result peek_octet(std::uint8_t* octet) noexcept {
    const Result result = read_octet(octet);
    if (succeeded(result)) --cursor_;
    return result;
  }

  // Short form, or the long form with any number of length octets; the
  // indefinite form is refused.
  Result read_length(std::uint32_t* length) noexcept;
  // The tag octet must be `tag`; then the length.
  Result read_header(std::uint8_t tag, std::uint32_t* length) noexcept {
    if (end_ - cursor_ >= 2 && cursor_[0] == tag && cursor_[1] < kLongForm) {
      *length = cursor_[1];
      cursor_ += 2;
      return kOk;
    }
    return read_any_header(tag, length);
  }
  // `n` content octets of a signed number, sign-extended; five octets must
  // open with 0x00; more than five keep the low 32 bits.
  Result read_integer(std::uint32_t n, std::int32_t* value) noexcept {
    if (n - 1 < 4 && static_cast<std::size_t>(end_ - cursor_) >= n) {
      std::uint32_t bits = (cursor_[0] & kSignBit) != 0 ? ~std::uint32_t{0} : 0;
      for (const std::uint8_t* last = cursor_ + n; cursor_ != last; ++cursor_) {
        bits = (bits << 8) | *cursor_;
      }
      *value = static_cast<std::int32_t>(bits);
      return kOk;
    }
    return read_any_integer(n, value);
  }
  // Lends the next `n` bytes and steps over them.
  Result take_bytes(std::uint32_t n, const std::uint8_t** bytes) noexcept;

 private:
  static constexpr std::uint8_t kLongForm = 0x80;
  static constexpr std::uint8_t kSignBit = 0x80;

  Result read_any_header(std::uint8_t tag, std::uint32_t* length) noexcept;
  Result read_any_integer(std::uint32_t n, std::int32_t* value) noexcept;

  const std::uint8_t* start_;
  const std::uint8_t* cursor_;
  const std::uint8_t* end_;
  bool exhausted_ = false;
};

}  // namespace vex
