#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "logging/vex_log.h"
#include "platform/socket_api.h"
#include "snmp/transport/datagram_socket.h"
#include "tests/logging/log_capture.h"
#include "tests/transport/socket_test_support.h"

namespace {

using vex::test::address;
using vex::test::open_socket;

// What the replaced socket functions saw; the lambdas cannot capture.
struct Seen {
  int level = 0;
  int option = 0;
  std::vector<std::uint8_t> value;
  sockaddr_storage destination{};
  socklen_t destination_length = 0;
  bool has_timeout = false;
  timeval timeout{};
};
Seen seen;

int record_option(int, int level, int option, const void* value, socklen_t length) {
  seen.level = level;
  seen.option = option;
  const auto* bytes = static_cast<const std::uint8_t*>(value);
  seen.value.assign(bytes, bytes + length);
  return 0;
}

int refuse_option(int, int, int, const void*, socklen_t) {
  errno = ENOPROTOOPT;
  return -1;
}

ssize_t record_sendto(int, const void*, std::size_t length, int, const sockaddr* address,
                      socklen_t address_length) {
  std::memcpy(&seen.destination, address, address_length);
  seen.destination_length = address_length;
  return static_cast<ssize_t>(length);
}

ssize_t send_short(int, const void*, std::size_t length, int, const sockaddr*, socklen_t) {
  return static_cast<ssize_t>(length) - 1;
}

int record_select(int, fd_set*, fd_set*, fd_set*, timeval* timeout) {
  seen.has_timeout = timeout != nullptr;
  if (timeout != nullptr) seen.timeout = *timeout;
  return 0;
}

class SocketFailures : public testing::Test {
 protected:
  void SetUp() override { seen = Seen{}; }

