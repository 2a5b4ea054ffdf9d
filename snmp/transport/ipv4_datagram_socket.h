#pragma once

#include "snmp/transport/datagram_socket.h"

// UDP over IPv4.
class Ipv4DataGramSocket final : public DataGramSocket {
 protected:
  vex::Result start_library() override;
  vex::Result set_default_local_address() override;
  bool from_sockaddr(const SocketAddressRecord& record, IVexNetworkAddress* address) override;
  bool to_sockaddr(const IVexNetworkAddress* address, SocketAddressRecord* record) override;
  vex::Result open_socket() override;
};
