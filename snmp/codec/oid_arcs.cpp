#include "snmp/codec/oid_arcs.h"

#include <algorithm>

namespace vex::oid_arcs {

std::uint32_t count(std::string_view text) noexcept {
  if (text.empty()) return 0;
  return 1 + static_cast<std::uint32_t>(std::count(text.begin(), text.end(), '.'));
}

std::uint32_t value_of(std::string_view arc) noexcept {
  std::uint32_t value = 0;
  read_arc(arc.data(), arc.data() + arc.size(), &value);
  return value;
}

std::size_t to_ber(std::string_view text, std::uint8_t* out) noexcept {
  const char* at = text.data();
  const char* end = at + text.size();
  std::uint32_t first = 0;
  std::uint32_t second = 0;
  at = read_arc(at, end, &first);
  at = read_arc(at + 1, end, &second);
  std::uint8_t* next = write_subid(out, first * kArcsPerFirstValue + second);
  next = arcs_to_ber(at, end, next, [](const char*, std::uint8_t*) {});
  return static_cast<std::size_t>(next - out);
}

}  // namespace vex::oid_arcs
