#pragma once

#include <sys/socket.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vex::test {

// An IPv4 or IPv6 socket address for the test clients.
class SocketAddress {
 public:
  // Numeric address text; an IPv6 link-local or multicast address takes its
  // scope from `interface` (a name such as "eth0") when one is given.
  static std::optional<SocketAddress> parse(const std::string& text, std::uint16_t port,
                                            const std::string& interface = {});
  static SocketAddress from(const sockaddr_storage& storage, socklen_t length);

  int family() const noexcept { return storage_.ss_family; }
  const sockaddr* data() const noexcept { return reinterpret_cast<const sockaddr*>(&storage_); }
  socklen_t length() const noexcept { return length_; }
  std::string host() const;  // numeric text, without scope
  std::uint16_t port() const;

 private:
  sockaddr_storage storage_{};
  socklen_t length_ = 0;
};

}  // namespace vex::test
