// Broadcasts leave only from a namespace the test builds: a veth whose far
// end sits in a second namespace carries the limited broadcast, and the
// kernel loops a copy back to the local sockets.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "snmp/transport/datagram_socket.h"
#include "tests/common/fresh_namespace.h"
#include "tests/common/peer_namespace.h"
#include "tests/transport/socket_test_support.h"

namespace {

std::string broadcast_round_trip() {
  const PeerNamespace peer;
  if (!peer.ready()) return std::string("no peer namespace");
  if (std::string failed =
          run_commands({"ip link set lo up", peer.veth("vb"), "ip addr add 198.18.9.1/24 dev vb",
                        "ip link set vb up", "ip route add 255.255.255.255 dev vb"});
      !failed.empty()) {
    return failed;
  }
  DataGramSocket* sending = nullptr;
  DataGramSocket* listening = nullptr;
  if (create_datagram_socket(EProtocol::PROTOCOL_IPV4, &sending) != vex::kOk ||
      create_datagram_socket(EProtocol::PROTOCOL_IPV4, &listening) != vex::kOk) {
    return "cannot create the sockets";
  }
  const vex::OwnedSocket sender(sending);
  const vex::OwnedSocket receiver(listening);
  const auto everyone = vex::test::address("255.255.255.255", receiver->local_address()->port());
  const std::uint8_t data[2] = {0x30, 0x00};
  std::string problems;
  if (const vex::Result r = sender->send(data, 2, everyone.get()); r != vex::kSendFailed) {
    problems += "send without the broadcast flag gave " + std::to_string(r) + "; ";
  }
  if (sender->set_broadcast(1) != vex::kOk) return problems + "set_broadcast refused";
  if (const vex::Result r = sender->send(data, 2, everyone.get()); r != vex::kOk) {
    return problems + "broadcast send gave " + std::to_string(r);
  }
  std::uint8_t buffer[8] = {};
  std::uint32_t received = 0;
  IVexNetworkAddress* from = nullptr;
  const vex::Result r = receiver->receive(buffer, sizeof buffer, 500, &received, &from);
  const vex::Owned<IVexNetworkAddress> origin(from);
  if (r != vex::kOk) return problems + "no broadcast received: " + std::to_string(r);
  if (received != 2 || buffer[0] != 0x30) problems += "wrong bytes received; ";
  if (origin->port() != sender->local_address()->port()) problems += "wrong sender port; ";
  return problems;
}

TEST(BroadcastNamespace, FlagAllowsTheLimitedBroadcast) {
  DVK_REQUIRE_NAMESPACES();
  EXPECT_EQ(run_in_fresh_namespace(broadcast_round_trip), "");
}

}  // namespace
