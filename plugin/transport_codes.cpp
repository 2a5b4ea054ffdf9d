#include "plugin/transport_codes.h"

vex::Result dvk_protocol_of_transport(std::int32_t transport_code, EProtocol* protocol) noexcept {
  switch (transport_code) {
    case 1:
      *protocol = IVexNetworkAddress::PROTOCOL_IPV4;
      return vex::kOk;
    case 2:
      *protocol = IVexNetworkAddress::PROTOCOL_IPX;
      return vex::kOk;
    case 3:
      *protocol = IVexNetworkAddress::PROTOCOL_OTHER;
      return vex::kOk;
    case 5:
      *protocol = IVexNetworkAddress::PROTOCOL_IPV6;
      return vex::kOk;
    default:
      return vex::kInvalidArgument;
  }
}

std::uint16_t dvk_agent_port(EProtocol protocol) noexcept {
  return protocol == IVexNetworkAddress::PROTOCOL_IPX ? kSnmpIpxSocket : kSnmpUdpPort;
}
