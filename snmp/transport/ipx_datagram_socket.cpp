#include "snmp/transport/ipx_datagram_socket.h"

#include <netipx/ipx.h>

#include <cstring>

#include "net/ipx_text.h"
#include "platform/socket_api.h"
#include "platform/socket_constants.h"

namespace {

constexpr int kIpxDatagramProtocol = 1000;
constexpr std::size_t kNetworkBytes = 4;

}  // namespace

vex::Result IpxDataGramSocket::start_library() { return NVexSocketAPI::startup_v1_1(); }

vex::Result IpxDataGramSocket::set_default_local_address() {
  return local_->set_text(vex::kIpxAnyText);
}

vex::Result IpxDataGramSocket::open_socket() {
  return open_socket_of(vex::kFamilyIpx, SOCK_DGRAM, kIpxDatagramProtocol);
}

bool IpxDataGramSocket::to_sockaddr(const IVexNetworkAddress* address,
                                    SocketAddressRecord* record) {
  std::uint8_t bytes[vex::kIpxAddressBytes] = {};
  if (address->text() != nullptr) vex::ipx_text_to_bytes(address->text(), bytes);
  sockaddr_ipx ipx{};
  ipx.sipx_family = AF_IPX;
  std::memcpy(&ipx.sipx_network, bytes, kNetworkBytes);
  std::memcpy(ipx.sipx_node, bytes + kNetworkBytes, sizeof ipx.sipx_node);
  ipx.sipx_port = NVexSocketAPI::api().hton16(address->port());
  record->assign(&ipx, sizeof ipx);
  return true;
}

bool IpxDataGramSocket::from_sockaddr(const SocketAddressRecord& record,
                                      IVexNetworkAddress* address) {
  sockaddr_ipx ipx{};
  std::memcpy(&ipx, &record.storage, sizeof ipx);
  std::uint8_t bytes[vex::kIpxAddressBytes] = {};
  std::memcpy(bytes, &ipx.sipx_network, kNetworkBytes);
  std::memcpy(bytes + kNetworkBytes, ipx.sipx_node, sizeof ipx.sipx_node);
  char text[vex::kIpxTextLength + 1] = {};
  vex::ipx_bytes_to_text(bytes, text);
  return address->set_text(text) == vex::kOk &&
         address->set_port(NVexSocketAPI::api().ntoh16(ipx.sipx_port)) == vex::kOk &&
         address->set_protocol(EProtocol::PROTOCOL_IPX) == vex::kOk;
}
