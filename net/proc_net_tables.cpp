#include "net/proc_net_tables.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <charconv>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

constexpr int kMaxRouteLines = 100000;

std::uint32_t interface_index_of(const std::string& name) {
  // Address labels such as "eth0:1" belong to the interface before the colon.
  const std::string device = name.substr(0, name.find(':'));
  return device == "*" ? 0u : if_nametoindex(device.c_str());
}

// The file prints each address as the hexadecimal value of its bytes in
// network order read as a host integer.
bool parse_hex_address(const std::string& text, std::uint32_t* host_value) {
  std::uint32_t raw = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, raw, 16);
  if (error != std::errc() || stop != end) return false;
  *host_value = ntohl(raw);
  return true;
}

std::uint32_t host_order_of(const sockaddr* address) {
  if (address == nullptr || address->sa_family != AF_INET) return 0;
  return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

}  // namespace

vex::Result ProcNetTables::resolve() {
  std::ifstream file(route_file_);
  return file.is_open() ? vex::kOk : vex::kCannotLoad;
}

vex::Result ProcNetTables::route_table(std::vector<RouteRecord>* routes) {
  routes->clear();
  std::ifstream file(route_file_);
  if (!file.is_open()) return vex::kCannotLoad;
  std::string line;
  std::getline(file, line);  // column titles
  for (int count = 0; count < kMaxRouteLines && std::getline(file, line); ++count) {
    std::istringstream fields(line);
    std::string name, destination, gateway, flags, references, use, metric, mask;
    if (!(fields >> name >> destination >> gateway >> flags >> references >> use >> metric >>
          mask)) {
      continue;
    }
    RouteRecord route{};
    if (!parse_hex_address(destination, &route.destination) ||
        !parse_hex_address(gateway, &route.next_hop) || !parse_hex_address(mask, &route.mask)) {
      return vex::kCannotLoad;
    }
    route.type = route.next_hop != 0 ? 4u : 3u;
    route.interface_index = interface_index_of(name);
    routes->push_back(route);
  }
  return vex::kOk;
}

vex::Result ProcNetTables::address_table(std::vector<AddressRecord>* addresses) {
  addresses->clear();
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return vex::kCannotLoad;
  const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
    const bool has_broadcast = (entry->ifa_flags & IFF_BROADCAST) != 0;
    addresses->push_back({interface_index_of(entry->ifa_name), host_order_of(entry->ifa_netmask),
                          has_broadcast ? host_order_of(entry->ifa_broadaddr) : 0u,
                          host_order_of(entry->ifa_addr)});
  }
  return vex::kOk;
}
