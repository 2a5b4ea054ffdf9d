#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Rules over the dotted text of an object identifier.
namespace vex::oid_text {

// 0 for the empty text, otherwise 1 plus the number of dots.
std::uint32_t count(std::string_view text) noexcept;

// Sub-identifiers are "0" or a digit 1-9 followed by digits, joined by single
// dots; the empty text is valid.
bool is_valid(std::string_view text) noexcept;

// Relation code of a to b (vex::relation): prefixes at a sub-identifier
// boundary first, then the order of the texts as signed bytes, the shorter
// of two texts sorting first when it is a prefix of the other.
std::int32_t relation(std::string_view a, std::string_view b) noexcept;

// Offset of the first character of sub-identifier k, or the text length when
// the text has no such sub-identifier.
std::size_t position(std::string_view text, std::uint32_t k) noexcept;

// Characters of the first n sub-identifiers, without the dot that follows.
std::size_t prefix_length(std::string_view text, std::uint32_t n) noexcept;

// The decimal number at sub-identifier k, modulo 2^32.
std::uint32_t number_at(std::string_view text, std::uint32_t k) noexcept;

}  // namespace vex::oid_text
