#include <arpa/inet.h>
#include <netdb.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/host_entries.h"
#include "platform/socket_library.h"

// Linux has nothing to start or clean up; the balance keeps the pairing of
// start-ups and clean-ups observable.
namespace {

std::atomic<int> startup_balance{0};

int startup(std::uint16_t version) {
  if ((version & 0xFFU) == 0) {  // no major version asked for
    errno = EINVAL;
    return EINVAL;
  }
  startup_balance.fetch_add(1, std::memory_order_relaxed);
  return 0;
}

// A clean-up without a start-up fails, as it does on Windows.
int cleanup() {
  int balance = startup_balance.load(std::memory_order_relaxed);
  while (balance > 0) {
    if (startup_balance.compare_exchange_weak(balance, balance - 1, std::memory_order_relaxed)) {
      return 0;
    }
  }
  errno = EINVAL;
  return -1;
}

int last_error() { return errno; }

int close_socket(int fd) { return ::close(fd); }

int fd_is_set(int fd, fd_set* set) {
  if (set == nullptr || fd < 0 || fd >= FD_SETSIZE) return 0;
  return FD_ISSET(fd, set) ? 1 : 0;
}

int socket_ioctl(int fd, unsigned long request, int* argument) {
  return ::ioctl(fd, request, argument);
}

// Linux writes the scope of a link-local IPv6 address as the interface name
// ("fe80::1%eth0"); the framework's texts carry the interface index ("fe80::1%2").
int name_info(const sockaddr* address, socklen_t length, char* host, socklen_t host_size,
              char* service, socklen_t service_size, int flags) {
  const int answer = ::getnameinfo(address, length, host, host_size, service, service_size, flags);
  if (answer != 0 || host == nullptr || address == nullptr || address->sa_family != AF_INET6 ||
      length < static_cast<socklen_t>(sizeof(sockaddr_in6))) {
    return answer;
  }
  const std::uint32_t scope = reinterpret_cast<const sockaddr_in6*>(address)->sin6_scope_id;
  char* mark = std::strchr(host, '%');
  if (scope == 0 || mark == nullptr) return answer;
  const auto room = static_cast<std::size_t>(host_size) - static_cast<std::size_t>(mark - host);
  const int written = std::snprintf(mark, room, "%%%u", scope);
  return written >= 0 && static_cast<std::size_t>(written) < room ? 0 : EAI_OVERFLOW;
}

std::uint16_t hton16(std::uint16_t value) { return htons(value); }
std::uint16_t ntoh16(std::uint16_t value) { return ntohs(value); }
std::uint32_t hton32(std::uint32_t value) { return htonl(value); }
std::uint32_t ntoh32(std::uint32_t value) { return ntohl(value); }

constexpr VexSocketFunctions system_functions() {
  VexSocketFunctions f{};
  f.startup = &startup;
  f.cleanup = &cleanup;
  f.last_error = &last_error;
  f.socket = &::socket;
  f.bind = &::bind;
  f.hton16 = &hton16;
  f.ntoh16 = &ntoh16;
  f.getsockname = &::getsockname;
  f.gethostname = &::gethostname;
  f.gethostbyname = &vex::thread_gethostbyname;
  f.getsockopt = &::getsockopt;
  f.setsockopt = &::setsockopt;
  f.inet_addr = &::inet_addr;
  f.inet_ntoa = &::inet_ntoa;
  f.sendto = &::sendto;
  f.recvfrom = &::recvfrom;
  f.select = &::select;
  f.closesocket = &close_socket;
  f.gethostbyaddr = &vex::thread_gethostbyaddr;
  f.getservbyname = &vex::thread_getservbyname;
  f.hton32 = &hton32;
  f.ntoh32 = &ntoh32;
  f.connect = &::connect;
  f.listen = &::listen;
  f.ioctl = &socket_ioctl;
  f.recv = &::recv;
  f.send = &::send;
  f.accept = &::accept;
  f.fd_is_set = &fd_is_set;
  f.getaddrinfo = &::getaddrinfo;
  f.getnameinfo = &name_info;
  f.freeaddrinfo = &::freeaddrinfo;
  return f;
}

constinit const VexSocketLibrary system_library{system_functions()};

}  // namespace

const VexSocketLibrary* vex_system_socket_library() noexcept { return &system_library; }

namespace vex {

int socket_startup_balance() noexcept { return startup_balance.load(std::memory_order_relaxed); }

}  // namespace vex