  vex::test::LogCapture capture_{"socket"};
};

TEST_F(SocketFailures, OpeningStepsGiveTheirCodesAndLines) {
  const int balance = vex::socket_startup_balance();
  DataGramSocket* socket = nullptr;
  {
    const vex::ScopedSocketOverride failing(&VexSocketFunctions::socket, [](int, int, int) {
      errno = EMFILE;
      return -1;
    });
    EXPECT_EQ(create_datagram_socket(EProtocol::PROTOCOL_IPV4, &socket), vex::kSocketFailed);
    EXPECT_TRUE(capture_.contains("fail socket(). WSAGetLastError()=" + std::to_string(EMFILE)));
  }
  {
    const vex::ScopedSocketOverride failing(&VexSocketFunctions::bind,
                                            [](int, const sockaddr*, socklen_t) {
                                              errno = EADDRINUSE;
                                              return -1;
                                            });
    EXPECT_EQ(create_datagram_socket(EProtocol::PROTOCOL_IPV6, &socket), vex::kBindFailed);
    EXPECT_TRUE(capture_.contains("fail bind(). WSAGetLastError()=" + std::to_string(EADDRINUSE)));
  }
  {
    const vex::ScopedSocketOverride failing(&VexSocketFunctions::getsockname,
                                            [](int, sockaddr*, socklen_t*) { return -1; });
    EXPECT_EQ(create_datagram_socket(EProtocol::PROTOCOL_IPV4, &socket), vex::kFailed);
  }
  {
    const vex::ScopedSocketOverride failing(&VexSocketFunctions::startup,
                                            [](std::uint16_t) { return 10091; });
    EXPECT_NE(create_datagram_socket(EProtocol::PROTOCOL_IPV4, &socket), vex::kOk);
  }
  EXPECT_EQ(socket, nullptr);
  EXPECT_EQ(vex::socket_startup_balance(), balance);
}

TEST_F(SocketFailures, SendAndReceiveFailuresKeepTheSocketUsable) {
  const vex::OwnedSocket socket = open_socket(EProtocol::PROTOCOL_IPV4);
  ASSERT_TRUE(socket);
  const auto peer = address("127.0.0.1", 9);
  const std::uint8_t data[3] = {1, 2, 3};
  std::uint8_t buffer[8];
  std::uint32_t received = 0;
  IVexNetworkAddress* sender = nullptr;
  {
    const vex::ScopedSocketOverride failing(
        &VexSocketFunctions::sendto,
        [](int, const void*, std::size_t, int, const sockaddr*, socklen_t) -> ssize_t {
          errno = ENOBUFS;
          return -1;
        });
    EXPECT_EQ(socket->send(data, 3, peer.get()), vex::kSendFailed);
    EXPECT_TRUE(capture_.contains("fail send(). WSAGetLastError()=" + std::to_string(ENOBUFS)));
  }
  {
    const vex::ScopedSocketOverride failing(&VexSocketFunctions::select,
                                            [](int, fd_set*, fd_set*, fd_set*, timeval*) {
                                              errno = EBADF;
                                              return -1;
                                            });
    EXPECT_EQ(socket->receive(buffer, 8, 10, &received, &sender), vex::kReceiveFailed);
    EXPECT_TRUE(capture_.contains("fail select(). WSAGetLastError()=" + std::to_string(EBADF)));
  }
  {
    const vex::ScopedSocketOverride ready(
        &VexSocketFunctions::select, [](int, fd_set*, fd_set*, fd_set*, timeval*) { return 1; });
    const vex::ScopedSocketOverride failing(
        &VexSocketFunctions::recvfrom,
        [](int, void*, std::size_t, int, sockaddr*, socklen_t*) -> ssize_t {
          errno = ECONNREFUSED;
          return -1;
        });
    EXPECT_EQ(socket->receive(buffer, 8, 10, &received, &sender), vex::kReceiveFailed);
    EXPECT_TRUE(
        capture_.contains("fail recvfrom(). WSAGetLastError()=" + std::to_string(ECONNREFUSED)));
  }
  EXPECT_EQ(sender, nullptr);
  {
    const vex::ScopedSocketOverride short_send(&VexSocketFunctions::sendto, send_short);
    EXPECT_EQ(socket->send(data, 3, peer.get()), vex::kOk);
    EXPECT_TRUE(capture_.contains("send(). size of sended bytes is not same that of buffer."));
  }
  EXPECT_EQ(socket->send(data, 3, peer.get()), vex::kOk);
}

TEST_F(SocketFailures, UnconvertibleSenderIsReleased) {
  const vex::OwnedSocket socket = open_socket(EProtocol::PROTOCOL_IPV6);
  ASSERT_TRUE(socket);
  const auto self = address("::1", socket->local_address()->port());
  const std::uint8_t data[1] = {9};
  if (socket->send(data, 1, self.get()) != vex::kOk) GTEST_SKIP() << "no IPv6 loopback";
  const vex::ScopedSocketOverride failing(
      &VexSocketFunctions::getnameinfo,
      [](const sockaddr*, socklen_t, char*, socklen_t, char*, socklen_t, int) { return -2; });
  std::uint8_t buffer[4];
  std::uint32_t received = 0;
  IVexNetworkAddress* sender = nullptr;
  EXPECT_EQ(socket->receive(buffer, 4, 1000, &received, &sender), vex::kFailed);
  EXPECT_EQ(sender, nullptr);
  EXPECT_TRUE(capture_.contains(
      "[DataGramSocket::receive] fail create CVexNetworkAddress ( success recvfrom() )."));
}

struct TimeoutCase {
  std::int32_t timeout_ms;
  bool bounded;
  long seconds;
  long microseconds;
};

class SelectTimeout : public testing::TestWithParam<TimeoutCase> {};

TEST_P(SelectTimeout, IsSplitIntoSecondsAndMicroseconds) {
  const TimeoutCase& param = GetParam();
  const vex::OwnedSocket socket = open_socket(EProtocol::PROTOCOL_IPV4);
  ASSERT_TRUE(socket);
  seen = Seen{};
  const vex::ScopedSocketOverride recording(&VexSocketFunctions::select, record_select);
  std::uint8_t buffer[4];
  std::uint32_t received = 0;
  IVexNetworkAddress* sender = nullptr;
  EXPECT_EQ(socket->receive(buffer, 4, param.timeout_ms, &received, &sender), vex::kTimeout);
  EXPECT_EQ(seen.has_timeout, param.bounded);
  if (param.bounded) {
    EXPECT_EQ(seen.timeout.tv_sec, param.seconds);
    EXPECT_EQ(seen.timeout.tv_usec, param.microseconds);
  }
}

INSTANTIATE_TEST_SUITE_P(Timeouts, SelectTimeout,
                         testing::Values(TimeoutCase{0, true, 0, 0}, TimeoutCase{1, true, 0, 1000},
                                         TimeoutCase{1500, true, 1, 500000},
                                         TimeoutCase{-1, false, 0, 0}));

TEST_F(SocketFailures, LimitedBroadcastConvertsOtherRefusedTextsDoNot) {
  const vex::OwnedSocket socket = open_socket(EProtocol::PROTOCOL_IPV4);
  ASSERT_TRUE(socket);
  const vex::ScopedSocketOverride recording(&VexSocketFunctions::sendto, record_sendto);
  const std::uint8_t data[1] = {0};
  const auto broadcast = address("255.255.255.255", 161);
  ASSERT_EQ(socket->send(data, 1, broadcast.get()), vex::kOk);
  ASSERT_EQ(seen.destination_length, sizeof(sockaddr_in));
  sockaddr_in destination{};
  std::memcpy(&destination, &seen.destination, sizeof destination);
  EXPECT_EQ(destination.sin_family, AF_INET);
  EXPECT_EQ(destination.sin_port, htons(161));
  EXPECT_EQ(destination.sin_addr.s_addr, INADDR_BROADCAST);

  const vex::Owned<IVexNetworkAddress> bad(
      vex_create_network_address_full("300.1.1.1", EProtocol::PROTOCOL_IPV4, 161));
  ASSERT_TRUE(bad);
  EXPECT_EQ(socket->send(data, 1, bad.get()), vex::kInvalidArgument);
}

TEST_F(SocketFailures, BroadcastFlagForIpv4OnlyAndItsLowByte) {
  const vex::OwnedSocket ipv4 = open_socket(EProtocol::PROTOCOL_IPV4);
  const vex::OwnedSocket ipv6 = open_socket(EProtocol::PROTOCOL_IPV6);
  ASSERT_TRUE(ipv4 && ipv6);
  const vex::ScopedSocketOverride recording(&VexSocketFunctions::setsockopt, record_option);
  EXPECT_EQ(ipv6->set_broadcast(1), vex::kOk);
  EXPECT_TRUE(seen.value.empty());

  const int on = 1;
  EXPECT_EQ(ipv4->set_broadcast(0x101), vex::kOk);
  EXPECT_EQ(seen.level, SOL_SOCKET);
  EXPECT_EQ(seen.option, SO_BROADCAST);
  ASSERT_EQ(seen.value.size(), sizeof on);
  EXPECT_EQ(std::memcmp(seen.value.data(), &on, sizeof on), 0);
  const int off = 0;
  EXPECT_EQ(ipv4->set_broadcast(0x100), vex::kOk);
  EXPECT_EQ(std::memcmp(seen.value.data(), &off, sizeof off), 0);
}

TEST_F(SocketFailures, RefusedOptionsGiveTheirLines) {
  const vex::OwnedSocket ipv4 = open_socket(EProtocol::PROTOCOL_IPV4);
  ASSERT_TRUE(ipv4);
  const vex::ScopedSocketOverride refusing(&VexSocketFunctions::setsockopt, refuse_option);
  const std::string error = std::to_string(ENOPROTOOPT);
  EXPECT_EQ(ipv4->set_broadcast(1), vex::kFailed);
  EXPECT_TRUE(
      capture_.contains("fail setsockopt(). can't set broadcast flag. WSAGetLastError()=" + error));
  EXPECT_EQ(ipv4->join_multicast_group("239.1.2.3"), vex::kFailed);
  EXPECT_TRUE(
      capture_.contains("fail setsockopt(). can't set multicast flag. WSAGetLastError()=" + error));
}

TEST_F(SocketFailures, Ipv6GroupMembershipBytes) {
  const vex::OwnedSocket socket = open_socket(EProtocol::PROTOCOL_IPV6);
  ASSERT_TRUE(socket);
  const vex::ScopedSocketOverride recording(&VexSocketFunctions::setsockopt, record_option);
  ASSERT_EQ(socket->join_multicast_group("ff02::1"), vex::kOk);
  EXPECT_EQ(seen.level, IPPROTO_IPV6);
  EXPECT_EQ(seen.option, IPV6_ADD_MEMBERSHIP);
  std::vector<std::uint8_t> expected(20, 0);
  expected[0] = 0xff;
  expected[1] = 0x02;
  expected[15] = 0x01;
  EXPECT_EQ(seen.value, expected);

  seen = Seen{};
  EXPECT_EQ(socket->join_multicast_group("ff02::"), vex::kInvalidArgument);
  EXPECT_EQ(socket->join_multicast_group(nullptr), vex::kInvalidArgument);
  EXPECT_TRUE(seen.value.empty());
}

TEST_F(SocketFailures, Ipv4GroupMembershipBytes) {
  const vex::OwnedSocket socket = open_socket(EProtocol::PROTOCOL_IPV4);
  ASSERT_TRUE(socket);
  const vex::ScopedSocketOverride recording(&VexSocketFunctions::setsockopt, record_option);
  ASSERT_EQ(socket->join_multicast_group("239.1.2.3"), vex::kOk);
  EXPECT_EQ(seen.level, IPPROTO_IP);
  EXPECT_EQ(seen.option, IP_ADD_MEMBERSHIP);
  const std::vector<std::uint8_t> expected{239, 1, 2, 3, 0, 0, 0, 0};
  EXPECT_EQ(seen.value, expected);

  seen = Seen{};
  EXPECT_EQ(socket->join_multicast_group("not.a.group"), vex::kFailed);
  EXPECT_TRUE(seen.value.empty());
  EXPECT_TRUE(vex::test::contains_part(capture_, "fail inet_addr(). WSAGetLastError()="));
}

}  // namespace
