#pragma once

#include <cstdint>

// Transport protocol of a network address.
enum EProtocol : std::int32_t {
  protocol_none = 0,
  protocol_udp_ipv4 = 1,
  protocol_ipx = 2,
  protocol_unserved = 3,  // accepted from the host, served by no transport
  protocol_udp_ipv6 = 4,
};
