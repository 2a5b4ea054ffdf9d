#include "net/local_route_lookup.h"

#include <cstdio>

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

bool parse_dotted_ipv4(const char* text, std::uint32_t* host_value) {
  int parts[4] = {};
  if (text == nullptr ||
      std::sscanf(text, "%d.%d.%d.%d", &parts[0], &parts[1], &parts[2], &parts[3]) != 4) {
    return false;
  }
  std::uint32_t value = 0;
  for (int part : parts) value = (value << 8) | (static_cast<std::uint32_t>(part) & 0xFFu);
  *host_value = value;
  return true;
}

void format_dotted_ipv4(std::uint32_t host_value, char (&text)[16]) {
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", (host_value >> 24) & 0xFFu,
                (host_value >> 16) & 0xFFu, (host_value >> 8) & 0xFFu, host_value & 0xFFu);
}
