#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vex {

// Converts the BER contents of a message's binding names to dotted text,
// reusing the text of what the previous name shares with the next: the rows
// and columns of a table differ only in their last sub-identifiers. The
// contents must stay in place while the message is read.
class NameDecoder {
 public:
  // The text of contents of at least one octet whose last octet ends a
  // sub-identifier; lent until the next call. Empty when the name is too
  // long to be kept here.
  std::string_view decode(const std::uint8_t* ber, std::uint32_t length) noexcept;

 private:
  static constexpr std::uint32_t kMaxOctets = 40;

  // Where the contents and the text of the previous name end after one
  // sub-identifier (the first entry covers the first two arcs).
  struct Boundary {
    std::uint32_t ber_end;
    std::uint32_t text_end;
  };

  std::uint32_t shared_boundaries(const std::uint8_t* ber, std::uint32_t length) const noexcept;

  const std::uint8_t* previous_ = nullptr;
  std::uint32_t previous_length_ = 0;
  std::uint32_t boundaries_ = 0;   // 0: nothing to reuse
  Boundary boundary_[kMaxOctets];  // a sub-identifier takes an octet at least
  char text_[(kMaxOctets + 1) * 11 + 3];
};

}  // namespace vex
