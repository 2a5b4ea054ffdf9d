#pragma once

#include "snmp/transport/datagram_socket.h"

// UDP over IPv6; addresses go through the name service, so it also reads
// IPv4 and IPX records.
class Ipv6DataGramSocket final : public DataGramSocket {
 protected:
  vex::Result start_library() override;
  vex::Result set_default_local_address() override;
  bool from_sockaddr(const SocketAddressRecord& record, IVexNetworkAddress* address) override;
  bool to_sockaddr(const IVexNetworkAddress* address, SocketAddressRecord* record) override;
  vex::Result open_socket() override;
};
