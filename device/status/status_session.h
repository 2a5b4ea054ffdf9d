#pragma once

#include <cstddef>
#include <cstdint>

#include "net/network_address.h"

namespace vex {

// The parameters of every request a status reader sends: the printer, the
// transport, the communities and the SNMP mode with its SNMPv3 parameters.
// The numbers are copied at set-up; the four SNMPv3 texts refer to the
// handle's parameter object and follow its later changes.
struct StatusSession {
  static constexpr std::size_t kAddressSize = 64;
  static constexpr std::size_t kCommunitySize = 256;
  static constexpr std::uint16_t kSnmpPort = 161;
  static constexpr std::uint16_t kIpxSnmpSocket = 36879;

  EProtocol protocol = IVexNetworkAddress::PROTOCOL_NONE;
  char address[kAddressSize] = {};
  std::uint16_t port = 0;
  std::uint32_t timeout_ms = 0;
  std::uint32_t retries = 0;
  std::uint32_t max_message_size = 0;
  // Handed to read requests only once given; until then they use the
  // request layer's own default.
  char read_community[kCommunitySize] = {};
  bool read_community_given = false;
  // Always handed to the cancel request.
  char write_community[kCommunitySize] = "private";
  std::int32_t snmp_mode = -1;
  const char* user_name = "";
  std::int32_t security_level = 0;
  std::int32_t auth_protocol = 0;
  std::int32_t priv_protocol = 0;
  const char* auth_pass_phrase = "";
  const char* priv_pass_phrase = "";
  const char* context_name = "";
};

}  // namespace vex
