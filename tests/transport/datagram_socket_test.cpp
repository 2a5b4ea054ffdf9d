#include "snmp/transport/datagram_socket.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "logging/vex_log.h"
#include "platform/socket_api.h"
#include "tests/logging/log_capture.h"
#include "tests/support/loopback.h"
#include "tests/support/requirements.h"
#include "tests/support/udp_client.h"
#include "tests/transport/socket_test_support.h"

namespace {

using namespace std::chrono_literals;
using vex::test::address;
using vex::test::contains_part;
using vex::test::open_socket;

std::string hex_port_text(unsigned port) {
  char text[32];
  std::snprintf(text, sizeof text, "%u(0x%x)", port, port);
  return text;
}

TEST(DataGramSocketCreate, EphemeralPortIsReportedBack) {
  vex::test::LogCapture capture("socket");
  const vex::OwnedSocket socket = open_socket(EProtocol::PROTOCOL_IPV4);
  ASSERT_TRUE(socket);
  const IVexNetworkAddress* local = socket->local_address();
  ASSERT_NE(local, nullptr);
  EXPECT_NE(local->port(), 0);
  EXPECT_EQ(local->protocol(), EProtocol::PROTOCOL_IPV4);
  EXPECT_TRUE(contains_part(capture, "create socket. id:0x"));
  EXPECT_TRUE(contains_part(capture, " port:" + hex_port_text(local->port())));
}

TEST(DataGramSocketCreate, RequestedPortIsBound) {
  std::uint16_t port = 0;
  {
    const vex::OwnedSocket probe = open_socket(EProtocol::PROTOCOL_IPV4);
    ASSERT_TRUE(probe);
    port = probe->local_address()->port();
  }
  DataGramSocket* socket = nullptr;
  ASSERT_EQ(create_datagram_socket(EProtocol::PROTOCOL_IPV4, port, &socket), vex::kOk);
  const vex::OwnedSocket owned(socket);
  EXPECT_EQ(owned->local_address()->port(), port);

  DataGramSocket* second = nullptr;
  EXPECT_EQ(create_datagram_socket(EProtocol::PROTOCOL_IPV4, port, &second), vex::kBindFailed);
  EXPECT_EQ(second, nullptr);
}

TEST(DataGramSocketCreate, RefusesUnknownProtocolsWithoutStartingTheLibrary) {
  const int balance = vex::socket_startup_balance();
  int balance_marker = 0;  // stands for a stale out value that must be cleared
  for (const std::int32_t protocol : {0, 3, 5, -1}) {
    DataGramSocket* socket = reinterpret_cast<DataGramSocket*>(&balance_marker);
    EXPECT_EQ(create_datagram_socket(protocol, &socket), vex::kInvalidArgument) << protocol;
    EXPECT_EQ(socket, nullptr);
  }
  EXPECT_EQ(vex::socket_startup_balance(), balance);
  EXPECT_EQ(create_datagram_socket(EProtocol::PROTOCOL_IPV4, nullptr), vex::kInvalidArgument);
}

TEST(DataGramSocketCreate, EachSocketBalancesItsLibraryStart) {
  const int balance = vex::socket_startup_balance();
  {
    const vex::OwnedSocket first = open_socket(EProtocol::PROTOCOL_IPV4);
    const vex::OwnedSocket second = open_socket(EProtocol::PROTOCOL_IPV6);
    EXPECT_EQ(vex::socket_startup_balance(), balance + 2);
  }
  EXPECT_EQ(vex::socket_startup_balance(), balance);
}

TEST(DataGramSocketCreate, IpxIsRefusedBySocketAndCleansUp) {
  vex::test::LogCapture capture("socket");
  const int balance = vex::socket_startup_balance();
  DataGramSocket* socket = nullptr;
  EXPECT_EQ(create_datagram_socket(EProtocol::PROTOCOL_IPX, &socket), vex::kSocketFailed);
  EXPECT_EQ(socket, nullptr);
  EXPECT_EQ(vex::socket_startup_balance(), balance);
  EXPECT_TRUE(contains_part(capture, "fail socket(). WSAGetLastError()="));
}

struct LoopbackCase {
  const char* name;
  int family;
  std::int32_t protocol;
};

class DataGramSocketLoopback : public testing::TestWithParam<LoopbackCase> {};

// The peer sends first, so the socket learns the peer's address from the
// datagram and answers to it.
TEST_P(DataGramSocketLoopback, ReceivesAndAnswers) {
  const LoopbackCase& param = GetParam();
  const vex::test::LoopbackAddress reserved =
      param.family == AF_INET ? vex::test::LoopbackAddress::ipv4() : vex::test::LoopbackAddress();
  const std::string host = param.family == AF_INET ? reserved.text() : "::1";
  ASSERT_FALSE(host.empty());
  vex::test::UdpClient peer(param.family);
  if (!peer.ok() || !peer.bind(host)) {
    if (param.family == AF_INET6 && !vex::test::in_ci()) GTEST_SKIP() << "no IPv6 loopback";
    FAIL() << "cannot bind the peer on " << host;
  }
  const vex::OwnedSocket socket = open_socket(param.protocol);
  ASSERT_TRUE(socket);
  const std::uint16_t port = socket->local_address()->port();
  vex::test::LogCapture capture("socket");

  const std::vector<std::uint8_t> request{0x30, 0x03, 0x02, 0x01, 0x07};
  ASSERT_TRUE(peer.send_to(host, port, request));
  std::vector<std::uint8_t> buffer(64);
  std::uint32_t received = 0;
  IVexNetworkAddress* sender = nullptr;
  ASSERT_EQ(socket->receive(buffer.data(), 64, 1000, &received, &sender), vex::kOk);
  const vex::Owned<IVexNetworkAddress> from(sender);
  ASSERT_EQ(received, request.size());
  EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + received), request);
  EXPECT_EQ(from->protocol(), param.protocol);
  EXPECT_NE(from->port(), 0);
  if (param.family == AF_INET) {
    EXPECT_STREQ(from->text(), host.c_str());
  }
  EXPECT_TRUE(contains_part(
      capture, "[DataGramSocket::receive] receive packet port:" + hex_port_text(port) + " <- "));

  const std::vector<std::uint8_t> answer{0xa2, 0x00};
  EXPECT_EQ(socket->send(answer.data(), 2, from.get()), vex::kOk);
  const auto datagram = peer.receive(500ms);
  ASSERT_TRUE(datagram.has_value());
  EXPECT_EQ(datagram->bytes, answer);
  EXPECT_EQ(datagram->port, port);
  EXPECT_TRUE(
      contains_part(capture, "[DataGramSocket::send] send packet. port:" + hex_port_text(port) +
                                 " -> " + from->text() + ":" + hex_port_text(from->port()) + "."));
}

