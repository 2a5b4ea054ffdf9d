#pragma once

#include <cstddef>
#include <cstdint>

#include "snmp/model/vsn_octet_string.h"

// IPv6 address (tag 0x48): exactly 16 bytes. The text form is eight
// big-endian 16-bit groups in lower-case hexadecimal, without shortening.
class CVsnIpv6Address final : public CVsnOctetString {
 public:
  CVsnIpv6Address() noexcept : CVsnOctetString(kBytes) {}

  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kIpv6Address; }
  void query(std::uint32_t id, void** out) override;

  // "%x:%x:%x:%x:%x:%x:%x:%x"; the "::" notation is not read.
  vex::Result write_text(IVexBuffer* out) const override;
  vex::Result set_text(const char* text) override;

 private:
  static constexpr std::size_t kBytes = 16;
  static constexpr std::size_t kGroups = 8;
};
