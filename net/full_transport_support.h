#pragma once

#include "net/transport_support_base.h"

// The transport support over the socket library's protocol-independent name
// service: IPv4, IPv6 and IPX texts. Every text service starts the library
// in version 2.2 for its duration.
class CVexFullTransportSupport final : public CVexTransportSupportBase {
 public:
  vex::Result normalize_address_text(const char* text, IVexBuffer** canonical) override;
  vex::Result protocol_of_text(const char* text, std::int32_t* protocol) override;
  vex::Result resolve_host(const char* host, IVexNetworkAddressList** addresses) override;
  vex::Result host_name_of(const char* address_text, IVexBuffer** name) override;
  vex::Result local_host_address(std::int32_t protocol, IVexNetworkAddress** address) override;
  vex::Result service_port(const char* service, std::int32_t protocol,
                           std::uint16_t* port) override;
  vex::Result local_address_toward(const IVexNetworkAddress* destination,
                                   IVexNetworkAddress** local) override;

 protected:
  bool has_name_service() const override { return true; }
};