INSTANTIATE_TEST_SUITE_P(Protocols, DataGramSocketLoopback,
                         testing::Values(LoopbackCase{"Ipv4", AF_INET, EProtocol::PROTOCOL_IPV4},
                                         LoopbackCase{"Ipv6", AF_INET6, EProtocol::PROTOCOL_IPV6}),
                         [](const auto& test_info) { return std::string(test_info.param.name); });

class Ipv4Pair : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(reserved_.valid());
    ASSERT_TRUE(peer_.ok() && peer_.bind(reserved_.text()));
    ASSERT_TRUE(socket_);
    port_ = socket_->local_address()->port();
  }

  vex::test::LoopbackAddress reserved_ = vex::test::LoopbackAddress::ipv4();
  vex::test::UdpClient peer_{AF_INET};
  vex::OwnedSocket socket_ = open_socket(EProtocol::PROTOCOL_IPV4);
  std::uint16_t port_ = 0;
};

TEST_F(Ipv4Pair, ZeroTimeoutPollsAnEmptyQueue) {
  vex::test::LogCapture capture("socket");
  std::uint8_t buffer[16];
  std::uint32_t received = 7;
  IVexNetworkAddress* sender = nullptr;
  EXPECT_EQ(socket_->receive(buffer, sizeof buffer, 0, &received, &sender), vex::kTimeout);
  EXPECT_EQ(sender, nullptr);
  EXPECT_TRUE(capture.contains("select API timeout."));

  // A datagram already queued is taken by the same poll.
  const std::uint8_t byte[1] = {0x42};
  ASSERT_TRUE(peer_.send_to(reserved_.text(), port_, byte));
  std::uint32_t polled = 0;
  for (int attempt = 0; attempt < 50 && polled == 0; ++attempt) {
    if (socket_->receive(buffer, sizeof buffer, 0, &received, &sender) == vex::kOk) {
      polled = received;
      const vex::Owned<IVexNetworkAddress> polled_from(sender);
    } else {
      std::this_thread::sleep_for(2ms);
    }
  }
  EXPECT_EQ(polled, 1u);
}

TEST_F(Ipv4Pair, OversizedDatagramIsAFailureNotACut) {
  vex::test::LogCapture capture("socket");
  const std::vector<std::uint8_t> large(2049, 0x11);
  const std::vector<std::uint8_t> fitting(2048, 0x22);
  ASSERT_TRUE(peer_.send_to(reserved_.text(), port_, large));
  ASSERT_TRUE(peer_.send_to(reserved_.text(), port_, fitting));
  std::vector<std::uint8_t> buffer(2048);
  std::uint32_t received = 0;
  IVexNetworkAddress* sender = nullptr;
  EXPECT_EQ(socket_->receive(buffer.data(), 2048, 1000, &received, &sender), vex::kReceiveFailed);
  EXPECT_EQ(sender, nullptr);
  EXPECT_EQ(received, 0u);
  EXPECT_TRUE(capture.contains("fail recvfrom(). WSAGetLastError()=" + std::to_string(EMSGSIZE)));

  // The socket stays usable: the next datagram fits exactly.
  ASSERT_EQ(socket_->receive(buffer.data(), 2048, 1000, &received, &sender), vex::kOk);
  const vex::Owned<IVexNetworkAddress> from(sender);
  EXPECT_EQ(received, 2048u);
  EXPECT_EQ(buffer, fitting);
}

TEST_F(Ipv4Pair, RejectsNullArguments) {
  std::uint8_t buffer[4] = {};
  std::uint32_t received = 0;
  IVexNetworkAddress* sender = nullptr;
  const auto peer = address(reserved_.text(), 9);
  EXPECT_EQ(socket_->send(nullptr, 1, peer.get()), vex::kInvalidArgument);
  EXPECT_EQ(socket_->send(buffer, 1, nullptr), vex::kInvalidArgument);
  EXPECT_EQ(socket_->receive(nullptr, 4, 0, &received, &sender), vex::kInvalidArgument);
  EXPECT_EQ(socket_->receive(buffer, 4, 0, nullptr, &sender), vex::kInvalidArgument);
  EXPECT_EQ(socket_->receive(buffer, 4, 0, &received, nullptr), vex::kInvalidArgument);
}

}  // namespace
