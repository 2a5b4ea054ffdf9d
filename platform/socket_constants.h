#pragma once

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

// The framework writes socket constants as a Windows socket library numbers
// them (family 23 for IPv6, level 0xFFFF for socket options, ...). These
// functions turn them into Linux's numbers right before a call through the
// socket table, and Linux families back into the framework's.
namespace vex {

inline constexpr int kFamilyInet = 2;
inline constexpr int kFamilyIpx = 6;
inline constexpr int kFamilyInet6 = 23;

inline constexpr int kLevelSocket = 0xFFFF;
inline constexpr int kLevelIp = 0;
inline constexpr int kLevelIpv6 = 41;
inline constexpr int kOptionBroadcast = 32;      // at kLevelSocket
inline constexpr int kOptionAddMembership = 12;  // at kLevelIp and kLevelIpv6

inline constexpr int kNameInfoNoFqdn = 1;
inline constexpr int kNameInfoNumericHost = 2;
inline constexpr int kNameInfoNameRequired = 4;
inline constexpr int kNameInfoNumericService = 8;
inline constexpr int kNameInfoDatagram = 16;

// Any other family keeps its number.
constexpr int native_family(int family) noexcept {
  switch (family) {
    case kFamilyInet:
      return AF_INET;
    case kFamilyIpx:
      return AF_IPX;
    case kFamilyInet6:
      return AF_INET6;
    default:
      return family;
  }
}

constexpr int framework_family(int native) noexcept {
  switch (native) {
    case AF_INET:
      return kFamilyInet;
    case AF_IPX:
      return kFamilyIpx;
    case AF_INET6:
      return kFamilyInet6;
    default:
      return native;
  }
}

struct NativeSocketOption {
  int level;
  int option;
};

// The options the framework sets; any other pair is passed on as it is.
constexpr NativeSocketOption native_socket_option(int level, int option) noexcept {
  if (level == kLevelSocket && option == kOptionBroadcast) return {SOL_SOCKET, SO_BROADCAST};
  if (level == kLevelIp && option == kOptionAddMembership) return {IPPROTO_IP, IP_ADD_MEMBERSHIP};
  if (level == kLevelIpv6 && option == kOptionAddMembership) {
    return {IPPROTO_IPV6, IPV6_ADD_MEMBERSHIP};
  }
  return {level, option};
}

// getnameinfo flags bit by bit. The getaddrinfo flags the framework uses
// (1 passive, 2 canonical name, 4 numeric host) have the same values on Linux.
constexpr int native_name_info_flags(int flags) noexcept {
  constexpr struct {
    int framework;
    int native;
  } kBits[] = {{kNameInfoNoFqdn, NI_NOFQDN},
               {kNameInfoNumericHost, NI_NUMERICHOST},
               {kNameInfoNameRequired, NI_NAMEREQD},
               {kNameInfoNumericService, NI_NUMERICSERV},
               {kNameInfoDatagram, NI_DGRAM}};
  int native = 0;
  for (const auto& bit : kBits) {
    if ((flags & bit.framework) != 0) native |= bit.native;
  }
  return native;
}

}  // namespace vex
