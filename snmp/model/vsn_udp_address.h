#pragma once

#include <cstdint>

#include "snmp/model/vsn_ip_address.h"
#include "snmp/model/vsn_transport_address.h"

// IPv4 address and UDP port (tag 0xFF02): 6 bytes, the address then the
// port big-endian. Its table-index form starts with the transport domain 1.
class CVsnUdpAddress final : public CVsnTransportAddress<CVsnIpAddress, 1, 4> {
 public:
  CVsnUdpAddress() noexcept : CVsnTransportAddress(kBytes) {}

  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kUdpAddress; }
  // Answers its own identifier and the OCTET STRING part, not the IpAddress one.
  void query(std::uint32_t id, void** out) override;

  // "%d.%d.%d.%d/%d"
  vex::Result write_text(IVexBuffer* out) const override;
  vex::Result set_text(const char* text) override;

 private:
  static constexpr std::size_t kBytes = 6;
};
