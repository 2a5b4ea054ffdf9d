#include "snmp/transport/ipv4_datagram_socket.h"

#include <netinet/in.h>

#include <cstring>

#include "platform/socket_api.h"
#include "platform/socket_constants.h"
#include "snmp/transport/inet_address.h"

vex::Result Ipv4DataGramSocket::start_library() { return NVexSocketAPI::startup_v1_1(); }

vex::Result Ipv4DataGramSocket::set_default_local_address() { return local_->set_text("0.0.0.0"); }

vex::Result Ipv4DataGramSocket::open_socket() {
  return open_socket_of(vex::kFamilyInet, SOCK_DGRAM, 0);
}

bool Ipv4DataGramSocket::to_sockaddr(const IVexNetworkAddress* address,
                                     SocketAddressRecord* record) {
  in_addr_t host = 0;
  if (!vex::inet_text_to_address(address->text(), &host)) return false;
  sockaddr_in inet{};
  inet.sin_family = AF_INET;
  inet.sin_port = NVexSocketAPI::api().hton16(address->port());
  inet.sin_addr.s_addr = host;
  record->assign(&inet, sizeof inet);
  return true;
}

bool Ipv4DataGramSocket::from_sockaddr(const SocketAddressRecord& record,
                                       IVexNetworkAddress* address) {
  sockaddr_in inet{};
  std::memcpy(&inet, &record.storage, sizeof inet);
  const VexSocketFunctions& api = NVexSocketAPI::api();
  if (const char* text = api.inet_ntoa(inet.sin_addr); text != nullptr) {
    if (address->set_text(text) != vex::kOk) return false;
  }
  return address->set_port(api.ntoh16(inet.sin_port)) == vex::kOk &&
         address->set_protocol(EProtocol::PROTOCOL_IPV4) == vex::kOk;
}
