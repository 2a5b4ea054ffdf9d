#include "snmp/codec/name_encoder.h"

#include <algorithm>

#include "snmp/codec/common_prefix.h"
#include "snmp/codec/oid_arcs.h"

namespace vex {

std::uint32_t NameEncoder::shared_boundaries(std::string_view name) const noexcept {
  if (boundaries_ == 0) return 0;
  if (name == previous_) return boundaries_;
  const std::size_t common =
      common_prefix(name.data(), previous_.data(), std::min(name.size(), previous_.size()));
  // A boundary before the first difference lies on a dot both names share.
  const Boundary* shared =
      std::partition_point(boundary_, boundary_ + boundaries_,
                           [common](const Boundary& b) { return b.text_end < common; });
  return static_cast<std::uint32_t>(shared - boundary_);
}

std::span<const std::uint8_t> NameEncoder::encode(std::string_view name) noexcept {
  if (oid_arcs::max_ber_length(name.size()) > kMaxOctets) {
    boundaries_ = 0;
    return {};
  }
  const char* text = name.data();
  const char* end = text + name.size();
  const char* at = text;
  std::uint8_t* out = ber_;
  std::uint32_t kept = shared_boundaries(name);
  if (kept != 0) {
    at = text + boundary_[kept - 1].text_end;
    out = ber_ + boundary_[kept - 1].ber_end;
  } else {
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    at = oid_arcs::read_arc(at, end, &first);
    if (at == end) return {};  // one sub-identifier has no BER form
    at = oid_arcs::read_arc(at + 1, end, &second);
    out = oid_arcs::write_subid(out, first * oid_arcs::kArcsPerFirstValue + second);
    boundary_[kept++] = {static_cast<std::uint32_t>(at - text),
                         static_cast<std::uint32_t>(out - ber_)};
  }
  bool complete = true;
  out = oid_arcs::arcs_to_ber(at, end, out, [&](const char* arc_end, std::uint8_t* ber_end) {
    if (kept == kMaxArcs) {
      complete = false;
      return;
    }
    boundary_[kept++] = {static_cast<std::uint32_t>(arc_end - text),
                         static_cast<std::uint32_t>(ber_end - ber_)};
  });
  previous_ = name;
  boundaries_ = complete ? kept : 0;
  return {ber_, static_cast<std::size_t>(out - ber_)};
}

}  // namespace vex
