#include "tests/support/socket_address.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstring>

namespace vex::test {

std::optional<SocketAddress> SocketAddress::parse(const std::string& text, std::uint16_t port,
                                                  const std::string& interface) {
  SocketAddress address;
  auto* v4 = reinterpret_cast<sockaddr_in*>(&address.storage_);
  if (::inet_pton(AF_INET, text.c_str(), &v4->sin_addr) == 1) {
    v4->sin_family = AF_INET;
    v4->sin_port = htons(port);
    address.length_ = sizeof(sockaddr_in);
    return address;
  }
  auto* v6 = reinterpret_cast<sockaddr_in6*>(&address.storage_);
  if (::inet_pton(AF_INET6, text.c_str(), &v6->sin6_addr) == 1) {
    v6->sin6_family = AF_INET6;
    v6->sin6_port = htons(port);
    if (!interface.empty()) v6->sin6_scope_id = ::if_nametoindex(interface.c_str());
    address.length_ = sizeof(sockaddr_in6);
    return address;
  }
  return std::nullopt;
}

SocketAddress SocketAddress::from(const sockaddr_storage& storage, socklen_t length) {
  SocketAddress address;
  std::memcpy(&address.storage_, &storage, sizeof storage);
  address.length_ = length;
  return address;
}

std::string SocketAddress::host() const {
  char text[INET6_ADDRSTRLEN] = {};
  if (family() == AF_INET) {
    ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(&storage_)->sin_addr, text,
                sizeof text);
  } else if (family() == AF_INET6) {
    ::inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(&storage_)->sin6_addr, text,
                sizeof text);
  }
  return text;
}

std::uint16_t SocketAddress::port() const {
  if (family() == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in*>(&storage_)->sin_port);
  if (family() == AF_INET6) {
    return ntohs(reinterpret_cast<const sockaddr_in6*>(&storage_)->sin6_port);
  }
  return 0;
}

}  // namespace vex::test
