#include "plugin/transport_codes.h"

vex::Result dvk_protocol_of_transport(std::int32_t transport_code, EProtocol* protocol) noexcept {
  switch (transport_code) {
    case 1:
      *protocol = protocol_udp_ipv4;
      return vex::kOk;
    case 2:
      *protocol = protocol_ipx;
      return vex::kOk;
    case 3:
      *protocol = protocol_unserved;
      return vex::kOk;
    case 5:
      *protocol = protocol_udp_ipv6;
      return vex::kOk;
    default:
      return vex::kInvalidArgument;
  }
}

std::uint16_t dvk_agent_port(EProtocol protocol) noexcept {
  return protocol == protocol_ipx ? kSnmpIpxSocket : kSnmpUdpPort;
}
