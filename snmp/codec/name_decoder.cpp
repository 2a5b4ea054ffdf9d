#include "snmp/codec/name_decoder.h"

#include <algorithm>

#include "snmp/codec/common_prefix.h"
#include "snmp/codec/oid_arcs.h"

namespace vex {

std::uint32_t NameDecoder::shared_boundaries(const std::uint8_t* ber,
                                             std::uint32_t length) const noexcept {
  if (boundaries_ == 0) return 0;
  const std::size_t common = common_prefix(ber, previous_, std::min(length, previous_length_));
  // Equal octets end their sub-identifiers at the same places.
  const Boundary* shared =
      std::partition_point(boundary_, boundary_ + boundaries_,
                           [common](const Boundary& b) { return b.ber_end <= common; });
  return static_cast<std::uint32_t>(shared - boundary_);
}

std::string_view NameDecoder::decode(const std::uint8_t* ber, std::uint32_t length) noexcept {
  if (length > kMaxOctets) {
    boundaries_ = 0;
    return {};
  }
  const std::uint8_t* at = ber;
  const std::uint8_t* stop = ber + length;
  char* out = text_;
  std::uint32_t kept = shared_boundaries(ber, length);
  if (kept != 0) {
    at = ber + boundary_[kept - 1].ber_end;
    out = text_ + boundary_[kept - 1].text_end;
  } else {
    out = oid_arcs::write_first_arcs(out, oid_arcs::next_subid(&at));
    boundary_[kept++] = {static_cast<std::uint32_t>(at - ber),
                         static_cast<std::uint32_t>(out - text_)};
  }
  while (at != stop) {
    out = oid_arcs::write_next_arc(out, &at);
    boundary_[kept++] = {static_cast<std::uint32_t>(at - ber),
                         static_cast<std::uint32_t>(out - text_)};
  }
  previous_ = ber;
  previous_length_ = length;
  boundaries_ = kept;
  return {text_, static_cast<std::size_t>(out - text_)};
}

}  // namespace vex
