#pragma once

#include <cstdint>

#include "net/network_address.h"
#include "platform/socket_constants.h"

// Between address protocols and the framework's address family numbers
// (native_family turns these into the system's).
namespace vex {

constexpr std::int32_t protocol_of_family(int family) noexcept {
  switch (family) {
    case kFamilyInet:
      return IVexNetworkAddress::PROTOCOL_IPV4;
    case kFamilyIpx:
      return IVexNetworkAddress::PROTOCOL_IPX;
    case kFamilyInet6:
      return IVexNetworkAddress::PROTOCOL_IPV6;
    default:
      return IVexNetworkAddress::PROTOCOL_NONE;
  }
}

// Codes without a family of their own keep their number.
constexpr int family_of_protocol(std::int32_t protocol) noexcept {
  switch (protocol) {
    case IVexNetworkAddress::PROTOCOL_NONE:
      return 0;
    case IVexNetworkAddress::PROTOCOL_IPV4:
      return kFamilyInet;
    case IVexNetworkAddress::PROTOCOL_IPX:
      return kFamilyIpx;
    case IVexNetworkAddress::PROTOCOL_IPV6:
      return kFamilyInet6;
    default:
      return protocol;
  }
}

}  // namespace vex
