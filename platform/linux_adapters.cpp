// Interface lists built from getifaddrs: the packet entries give every
// interface with its hardware type and address, the address entries its
// IPv4 and IPv6 addresses.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <netpacket/packet.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "platform/ip_help_api.h"

namespace {

struct Interface {
  std::string name;
  std::uint32_t index = 0;
  std::uint32_t type = kInterfaceTypeOther;
  VexHardwareAddress hardware_address;
  std::vector<sockaddr_in> ipv4;
  std::vector<sockaddr_in> ipv4_masks;
  std::vector<sockaddr_in6> ipv6;
};

std::uint32_t interface_type_of(unsigned short hardware_type) {
  switch (hardware_type) {
    case ARPHRD_LOOPBACK:
      return kInterfaceTypeSoftwareLoopback;
    case ARPHRD_ETHER:
      return kInterfaceTypeEthernet;
    case ARPHRD_TUNNEL:
    case ARPHRD_TUNNEL6:
    case ARPHRD_SIT:
    case ARPHRD_IPGRE:
    case ARPHRD_NONE:
      return kInterfaceTypeTunnel;
    default:
      return kInterfaceTypeOther;
  }
}

std::string device_of(const char* label) {
  const std::string name(label);
  return name.substr(0, name.find(':'));
}

// Interfaces in index order.
std::vector<Interface> read_interfaces() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return {};
  const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);
  std::map<std::uint32_t, Interface> by_index;
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr) continue;
    const std::string device = device_of(entry->ifa_name);
    const std::uint32_t index = if_nametoindex(device.c_str());
    if (index == 0) continue;
    Interface& item = by_index[index];
    item.name = device;
    item.index = index;
    if ((entry->ifa_flags & IFF_LOOPBACK) != 0) item.type = kInterfaceTypeSoftwareLoopback;
    switch (entry->ifa_addr->sa_family) {
      case AF_PACKET: {
        const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
        if (item.type != kInterfaceTypeSoftwareLoopback)
          item.type = interface_type_of(link->sll_hatype);
        item.hardware_address.length = std::min<std::uint32_t>(link->sll_halen, 8);
        std::memcpy(item.hardware_address.bytes.data(), link->sll_addr,
                    item.hardware_address.length);
        break;
      }
      case AF_INET:
        item.ipv4.push_back(*reinterpret_cast<const sockaddr_in*>(entry->ifa_addr));
        item.ipv4_masks.push_back(entry->ifa_netmask != nullptr
                                      ? *reinterpret_cast<const sockaddr_in*>(entry->ifa_netmask)
                                      : sockaddr_in{});
        break;
      case AF_INET6:
        item.ipv6.push_back(*reinterpret_cast<const sockaddr_in6*>(entry->ifa_addr));
        break;
      default:
        break;
    }
  }
  std::vector<Interface> interfaces;
  interfaces.reserve(by_index.size());
  for (auto& [index, item] : by_index) interfaces.push_back(std::move(item));
  return interfaces;
}

bool any_but_loopback(const std::vector<Interface>& interfaces) {
  return std::any_of(interfaces.begin(), interfaces.end(),
                     [](const Interface& i) { return i.type != kInterfaceTypeSoftwareLoopback; });
}

std::string dotted(const sockaddr_in& address) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
  return text;
}

}  // namespace

std::uint32_t vex_linux_adapters_info(VexIpv4AdapterList* list) {
  const std::vector<Interface> interfaces = read_interfaces();
  if (!any_but_loopback(interfaces)) return kIpHelpNoData;
  if (list == nullptr) return kIpHelpBufferOverflow;
  list->clear();
  for (const Interface& item : interfaces) {
    VexIpv4Adapter adapter{item.name, item.index, item.type, item.hardware_address, {}, {}};
    for (std::size_t i = 0; i < item.ipv4.size(); ++i) {
      adapter.ip_addresses.push_back(dotted(item.ipv4[i]));
      adapter.ip_masks.push_back(dotted(item.ipv4_masks[i]));
    }
    if (adapter.ip_addresses.empty()) {
      adapter.ip_addresses.emplace_back("0.0.0.0");
      adapter.ip_masks.emplace_back("0.0.0.0");
    }
    list->push_back(std::move(adapter));
  }
  return kIpHelpSuccess;
}

std::uint32_t vex_linux_adapters_addresses(std::uint32_t family, std::uint32_t,
                                           VexIpv6AdapterList* list) {
  if (family != kFamilyIpv6) return kIpHelpNoData;
  const std::vector<Interface> interfaces = read_interfaces();
  if (!any_but_loopback(interfaces)) return kIpHelpNoData;
  if (list == nullptr) return kIpHelpBufferOverflow;
  list->clear();
  for (const Interface& item : interfaces) {
    list->push_back(
        {item.name, item.index, item.index, item.type, item.hardware_address, item.ipv6});
  }
  return kIpHelpSuccess;
}
