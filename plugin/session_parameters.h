#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/result_codes.h"
#include "net/network_address.h"

class IDvkPluginUSM;

namespace vex {

// What every request of one device session is sent with. The four SNMPv3
// texts refer to the handle's parameter object: a later search or set-up that
// reloads it changes the texts of this session's later requests too, while
// the mode and the numbers stay as they were copied.
struct SessionParameters {
  static constexpr std::size_t kAddressSize = 64;

  EProtocol protocol = IVexNetworkAddress::PROTOCOL_NONE;
  char address[kAddressSize] = {};
  std::uint16_t port = 0;
  std::uint32_t timeout_ms = 0;
  std::uint32_t retries = 0;
  std::uint32_t max_message_size = 0;
  std::int32_t snmp_mode = -1;
  const char* user_name = "";
  std::int32_t security_level = 0;
  std::int32_t auth_protocol = 0;
  std::int32_t priv_protocol = 0;
  const char* auth_pass_phrase = "";
  const char* priv_pass_phrase = "";
  const char* context_name = "";
};

struct SessionArguments {
  EProtocol protocol;
  const char* address;
  const IDvkPluginUSM* usm;
  std::uint32_t timeout_ms;
  std::uint32_t retries;
  std::uint32_t max_message_size;
};

// Stores the address (cut to 63 characters) and the protocol, then the port
// of the protocol: -2 for a protocol no transport serves, and for a missing
// parameter object, leaving the rest as it was. Sends nothing.
Result store_session_parameters(SessionParameters& session,
                                const SessionArguments& arguments) noexcept;

}  // namespace vex
