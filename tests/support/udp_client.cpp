#include "tests/support/udp_client.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "tests/support/socket_address.h"

namespace vex::test {

UdpClient::UdpClient(int family) : fd_(::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}

UdpClient::~UdpClient() {
  if (fd_ >= 0) ::close(fd_);
}

bool UdpClient::bind(const std::string& address, std::uint16_t port) {
  const auto local = SocketAddress::parse(address, port);
  return local && ::bind(fd_, local->data(), local->length()) == 0;
}

bool UdpClient::enable_broadcast() {
  const int on = 1;
  return ::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) == 0;
}

bool UdpClient::send_to(const std::string& address, std::uint16_t port,
                        std::span<const std::uint8_t> data, const std::string& interface) {
  const auto target = SocketAddress::parse(address, port, interface);
  if (!target) return false;
  const ssize_t sent = ::sendto(fd_, data.data(), data.size(), 0, target->data(), target->length());
  return sent == static_cast<ssize_t>(data.size());
}

std::optional<Datagram> UdpClient::receive(std::chrono::milliseconds timeout,
                                           std::size_t capacity) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd entry{fd_, POLLIN, 0};
    const int ready = ::poll(&entry, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    Datagram datagram;
    datagram.bytes.resize(capacity);
    sockaddr_storage sender{};
    socklen_t sender_length = sizeof sender;
    // MSG_TRUNC: the result is the datagram's length even when it was cut.
    const ssize_t got = ::recvfrom(fd_, datagram.bytes.data(), capacity, MSG_TRUNC,
                                   reinterpret_cast<sockaddr*>(&sender), &sender_length);
    if (got < 0) {
      if (errno == EINTR || errno == ECONNREFUSED) continue;
      return std::nullopt;
    }
    datagram.length = static_cast<std::size_t>(got);
    datagram.bytes.resize(datagram.length < capacity ? datagram.length : capacity);
    const auto from = SocketAddress::from(sender, sender_length);
    datagram.from = from.host();
    datagram.port = from.port();
    return datagram;
  }
}

std::vector<Datagram> UdpClient::receive_all(std::chrono::milliseconds window,
                                             std::size_t capacity) {
  std::vector<Datagram> all;
  const auto deadline = std::chrono::steady_clock::now() + window;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    auto datagram = receive(left, capacity);
    if (!datagram) break;
    all.push_back(std::move(*datagram));
  }
  return all;
}

}  // namespace vex::test
