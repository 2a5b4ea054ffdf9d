#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "net/ipv4_text.h"
#include "net/net_table_provider.h"
#include "net/network_address.h"

// Finds the local IPv4 address the host uses toward a destination from the
// kernel's routing and address tables. The table provider is chosen once, on
// the first lookup: the first candidate whose load succeeds. The tables are
// read afresh for every lookup, so routing changes show at the next call.
class LocalRouteLookup {
 public:
  using ProviderFactory = std::function<std::unique_ptr<NetTableProvider>()>;

  explicit LocalRouteLookup(std::vector<ProviderFactory> candidates);
  virtual ~LocalRouteLookup() = default;
  LocalRouteLookup(const LocalRouteLookup&) = delete;
  LocalRouteLookup& operator=(const LocalRouteLookup&) = delete;

  // The process's lookup: netlink first, then /proc/net/route with getifaddrs.
  static LocalRouteLookup& instance();

  virtual vex::Result route_table(std::vector<RouteRecord>* routes);
  virtual vex::Result ip_address_table(std::vector<AddressRecord>* addresses);

  // Loads the provider when none is loaded yet; the last failure is returned.
  vex::Result load_provider();
  const NetTableProvider* provider() const noexcept { return provider_.get(); }

  // Host-order destination in, host-order local address out. Lookups of one
  // object are serialised.
  vex::Result local_ipv4_address_for(std::uint32_t destination, std::uint32_t* local_address);

  // The same for an address object: a new address with the chosen local
  // address as text and the destination's protocol and port. -2 for a null
  // argument or an invalid destination, -5 for one that is not IPv4 (no
  // provider is loaded then), -8 without a provider, -1 without a route.
  vex::Result local_address_for(const IVexNetworkAddress* destination, IVexNetworkAddress** local);

 private:
  std::vector<ProviderFactory> candidates_;
  std::mutex provider_mutex_;
  std::mutex lookup_mutex_;
  std::unique_ptr<NetTableProvider> provider_;
};

// The process's lookup toward an IPv4 destination object.
vex::Result local_address_for(const IVexNetworkAddress* destination, IVexNetworkAddress** local);
