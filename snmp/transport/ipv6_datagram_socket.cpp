#include "snmp/transport/ipv6_datagram_socket.h"

#include <netdb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "net/ipv6_text.h"
#include "net/ipx_text.h"
#include "platform/socket_api.h"
#include "platform/socket_constants.h"

namespace {

constexpr int kPassive = 1;  // the same bit on Linux
constexpr std::size_t kHostTextSize = 1025;
constexpr std::size_t kServiceTextSize = 32;

int family_of(std::int32_t protocol) {
  switch (protocol) {
    case EProtocol::PROTOCOL_IPV4:
      return vex::kFamilyInet;
    case EProtocol::PROTOCOL_IPX:
      return vex::kFamilyIpx;
    case EProtocol::PROTOCOL_IPV6:
      return vex::kFamilyInet6;
    default:
      return protocol;
  }
}

socklen_t record_length_of(std::int32_t protocol) {
  switch (protocol) {
    case EProtocol::PROTOCOL_IPV4:
      return 16;
    case EProtocol::PROTOCOL_IPX:
      return 14;
    case EProtocol::PROTOCOL_IPV6:
      return 28;
    default:
      return 128;
  }
}

std::int32_t protocol_of(int native_family) {
  switch (vex::framework_family(native_family)) {
    case vex::kFamilyInet:
      return EProtocol::PROTOCOL_IPV4;
    case vex::kFamilyIpx:
      return EProtocol::PROTOCOL_IPX;
    case vex::kFamilyInet6:
      return EProtocol::PROTOCOL_IPV6;
    default:
      return EProtocol::PROTOCOL_NONE;
  }
}

}  // namespace

vex::Result Ipv6DataGramSocket::start_library() { return NVexSocketAPI::startup_v2_2(); }

vex::Result Ipv6DataGramSocket::set_default_local_address() {
  switch (local_->protocol()) {
    case EProtocol::PROTOCOL_IPV4:
      return local_->set_text("0.0.0.0");
    case EProtocol::PROTOCOL_IPX:
      return local_->set_text(vex::kIpxAnyText);
    case EProtocol::PROTOCOL_IPV6:
      return local_->set_text(vex::kIpv6AnyText);
    default:
      return vex::kValueMissing;
  }
}

vex::Result Ipv6DataGramSocket::open_socket() {
  return open_socket_of(family_of(local_->protocol()), SOCK_DGRAM, 0);
}

bool Ipv6DataGramSocket::to_sockaddr(const IVexNetworkAddress* address,
                                     SocketAddressRecord* record) {
  const VexSocketFunctions& api = NVexSocketAPI::api();
  if (api.getaddrinfo == nullptr || address->text() == nullptr) return false;
  char service[kServiceTextSize];
  std::snprintf(service, sizeof service, "%d", static_cast<int>(address->port()));
  addrinfo hints{};
  hints.ai_flags = kPassive;
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  if (api.getaddrinfo(address->text(), service, &hints, &found) != 0 || found == nullptr) {
    return false;
  }
  const std::unique_ptr<addrinfo, void (*)(addrinfo*)> list(found, api.freeaddrinfo);
  if (found->ai_addr == nullptr || found->ai_addrlen > sizeof record->storage) return false;
  record->assign(found->ai_addr, found->ai_addrlen);
  return true;
}

bool Ipv6DataGramSocket::from_sockaddr(const SocketAddressRecord& record,
                                       IVexNetworkAddress* address) {
  const VexSocketFunctions& api = NVexSocketAPI::api();
  if (api.getnameinfo == nullptr) return false;
  char host[kHostTextSize] = {};
  char service[kServiceTextSize] = {};
  const int flags =
      vex::native_name_info_flags(vex::kNameInfoNumericHost | vex::kNameInfoNumericService);
  if (api.getnameinfo(record.address(), record_length_of(local_->protocol()), host, sizeof host,
                      service, sizeof service, flags) != 0) {
    return false;
  }
  const long port = std::strtol(service, nullptr, 10);
  return address->set_text(host) == vex::kOk &&
         address->set_port(static_cast<std::uint16_t>(port)) == vex::kOk &&
         address->set_protocol(protocol_of(record.storage.ss_family)) == vex::kOk;
}
