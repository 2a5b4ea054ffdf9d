#include <new>

#include "snmp/transport/datagram_socket.h"
#include "snmp/transport/ipv4_datagram_socket.h"
#include "snmp/transport/ipv6_datagram_socket.h"
#include "snmp/transport/ipx_datagram_socket.h"

namespace {

DataGramSocket* new_socket(std::int32_t protocol) {
  switch (protocol) {
    case EProtocol::PROTOCOL_IPV4:
      return new (std::nothrow) Ipv4DataGramSocket();
    case EProtocol::PROTOCOL_IPX:
      return new (std::nothrow) IpxDataGramSocket();
    default:
      return new (std::nothrow) Ipv6DataGramSocket();
  }
}

}  // namespace

vex::Result create_datagram_socket(std::int32_t protocol, std::uint16_t port,
                                   DataGramSocket** socket) {
  if (socket == nullptr) return vex::kInvalidArgument;
  *socket = nullptr;
  if (protocol != EProtocol::PROTOCOL_IPV4 && protocol != EProtocol::PROTOCOL_IPX &&
      protocol != EProtocol::PROTOCOL_IPV6) {
    return vex::kInvalidArgument;
  }
  vex::OwnedSocket created(new_socket(protocol));
  if (!created) return vex::kOutOfMemory;
  if (const vex::Result r = created->attach_local_address(protocol, port); r != vex::kOk) return r;
  if (const vex::Result r = created->set_default_local_address(); r != vex::kOk) return r;
  if (const vex::Result r = created->open(); r != vex::kOk) return r;
  *socket = created.release();
  return vex::kOk;
}

vex::Result create_datagram_socket(std::int32_t protocol, DataGramSocket** socket) {
  return create_datagram_socket(protocol, 0, socket);
}
