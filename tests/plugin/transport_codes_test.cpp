#include "plugin/transport_codes.h"

#include <gtest/gtest.h>

namespace {

TEST(TransportCodes, MapToProtocolsAndPorts) {
  struct Row {
    std::int32_t code;
    vex::Result result;
    EProtocol protocol;
    std::uint16_t port;
  };
  const Row rows[] = {
      {1, 0, IVexNetworkAddress::PROTOCOL_IPV4, 161},
      {2, 0, IVexNetworkAddress::PROTOCOL_IPX, 36879},
      {3, 0, IVexNetworkAddress::PROTOCOL_OTHER, 161},
      {5, 0, IVexNetworkAddress::PROTOCOL_IPV6, 161},
      {0, -2, IVexNetworkAddress::PROTOCOL_NONE, 0},
      {4, -2, IVexNetworkAddress::PROTOCOL_NONE, 0},
      {6, -2, IVexNetworkAddress::PROTOCOL_NONE, 0},
      {-1, -2, IVexNetworkAddress::PROTOCOL_NONE, 0},
  };
  for (const Row& row : rows) {
    EProtocol protocol = IVexNetworkAddress::PROTOCOL_NONE;
    EXPECT_EQ(dvk_protocol_of_transport(row.code, &protocol), row.result) << row.code;
    EXPECT_EQ(protocol, row.protocol) << row.code;
    if (row.result == 0) {
      EXPECT_EQ(dvk_agent_port(protocol), row.port) << row.code;
    }
  }
}

}  // namespace
