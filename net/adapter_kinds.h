#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <cstring>

#include "platform/adapter_list.h"

// The adapter tests the address services share.
namespace vex {

inline bool is_loopback_adapter(std::uint32_t type) noexcept {
  return type == kInterfaceTypeSoftwareLoopback;
}

inline bool is_loopback_or_tunnel(std::uint32_t type) noexcept {
  return type == kInterfaceTypeSoftwareLoopback || type == kInterfaceTypeTunnel;
}

inline bool is_all_zero(const sockaddr_in6& address) noexcept {
  static constexpr in6_addr kZero{};
  return std::memcmp(&address.sin6_addr, &kZero, sizeof kZero) == 0;
}

}  // namespace vex
