#pragma once

#include <cstddef>
#include <cstdint>

#include "snmp/model/vsn_octet_string.h"
#include "snmp/model/vsn_transport_address.h"

// IPX address and socket (tag 0xFF03): 12 bytes, network (4), node (6), then
// the socket big-endian. Its table-index form starts with the transport
// domain 5.
class CVsnIpxAddress final : public CVsnTransportAddress<CVsnOctetString, 5, 10> {
 public:
  CVsnIpxAddress() noexcept : CVsnTransportAddress(kBytes) {}

  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kIpxAddress; }
  void query(std::uint32_t id, void** out) override;

  // "%02x%02x%02x%02x:%02x%02x%02x%02x%02x%02x/%x". The length handed to the
  // buffer counts the terminating NUL, so a zero address gives length 24.
  vex::Result write_text(IVexBuffer* out) const override;
  vex::Result set_text(const char* text) override;

 private:
  static constexpr std::size_t kBytes = 12;
  static constexpr std::size_t kAddressBytes = 10;
};
