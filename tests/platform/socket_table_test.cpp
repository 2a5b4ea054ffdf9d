// Calls through the bound socket table, and failures injected into it.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netdb.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "platform/socket_api.h"

namespace {

enum class Step { none, socket, setsockopt, bind, getsockname, sendto, select, recvfrom };

struct Outcome {
  Step failed;
  int error;
};

const VexSocketFunctions& api() {
  EXPECT_EQ(NVexSocketAPI::load(), vex::kOk);
  return NVexSocketAPI::api();
}

class TableSocket {
 public:
  TableSocket() : fd_(api().socket(AF_INET, SOCK_DGRAM, 0)) {}
  ~TableSocket() {
    if (fd_ >= 0) api().closesocket(fd_);
  }
  TableSocket(const TableSocket&) = delete;
  TableSocket& operator=(const TableSocket&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// One datagram from a loopback socket to itself, every call through the table.
Outcome exchange_over_loopback() {
  const VexSocketFunctions& f = api();
  TableSocket socket;
  const int fd = socket.fd();
  if (fd < 0) return {Step::socket, f.last_error()};
  const int on = 1;
  if (f.setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0) {
    return {Step::setsockopt, f.last_error()};
  }
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = f.inet_addr("127.0.0.1");
  if (f.bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
    return {Step::bind, f.last_error()};
  }
  socklen_t length = sizeof local;
  if (f.getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
    return {Step::getsockname, f.last_error()};
  }
  if (f.sendto(fd, "ping", 4, 0, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 4) {
    return {Step::sendto, f.last_error()};
  }
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(fd, &readable);
  timeval timeout{0, 200 * 1000};
  if (f.select(fd + 1, &readable, nullptr, nullptr, &timeout) != 1 ||
      f.fd_is_set(fd, &readable) != 1) {
    return {Step::select, f.last_error()};
  }
  char buffer[16] = {};
  sockaddr_in sender{};
  socklen_t sender_length = sizeof sender;
  const ssize_t received = f.recvfrom(fd, buffer, sizeof buffer, 0,
                                      reinterpret_cast<sockaddr*>(&sender), &sender_length);
  if (received != 4 || std::memcmp(buffer, "ping", 4) != 0 || sender.sin_port != local.sin_port) {
    return {Step::recvfrom, f.last_error()};
  }
  return {Step::none, 0};
}

TEST(SocketTable, LoopbackExchangeGoesThroughTheTable) {
  const Outcome outcome = exchange_over_loopback();
  EXPECT_EQ(outcome.failed, Step::none) << std::strerror(outcome.error);
}

TEST(SocketTable, InjectedFailuresComeBackAndTheEntryIsRestored) {
  struct Case {
    const char* entry;
    Step step;
    int error;
    std::function<Outcome()> run_failing;
  };
  const Case cases[] = {
      {"socket", Step::socket, EMFILE,
       [] {
         vex::ScopedSocketOverride failing(&VexSocketFunctions::socket, [](int, int, int) {
           errno = EMFILE;
           return -1;
         });
         return exchange_over_loopback();
       }},
      {"setsockopt", Step::setsockopt, ENOPROTOOPT,
       [] {
         vex::ScopedSocketOverride failing(&VexSocketFunctions::setsockopt,
                                           [](int, int, int, const void*, socklen_t) {
                                             errno = ENOPROTOOPT;
                                             return -1;
                                           });
         return exchange_over_loopback();
       }},
      {"bind", Step::bind, EADDRINUSE,
       [] {
         vex::ScopedSocketOverride failing(&VexSocketFunctions::bind,
                                           [](int, const sockaddr*, socklen_t) {
                                             errno = EADDRINUSE;
                                             return -1;
                                           });
         return exchange_over_loopback();
       }},
      {"sendto", Step::sendto, ENOBUFS,
       [] {
         vex::ScopedSocketOverride failing(
             &VexSocketFunctions::sendto,
             [](int, const void*, std::size_t, int, const sockaddr*, socklen_t) -> ssize_t {
               errno = ENOBUFS;
               return -1;
             });
         return exchange_over_loopback();
       }},
      {"select", Step::select, EINTR,
       [] {
         vex::ScopedSocketOverride failing(&VexSocketFunctions::select,
                                           [](int, fd_set*, fd_set*, fd_set*, timeval*) {
                                             errno = EINTR;
                                             return -1;
                                           });
         return exchange_over_loopback();
       }},
      {"recvfrom", Step::recvfrom, ECONNREFUSED,
       [] {
         vex::ScopedSocketOverride failing(
             &VexSocketFunctions::recvfrom,
             [](int, void*, std::size_t, int, sockaddr*, socklen_t*) -> ssize_t {
               errno = ECONNREFUSED;
               return -1;
             });
         return exchange_over_loopback();
       }},
  };
  for (const Case& c : cases) {
    const Outcome failed = c.run_failing();
    EXPECT_EQ(failed.failed, c.step) << c.entry;
    EXPECT_EQ(failed.error, c.error) << c.entry;
    const Outcome restored = exchange_over_loopback();
    EXPECT_EQ(restored.failed, Step::none) << c.entry << ": " << std::strerror(restored.error);
  }
}

TEST(SocketTable, ClosesocketClosesTheDescriptor) {
  const int fd = api().socket(AF_INET, SOCK_DGRAM, 0);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(api().closesocket(fd), 0);
  errno = 0;
  EXPECT_EQ(fcntl(fd, F_GETFD), -1);
  EXPECT_EQ(errno, EBADF);
}

TEST(SocketTable, FdIsSetTestsOneDescriptorSafely) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(5, &set);
  EXPECT_EQ(api().fd_is_set(5, &set), 1);
  EXPECT_EQ(api().fd_is_set(6, &set), 0);
  EXPECT_EQ(api().fd_is_set(-1, &set), 0);
  EXPECT_EQ(api().fd_is_set(FD_SETSIZE, &set), 0);
  EXPECT_EQ(api().fd_is_set(5, nullptr), 0);
}

TEST(SocketTable, LastErrorIsThisThreadsErrno) {
  errno = EACCES;
  int other_thread = -1;
  std::thread([&] {
    errno = ETIMEDOUT;
    other_thread = api().last_error();
  }).join();
  EXPECT_EQ(api().last_error(), EACCES);
  EXPECT_EQ(other_thread, ETIMEDOUT);
}

TEST(SocketTable, ConversionsMatchTheSystem) {
  const VexSocketFunctions& f = api();
  EXPECT_EQ(f.hton16(0x1234), htons(0x1234));
  EXPECT_EQ(f.ntoh16(htons(0x1234)), 0x1234);
  EXPECT_EQ(f.hton32(0x12345678U), htonl(0x12345678U));
  EXPECT_EQ(f.ntoh32(htonl(0x12345678U)), 0x12345678U);
  in_addr address{};
  address.s_addr = f.inet_addr("127.0.3.4");
  EXPECT_STREQ(f.inet_ntoa(address), "127.0.3.4");
  EXPECT_EQ(f.inet_addr("not an address"), INADDR_NONE);
}

// The loopback interface has index 1 in every network namespace.
TEST(SocketTable, NameInfoWritesTheScopeAsInterfaceIndex) {
  const VexSocketFunctions& f = api();
  sockaddr_in6 address{};
  address.sin6_family = AF_INET6;
  address.sin6_port = htons(161);
  ASSERT_EQ(inet_pton(AF_INET6, "fe80::1", &address.sin6_addr), 1);
  const auto* record = reinterpret_cast<const sockaddr*>(&address);
  char host[NI_MAXHOST];
  char service[NI_MAXSERV];
  const struct {
    std::uint32_t scope;
    const char* text;
  } cases[] = {{1, "fe80::1%1"}, {0, "fe80::1"}, {4000000, "fe80::1%4000000"}};
  for (const auto& c : cases) {
    address.sin6_scope_id = c.scope;
    ASSERT_EQ(f.getnameinfo(record, sizeof address, host, sizeof host, service, sizeof service,
                            NI_NUMERICHOST | NI_NUMERICSERV),
              0);
    EXPECT_STREQ(host, c.text);
    EXPECT_STREQ(service, "161");
  }
  address.sin6_scope_id = 1;
  char short_host[8];  // room for "fe80::1" only
  EXPECT_NE(f.getnameinfo(record, sizeof address, short_host, sizeof short_host, nullptr, 0,
                          NI_NUMERICHOST),
            0);
}

TEST(SocketTable, IoctlSwitchesNonBlocking) {
  TableSocket socket;
  ASSERT_GE(socket.fd(), 0);
  int on = 1;
  EXPECT_EQ(api().ioctl(socket.fd(), FIONBIO, &on), 0);
  EXPECT_NE(fcntl(socket.fd(), F_GETFL) & O_NONBLOCK, 0);
  int queued = -1;
  EXPECT_EQ(api().ioctl(socket.fd(), FIONREAD, &queued), 0);
  EXPECT_EQ(queued, 0);
}

std::string first_address(const hostent* entry) {
  if (entry == nullptr || entry->h_addr_list[0] == nullptr) return "";
  in_addr address{};
  std::memcpy(&address, entry->h_addr_list[0], sizeof address);
  char text[INET_ADDRSTRLEN] = {};
  return inet_ntop(AF_INET, &address, text, sizeof text);
}

TEST(SocketTable, HostEntriesLiveOnePerThread) {
  const hostent* mine = api().gethostbyname("127.0.0.1");
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(mine->h_addrtype, AF_INET);
  std::string theirs;
  std::thread([&] { theirs = first_address(api().gethostbyname("127.0.0.2")); }).join();
  EXPECT_EQ(theirs, "127.0.0.2");
  EXPECT_EQ(first_address(mine), "127.0.0.1");
  errno = 0;
  EXPECT_EQ(api().gethostbyname(nullptr), nullptr);
  EXPECT_EQ(errno, EINVAL);
  EXPECT_EQ(api().gethostbyaddr(nullptr, 4, AF_INET), nullptr);
  EXPECT_EQ(api().getservbyname(nullptr, "udp"), nullptr);
}

}  // namespace
