#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "net/network_address.h"

// Maps a host transport code (1, 2, 3, 5) to its protocol; any other code -2.
vex::Result dvk_protocol_of_transport(std::int32_t transport_code, EProtocol* protocol) noexcept;

// Agent port of a protocol: 36879 for IPX, 161 otherwise.
std::uint16_t dvk_agent_port(EProtocol protocol) noexcept;

inline constexpr std::uint16_t kSnmpUdpPort = 161;
inline constexpr std::uint16_t kSnmpIpxSocket = 0x900F;
