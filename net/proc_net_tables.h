#pragma once

#include <string>

#include "net/net_table_provider.h"

// Reads the IPv4 routing table from /proc/net/route and the addresses from
// getifaddrs: the same content as the netlink provider, for kernels or
// sandboxes where netlink cannot be opened.
class ProcNetTables final : public NetTableProvider {
 public:
  explicit ProcNetTables(std::string route_file = "/proc/net/route")
      : route_file_(std::move(route_file)) {}
  const char* library_name() const override { return route_file_.c_str(); }
  vex::Result route_table(std::vector<RouteRecord>* routes) override;
  vex::Result address_table(std::vector<AddressRecord>* addresses) override;

 protected:
  vex::Result resolve() override;

 private:
  std::string route_file_;
};
