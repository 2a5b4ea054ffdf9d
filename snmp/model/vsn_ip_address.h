#pragma once

#include <cstddef>
#include <cstdint>

#include "snmp/model/vsn_octet_string.h"

// IpAddress (tag 0x40): exactly 4 bytes, "0.0.0.0" when created. As a table
// index it is a string of 4 bytes (length prefix 4 unless implied).
class CVsnIpAddress : public CVsnOctetString {
 public:
  CVsnIpAddress() noexcept : CVsnOctetString(kAddressBytes) {}

  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kIpAddress; }
  void query(std::uint32_t id, void** out) override;

  // The 4 address bytes as a big-endian number.
  std::uint32_t get_ulong(vex::Result* err) const override;
  vex::Result set_ulong(std::uint32_t value) override;
  // "%d.%d.%d.%d"
  vex::Result write_text(IVexBuffer* out) const override;
  vex::Result set_text(const char* text) override;

 protected:
  static constexpr std::size_t kAddressBytes = 4;

  explicit CVsnIpAddress(std::size_t fixed_size) noexcept : CVsnOctetString(fixed_size) {}
};
