#pragma once

#include <netinet/in.h>

#include "net/transport_support.h"

// What both transport supports share: the local route and the adapter
// services, answered from the IP helper layer without starting the socket
// library. The text services are the concrete class's.
class CVexTransportSupportBase : public IVexTransportSupport {
 public:
  vex::Result local_address_toward(const IVexNetworkAddress* destination,
                                   IVexNetworkAddress** local) override;
  vex::Result transport_available(std::int32_t protocol, bool* available) override;
  vex::Result interface_count(std::int32_t protocol, std::int32_t* count) override;
  vex::Result mac_address_of(std::int32_t protocol, const char* address_text,
                             IVexBuffer** hardware_address) override;
  vex::Result has_mac_address(const char* hardware_address, bool* found) override;

 protected:
  // Whether the numeric name service exists, which IPv6 destinations need.
  virtual bool has_name_service() const = 0;

 private:
  bool holds_ipv6_text(const sockaddr_in6& address, const char* text);
  vex::Result local_ipv6_address_toward(const IVexNetworkAddress& destination,
                                        IVexNetworkAddress** local);
};

namespace vex {

// Whether a datagram socket of the protocol can be opened now (IPv4 and IPX;
// every other protocol is refused). The trial socket is closed at once.
bool can_open_datagram_socket(std::int32_t protocol);

}  // namespace vex
