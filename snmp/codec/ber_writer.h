#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "snmp/codec/ber_tags.h"
#include "snmp/transport/packet_buffer.h"

namespace vex {

// Content octets of the minimal two's-complement form of a number.
constexpr std::uint32_t unsigned_content_length(std::uint32_t u) noexcept {
  if (u < 0x80U) return 1;
  if (u < 0x8000U) return 2;
  if (u < 0x800000U) return 3;
  if (u < 0x80000000U) return 4;
  return 5;
}

constexpr std::uint32_t signed_content_length(std::int32_t i) noexcept {
  const auto bits = static_cast<std::uint32_t>(i);
  return unsigned_content_length(i < 0 ? ~bits : bits);
}

// Writes a message backwards, from the end of the buffer's byte area towards
// its first byte: every element's contents first, then its length, then its
// tag, so that no length is ever guessed and no byte ever moved. A write that
// does not fit sets the overflow flag, which nothing clears; the position
// keeps counting below the first byte so that lengths stay exact.
class BerWriter {
 public:
  explicit BerWriter(PacketBuffer& buffer) noexcept
      : base_(buffer.data()), position_(static_cast<std::ptrdiff_t>(buffer.size())) {}

  bool overflow() const noexcept { return overflow_; }
  // Bytes written so far; the distance between two readings is an element's length.
  std::ptrdiff_t position() const noexcept { return position_; }
  std::uint32_t written_since(std::ptrdiff_t mark) const noexcept {
    return static_cast<std::uint32_t>(mark - position_);
  }

  void prepend_octet(std::uint8_t octet) noexcept {
    if (--position_ < 0) {
      overflow_ = true;
      return;
    }
    base_[position_] = octet;
  }

  // Room for n octets in front of the position, to be filled first to last;
  // null (and the overflow flag set) when they do not fit.
  std::uint8_t* reserve(std::size_t n) noexcept {
    position_ -= static_cast<std::ptrdiff_t>(n);
    if (position_ < 0) {
      overflow_ = true;
      return nullptr;
    }
    return base_ + position_;
  }

  void prepend_bytes(const std::uint8_t* bytes, std::size_t n) noexcept {
    position_ -= static_cast<std::ptrdiff_t>(n);
    if (position_ < 0) {
      overflow_ = true;
      return;
    }
    if (n != 0) std::memcpy(base_ + position_, bytes, n);
  }

  // Short form below 128, else the long form with as few octets as the value needs.
  std::uint32_t prepend_length(std::uint32_t length) noexcept {
    if (length < 0x80U) {
      prepend_octet(static_cast<std::uint8_t>(length));
      return 1;
    }
    std::uint32_t count = 0;
    for (std::uint32_t rest = length; rest != 0; rest >>= 8) {
      prepend_octet(static_cast<std::uint8_t>(rest));
      ++count;
    }
    prepend_octet(static_cast<std::uint8_t>(ber::kLongLength | count));
    return count + 1;
  }

  // Length and tag in front of `content` octets already written; answers the
  // length of the whole element.
  std::uint32_t prepend_header(std::uint8_t tag, std::uint32_t content) noexcept {
    if (content < 0x80U) {
      std::uint8_t* header = reserve(2);
      if (header != nullptr) {
        header[0] = tag;
        header[1] = static_cast<std::uint8_t>(content);
      }
      return content + 2;
    }
    const std::uint32_t header = prepend_length(content) + 1;
    prepend_octet(tag);
    return header + content;
  }

  // The low-order `count` octets of the value, big-endian; octets beyond the
  // fourth are 0x00.
  void prepend_number(std::uint32_t value, std::uint32_t count) noexcept {
    std::uint8_t* out = reserve(count);
    if (out == nullptr) return;
    for (std::uint32_t k = 0; k < count; ++k) {  // k-th octet from the least significant
      out[count - 1 - k] = k < 4 ? static_cast<std::uint8_t>(value >> (8 * k)) : std::uint8_t{0};
    }
  }

  // First byte of what has been written; only meaningful without overflow.
  std::uint32_t start_offset() const noexcept { return static_cast<std::uint32_t>(position_); }

 private:
  std::uint8_t* base_;
  std::ptrdiff_t position_;
  bool overflow_ = false;
};

}  // namespace vex
