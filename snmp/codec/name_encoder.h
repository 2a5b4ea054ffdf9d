#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vex {

// Converts the names of a message's bindings to BER contents, reusing what
// the previous name shares with the next: the rows and columns of a table
// differ only in their last sub-identifiers. Names are given from the last
// binding to the first, each valid until the message is written.
class NameEncoder {
 public:
  // The contents of a name of two sub-identifiers or more, lent until the
  // next call; empty for a name of fewer sub-identifiers or one too long to
  // be kept here.
  std::span<const std::uint8_t> encode(std::string_view name) noexcept;

 private:
  static constexpr std::uint32_t kMaxArcs = 48;
  static constexpr std::size_t kMaxOctets = 256;

  // Where the text and the contents of the previous name end after one
  // sub-identifier (the first entry covers the first two).
  struct Boundary {
    std::uint32_t text_end;
    std::uint32_t ber_end;
  };

  std::uint32_t shared_boundaries(std::string_view name) const noexcept;

  std::string_view previous_;
  std::uint32_t boundaries_ = 0;  // 0: nothing to reuse
  Boundary boundary_[kMaxArcs];
  std::uint8_t ber_[kMaxOctets];
};

}  // namespace vex
