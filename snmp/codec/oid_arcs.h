#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The dotted text of an object identifier and its BER contents.
namespace vex::oid_arcs {

inline constexpr std::uint8_t kMore = 0x80;  // continuation bit of a sub-identifier octet
inline constexpr std::uint32_t kArcsPerFirstValue = 40;

// Sub-identifiers in the dotted text: 0 for the empty text, else 1 plus the dots.
std::uint32_t count(std::string_view text) noexcept;

// The number a sub-identifier's text starts with: its leading digits,
// modulo 2^32 (so "" and "x" are 0), as the object identifier reads it.
std::uint32_t value_of(std::string_view arc) noexcept;

// 0 to 9 for a digit, 10 or more for anything else.
constexpr std::uint32_t digit_of(char c) noexcept {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(c) - '0');
}

// Reads one sub-identifier from `at` as value_of does and answers the
// position of the dot after it, or `end`.
inline const char* read_arc(const char* at, const char* end, std::uint32_t* value) noexcept {
  std::uint32_t v = 0;
  for (; at != end; ++at) {
    const std::uint32_t digit = digit_of(*at);
    if (digit >= 10) break;
    v = v * 10 + digit;
  }
  *value = v;
  if (at != end && *at != '.') {
    const void* dot = std::memchr(at, '.', static_cast<std::size_t>(end - at));
    at = dot != nullptr ? static_cast<const char*>(dot) : end;
  }
  return at;
}

constexpr std::uint32_t subid_length(std::uint32_t v) noexcept {
  return v < (1U << 7) ? 1 : v < (1U << 14) ? 2 : v < (1U << 21) ? 3 : v < (1U << 28) ? 4 : 5;
}

// Base 128, most significant group first, continuation bit on all but the last.
inline std::uint8_t* write_subid(std::uint8_t* out, std::uint32_t v) noexcept {
  if (v < kMore) {
    *out = static_cast<std::uint8_t>(v);
    return out + 1;
  }
  for (std::uint32_t shift = 7 * (subid_length(v) - 1); shift != 0; shift -= 7) {
    *out++ = static_cast<std::uint8_t>(kMore | ((v >> shift) & 0x7FU));
  }
  *out = static_cast<std::uint8_t>(v & 0x7FU);
  return out + 1;
}

// Writes the sub-identifiers that follow the dot at `at` as BER octets at
// out and answers the end of what it wrote; after each one, arc_done(text
// position after it, octet position after it). Most sub-identifiers have
// one or two digits, and those take a short way.
template <class ArcDone>
std::uint8_t* arcs_to_ber(const char* at, const char* end, std::uint8_t* out,
                          ArcDone&& arc_done) noexcept {
  while (at != end) {
    const std::ptrdiff_t left = end - at;  // the dot and what follows it
    std::uint32_t d0 = 10;
    if (left >= 2) d0 = digit_of(at[1]);
    if (d0 < 10 && (left == 2 || at[2] == '.')) {
      *out++ = static_cast<std::uint8_t>(d0);
      at += 2;
    } else if (d0 < 10 && digit_of(at[2]) < 10 && (left == 3 || at[3] == '.')) {
      *out++ = static_cast<std::uint8_t>(d0 * 10 + digit_of(at[2]));
      at += 3;
    } else {
      std::uint32_t arc = 0;
      at = read_arc(at + 1, end, &arc);
      out = write_subid(out, arc);
    }
    arc_done(at, out);
  }
  return out;
}

// Longest BER contents of a dotted text of n characters with two
// sub-identifiers at least: a sub-identifier takes no more octets than it
// has digits, or one when it has none; the first two share at most five.
constexpr std::size_t max_ber_length(std::size_t n) noexcept { return n + 6; }

// Writes the BER contents of a text of two sub-identifiers or more (every
// one read as value_of reads it, the first two as first * 40 + second) at
// out, which has room for max_ber_length octets; answers their number.
std::size_t to_ber(std::string_view text, std::uint8_t* out) noexcept;

// Room for the text of `n` BER content octets of an object identifier: at
// most n + 1 sub-identifiers of at most 10 digits, each but the first after
// a dot, and three characters of slack for write_small_arc.
constexpr std::size_t max_text_length(std::uint32_t n) noexcept {
  return (static_cast<std::size_t>(n) + 1) * 11 + 3;
}

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr std::uint32_t decimal_digits(std::uint32_t v) noexcept {
  std::uint32_t n = 1;
  for (; v >= 10; v /= 10) ++n;
  return n;
}

// Writes the decimal digits of v at out and answers the position after them.
inline char* write_decimal(char* out, std::uint32_t v) noexcept {
  if (v < 10) {
    *out = static_cast<char>('0' + v);
    return out + 1;
  }
  const std::uint32_t n = decimal_digits(v);
  char* digit = out + n;
  while (v >= 100) {
    digit -= 2;
    std::memcpy(digit, kDigitPairs + std::size_t{2} * (v % 100), 2);
    v /= 100;
  }
  if (v >= 10) {
    std::memcpy(digit - 2, kDigitPairs + std::size_t{2} * v, 2);
  } else {
    digit[-1] = static_cast<char>('0' + v);
  }
  return out + n;
}

// The first BER sub-identifier holds the first two arcs.
inline char* write_first_arcs(char* out, std::uint32_t subid) noexcept {
  const std::uint32_t first = subid < kArcsPerFirstValue       ? 0
                              : subid < 2 * kArcsPerFirstValue ? 1
                                                               : 2;
  out = write_decimal(out, first);
  *out++ = '.';
  return write_decimal(out, subid - kArcsPerFirstValue * first);
}

// The text ".v" of a sub-identifier below 128, kept as four characters of
// which the first `length` count.
struct SmallArc {
  char text[4];
  std::uint8_t length;
};

inline constexpr auto kSmallArcs = [] {
  struct Table {
    SmallArc arcs[128];
  } table{};
  for (std::uint32_t v = 0; v < 128; ++v) {
    SmallArc& arc = table.arcs[v];
    arc.text[0] = '.';
    char* digit = arc.text + 1;
    if (v >= 100) *digit++ = static_cast<char>('0' + v / 100);
    if (v >= 10) *digit++ = static_cast<char>('0' + v / 10 % 10);
    *digit++ = static_cast<char>('0' + v % 10);
    arc.length = static_cast<std::uint8_t>(digit - arc.text);
  }
  return table;
}();

// Gathers 7-bit groups, most significant first, up to an octet with a clear
// top bit, in 32 bits as the identifier's numbers are.
inline std::uint32_t next_subid(const std::uint8_t** at) noexcept {
  std::uint32_t value = 0;
  std::uint8_t octet = 0;
  do {
    octet = *(*at)++;
    value = (value << 7) | (octet & 0x7FU);
  } while ((octet & kMore) != 0);
  return value;
}

// Writes ".v" for the sub-identifier at `*at` and steps over it; out needs
// room for the text and three characters more.
inline char* write_next_arc(char* out, const std::uint8_t** at) noexcept {
  if (**at < kMore) {
    const SmallArc& arc = kSmallArcs.arcs[*(*at)++];
    std::memcpy(out, arc.text, sizeof arc.text);
    return out + arc.length;
  }
  *out++ = '.';
  return write_decimal(out, next_subid(at));
}

}  // namespace vex::oid_arcs
