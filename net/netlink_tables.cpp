#include "net/netlink_tables.h"

#include <arpa/inet.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <functional>

#include "platform/netlink_socket.h"

namespace {

constexpr int kMaxReplyDatagrams = 4096;  // a dump ends long before this

std::uint32_t host_order(const void* network_bytes) {
  std::uint32_t value = 0;
  std::memcpy(&value, network_bytes, sizeof value);
  return ntohl(value);
}

// Sends one dump request and hands every reply message to `visit`, until the
// kernel says the dump is done.
template <class Header>
vex::Result dump(std::uint16_t message_type, const Header& header,
                 const std::function<void(const nlmsghdr&)>& visit) {
  NetlinkSocket socket;
  if (!socket.is_open()) return vex::kCannotLoad;
  struct {
    nlmsghdr message;
    Header body;
  } request{};
  request.message.nlmsg_len = NLMSG_LENGTH(sizeof(Header));
  request.message.nlmsg_type = message_type;
  request.message.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
  request.message.nlmsg_seq = 1;
  request.body = header;
  sockaddr_nl kernel{};
  kernel.nl_family = AF_NETLINK;
  if (::sendto(socket.fd(), &request, request.message.nlmsg_len, 0,
               reinterpret_cast<const sockaddr*>(&kernel), sizeof kernel) < 0) {
    return vex::kCannotLoad;
  }
  alignas(nlmsghdr) std::array<char, 32768> buffer{};
  for (int datagram = 0; datagram < kMaxReplyDatagrams; ++datagram) {
    const ssize_t received = ::recv(socket.fd(), buffer.data(), buffer.size(), 0);
    if (received <= 0) return vex::kCannotLoad;
    auto remaining = static_cast<unsigned>(received);
    for (auto* message = reinterpret_cast<nlmsghdr*>(buffer.data()); NLMSG_OK(message, remaining);
         message = NLMSG_NEXT(message, remaining)) {
      if (message->nlmsg_type == NLMSG_DONE) return vex::kOk;
      if (message->nlmsg_type == NLMSG_ERROR) return vex::kCannotLoad;
      visit(*message);
    }
  }
  return vex::kCannotLoad;
}

struct RouteAttributes {
  std::uint32_t table = 0;
  std::uint32_t destination = 0;
  std::uint32_t gateway = 0;
  std::uint32_t interface_index = 0;
};

void read_first_next_hop(const rtattr& multipath, RouteAttributes& route) {
  const auto* hop = static_cast<const rtnexthop*>(RTA_DATA(&multipath));
  const auto length = RTA_PAYLOAD(&multipath);
  if (length < sizeof(rtnexthop) || hop->rtnh_len < sizeof(rtnexthop)) return;
  route.interface_index = static_cast<std::uint32_t>(hop->rtnh_ifindex);
  int attributes_length = static_cast<int>(hop->rtnh_len) - static_cast<int>(RTNH_LENGTH(0));
  for (const auto* attribute = RTNH_DATA(hop); RTA_OK(attribute, attributes_length);
       attribute = RTA_NEXT(attribute, attributes_length)) {
    if (attribute->rta_type == RTA_GATEWAY && RTA_PAYLOAD(attribute) >= 4) {
      route.gateway = host_order(RTA_DATA(attribute));
    }
  }
}

RouteAttributes read_route_attributes(const nlmsghdr& message, const rtmsg& header) {
  RouteAttributes route;
  route.table = header.rtm_table;
  int length = static_cast<int>(RTM_PAYLOAD(&message));
  for (const auto* attribute = RTM_RTA(&header); RTA_OK(attribute, length);
       attribute = RTA_NEXT(attribute, length)) {
    const bool has_word = RTA_PAYLOAD(attribute) >= 4;
    switch (attribute->rta_type) {
      case RTA_TABLE:
        if (has_word) std::memcpy(&route.table, RTA_DATA(attribute), 4);
        break;
      case RTA_DST:
        if (has_word) route.destination = host_order(RTA_DATA(attribute));
        break;
      case RTA_GATEWAY:
        if (has_word) route.gateway = host_order(RTA_DATA(attribute));
        break;
      case RTA_OIF:
        if (has_word) std::memcpy(&route.interface_index, RTA_DATA(attribute), 4);
        break;
      case RTA_MULTIPATH:
        read_first_next_hop(*attribute, route);
        break;
      default:
        break;
    }
  }
  return route;
}

bool shown_in_route_table(const rtmsg& header) {
  return header.rtm_type != RTN_BROADCAST && header.rtm_type != RTN_MULTICAST &&
         header.rtm_type != RTN_LOCAL;
}

}  // namespace

vex::Result NetlinkTables::resolve() {
  return NetlinkSocket().is_open() ? vex::kOk : vex::kCannotLoad;
}

vex::Result NetlinkTables::route_table(std::vector<RouteRecord>* routes) {
  routes->clear();
  rtmsg request{};
  request.rtm_family = AF_INET;
  return dump(RTM_GETROUTE, request, [routes](const nlmsghdr& message) {
    if (message.nlmsg_type != RTM_NEWROUTE) return;
    const auto& header = *static_cast<const rtmsg*>(NLMSG_DATA(&message));
    if (header.rtm_family != AF_INET || !shown_in_route_table(header)) return;
    const RouteAttributes route = read_route_attributes(message, header);
    if (route.table != RT_TABLE_MAIN) return;
    routes->push_back({route.destination, prefix_to_mask(header.rtm_dst_len), route.gateway,
                       route.gateway != 0 ? 4u : 3u, route.interface_index});
  });
}

vex::Result NetlinkTables::address_table(std::vector<AddressRecord>* addresses) {
  addresses->clear();
  ifaddrmsg request{};
  request.ifa_family = AF_INET;
  return dump(RTM_GETADDR, request, [addresses](const nlmsghdr& message) {
    if (message.nlmsg_type != RTM_NEWADDR) return;
    const auto& header = *static_cast<const ifaddrmsg*>(NLMSG_DATA(&message));
    if (header.ifa_family != AF_INET) return;
    AddressRecord record{header.ifa_index, prefix_to_mask(header.ifa_prefixlen), 0, 0};
    std::uint32_t peer = 0;
    int length = static_cast<int>(IFA_PAYLOAD(&message));
    for (const auto* attribute = IFA_RTA(&header); RTA_OK(attribute, length);
         attribute = RTA_NEXT(attribute, length)) {
      if (RTA_PAYLOAD(attribute) < 4) continue;
      if (attribute->rta_type == IFA_LOCAL) record.address = host_order(RTA_DATA(attribute));
      if (attribute->rta_type == IFA_ADDRESS) peer = host_order(RTA_DATA(attribute));
      if (attribute->rta_type == IFA_BROADCAST) record.broadcast = host_order(RTA_DATA(attribute));
    }
    if (record.address == 0) record.address = peer;
    addresses->push_back(record);
  });
}
