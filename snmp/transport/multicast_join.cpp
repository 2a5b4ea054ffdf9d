#include <netinet/in.h>

#include <cstring>

#include "logging/vex_log.h"
#include "net/ipv6_text.h"
#include "platform/socket_api.h"
#include "platform/socket_constants.h"
#include "snmp/transport/datagram_socket.h"
#include "snmp/transport/inet_address.h"

namespace {

int last_error() { return NVexSocketAPI::api().last_error(); }

}  // namespace

vex::Result DataGramSocket::add_membership(int level, const void* record, socklen_t length) {
  if (set_option(level, vex::kOptionAddMembership, record, length) != vex::kOk) {
    vex_socket_logger()->log(vex::kLogError,
                             "fail setsockopt(). can't set multicast flag. WSAGetLastError()=%d",
                             last_error());
    return vex::kFailed;
  }
  return vex::kOk;
}

vex::Result DataGramSocket::join_ipv4_group(const char* group) {
  in_addr_t address = 0;
  if (!vex::inet_text_to_address(group, &address)) {
    vex_socket_logger()->log(vex::kLogError, "fail inet_addr(). WSAGetLastError()=%d",
                             last_error());
    return vex::kFailed;
  }
  ip_mreq membership{};
  membership.imr_multiaddr.s_addr = address;
  membership.imr_interface.s_addr = 0;
  return add_membership(vex::kLevelIp, &membership, sizeof membership);
}

vex::Result DataGramSocket::join_ipv6_group(const char* group) {
  std::uint8_t bytes[16] = {};
  if (vex_ipv6_text_to_bytes(group, bytes) != vex::kOk) return vex::kInvalidArgument;
  ipv6_mreq membership{};
  std::memcpy(&membership.ipv6mr_multiaddr, bytes, sizeof bytes);
  membership.ipv6mr_interface = 0;
  return add_membership(vex::kLevelIpv6, &membership, sizeof membership);
}

vex::Result DataGramSocket::join_multicast_group(const char* group) {
  switch (local_->protocol()) {
    case EProtocol::PROTOCOL_IPV4:
      return join_ipv4_group(group);
    case EProtocol::PROTOCOL_IPV6:
      return join_ipv6_group(group);
    default:
      return vex::kInvalidArgument;
  }
}
