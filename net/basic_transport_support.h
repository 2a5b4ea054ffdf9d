#pragma once

#include "net/transport_support_base.h"

// The transport support for a socket library without the protocol-independent
// name service: IPv4 and IPX texts only, names through the host-entry
// functions. The text forms need no library; the name services start it in
// version 1.1 for their duration.
class CVexBasicTransportSupport final : public CVexTransportSupportBase {
 public:
  vex::Result normalize_address_text(const char* text, IVexBuffer** canonical) override;
  vex::Result protocol_of_text(const char* text, std::int32_t* protocol) override;
  vex::Result resolve_host(const char* host, IVexNetworkAddressList** addresses) override;
  vex::Result host_name_of(const char* address_text, IVexBuffer** name) override;
  vex::Result local_host_address(std::int32_t protocol, IVexNetworkAddress** address) override;
  vex::Result service_port(const char* service, std::int32_t protocol,
                           std::uint16_t* port) override;

 protected:
  bool has_name_service() const override { return false; }
};
