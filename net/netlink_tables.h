#pragma once

#include "net/net_table_provider.h"

// Reads the main IPv4 routing table and the IPv4 addresses from the kernel
// over a NETLINK_ROUTE socket.
class NetlinkTables final : public NetTableProvider {
 public:
  const char* library_name() const override { return "netlink-route"; }
  vex::Result route_table(std::vector<RouteRecord>* routes) override;
  vex::Result address_table(std::vector<AddressRecord>* addresses) override;

 protected:
  vex::Result resolve() override;
};
