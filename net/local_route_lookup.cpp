#include "net/local_route_lookup.h"

#include "framework/ownership.h"
#include "net/netlink_tables.h"
#include "net/proc_net_tables.h"
#include "net/route_choice.h"

LocalRouteLookup::LocalRouteLookup(std::vector<ProviderFactory> candidates)
    : candidates_(std::move(candidates)) {}

LocalRouteLookup& LocalRouteLookup::instance() {
  static LocalRouteLookup lookup({
      [] { return std::unique_ptr<NetTableProvider>(new NetlinkTables()); },
      [] { return std::unique_ptr<NetTableProvider>(new ProcNetTables()); },
  });
  return lookup;
}

vex::Result LocalRouteLookup::load_provider() {
  std::lock_guard<std::mutex> lock(provider_mutex_);
  if (provider_) return vex::kOk;
  vex::Result last = vex::kNotInitialised;
  for (const ProviderFactory& make : candidates_) {
    std::unique_ptr<NetTableProvider> candidate = make();
    if (!candidate) continue;
    last = candidate->load();
    if (last == vex::kOk) {
      provider_ = std::move(candidate);
      return vex::kOk;
    }
  }
  return last;
}

vex::Result LocalRouteLookup::route_table(std::vector<RouteRecord>* routes) {
  routes->clear();
  return provider_ ? provider_->route_table(routes) : vex::kNotInitialised;
}

vex::Result LocalRouteLookup::ip_address_table(std::vector<AddressRecord>* addresses) {
  addresses->clear();
  return provider_ ? provider_->address_table(addresses) : vex::kNotInitialised;
}

vex::Result LocalRouteLookup::local_ipv4_address_for(std::uint32_t destination,
                                                     std::uint32_t* local_address) {
  std::lock_guard<std::mutex> lock(lookup_mutex_);
  load_provider();
  std::vector<RouteRecord> routes;
  if (const vex::Result fetched = route_table(&routes); fetched != vex::kOk) return fetched;
  return choose_local_address(
      destination, routes,
      [this](std::vector<AddressRecord>* addresses) { return ip_address_table(addresses); },
      local_address);
}

vex::Result LocalRouteLookup::local_address_for(const IVexNetworkAddress* destination,
                                                IVexNetworkAddress** local) {
  if (destination == nullptr || local == nullptr || !destination->is_valid()) {
    return vex::kInvalidArgument;
  }
  if (destination->protocol() != IVexNetworkAddress::PROTOCOL_IPV4) return vex::kNotSupported;
  *local = nullptr;
  std::uint32_t target = 0;
  if (!parse_dotted_ipv4(destination->text(), &target)) return vex::kInvalidArgument;
  std::uint32_t chosen = 0;
  if (const vex::Result r = local_ipv4_address_for(target, &chosen); r != vex::kOk) return r;
  char text[16];
  format_dotted_ipv4(chosen, text);
  vex::Result result = vex::kOk;
  vex::Owned<IVexNetworkAddress> made(vex_create_network_address(&result));
  if (made == nullptr) return result;
  result = made->set(text, destination->protocol(), destination->port());
  if (vex::failed(result)) return result;
  *local = made.release();
  return vex::kOk;
}

vex::Result local_address_for(const IVexNetworkAddress* destination, IVexNetworkAddress** local) {
  return LocalRouteLookup::instance().local_address_for(destination, local);
}
