#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vex::oid_arcs {

// Sub-identifiers in the dotted text: 0 for the empty text, else 1 plus the dots.
std::uint32_t count(std::string_view text) noexcept;

// The number a sub-identifier's text starts with: its leading digits,
// modulo 2^32 (so "" and "x" are 0), as the object identifier reads it.
std::uint32_t value_of(std::string_view arc) noexcept;

// Reads the sub-identifiers of a dotted text from the last towards the first.
class ReverseReader {
 public:
  explicit ReverseReader(std::string_view text) noexcept : text_(text), end_(text.size()) {}
  // The last unread sub-identifier; the text must hold one more before it.
  std::uint32_t take_last() noexcept;
  // The two sub-identifiers left, as the single first sub-identifier of the
  // BER form: first * 40 + second.
  std::uint32_t first_pair() const noexcept;

 private:
  std::string_view text_;
  std::size_t end_;
};

// Writes the decimal digits of v at out and answers the position after them.
char* write_decimal(char* out, std::uint32_t v) noexcept;

// Longest text of `n` BER content octets of an object identifier: at most
// n + 1 sub-identifiers of at most 10 digits, each but the first after a dot.
constexpr std::size_t max_text_length(std::uint32_t n) noexcept {
  return (static_cast<std::size_t>(n) + 1) * 11;
}

}  // namespace vex::oid_arcs
