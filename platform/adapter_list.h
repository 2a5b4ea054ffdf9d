#pragma once

#include <netinet/in.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The local interfaces as the address services read them. Interface types
// follow the IANA ifType numbers the services test for.
inline constexpr std::uint32_t kInterfaceTypeOther = 1;
inline constexpr std::uint32_t kInterfaceTypeEthernet = 6;
inline constexpr std::uint32_t kInterfaceTypeSoftwareLoopback = 24;
inline constexpr std::uint32_t kInterfaceTypeTunnel = 131;

struct VexHardwareAddress {
  std::array<std::uint8_t, 8> bytes{};
  std::uint32_t length = 0;
};

// One interface of the IPv4 list. An interface without an IPv4 address
// carries the single address text "0.0.0.0", as an unconfigured adapter does.
struct VexIpv4Adapter {
  std::string name;
  std::uint32_t index = 0;
  std::uint32_t type = kInterfaceTypeOther;
  VexHardwareAddress hardware_address;
  std::vector<std::string> ip_addresses;  // dotted texts, first address first
  std::vector<std::string> ip_masks;
};

// One interface of the IPv6 list with its unicast addresses (scope ids set
// for link-local addresses).
struct VexIpv6Adapter {
  std::string name;
  std::uint32_t ipv4_index = 0;
  std::uint32_t ipv6_index = 0;
  std::uint32_t type = kInterfaceTypeOther;
  VexHardwareAddress hardware_address;
  std::vector<sockaddr_in6> unicast_addresses;
};

using VexIpv4AdapterList = std::vector<VexIpv4Adapter>;
using VexIpv6AdapterList = std::vector<VexIpv6Adapter>;
