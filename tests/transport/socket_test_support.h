#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "net/vex_network_address.h"
#include "snmp/transport/datagram_socket.h"
#include "tests/logging/log_capture.h"

namespace vex::test {

// A socket of the protocol bound to a port the system chose; null (with a
// test failure) when it could not be created.
inline OwnedSocket open_socket(std::int32_t protocol) {
  DataGramSocket* socket = nullptr;
  const Result result = create_datagram_socket(protocol, &socket);
  EXPECT_EQ(result, kOk);
  return OwnedSocket(socket);
}

inline Owned<IVexNetworkAddress> address(const std::string& text, std::uint16_t port) {
  return Owned<IVexNetworkAddress>(vex_create_network_address_text(text.c_str(), port));
}

// True when a captured message holds `part`.
inline bool contains_part(const LogCapture& capture, std::string_view part) {
  for (const std::string& message : capture.messages()) {
    if (message.find(part) != std::string::npos) return true;
  }
  return false;
}

}  // namespace vex::test
