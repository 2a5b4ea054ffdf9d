// The interface the kernel would send a datagram to a destination through,
// asked with a netlink route query.
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <array>
#include <cstring>

#include "platform/ip_help_api.h"
#include "platform/netlink_socket.h"

namespace {

struct RouteQuery {
  nlmsghdr header;
  rtmsg route;
  std::array<char, 64> attributes;
};

void add_destination(RouteQuery& query, const void* bytes, unsigned short length) {
  auto* attribute = reinterpret_cast<rtattr*>(reinterpret_cast<char*>(&query) +
                                              NLMSG_ALIGN(query.header.nlmsg_len));
  attribute->rta_type = RTA_DST;
  attribute->rta_len = RTA_LENGTH(length);
  std::memcpy(RTA_DATA(attribute), bytes, length);
  query.header.nlmsg_len = NLMSG_ALIGN(query.header.nlmsg_len) + RTA_ALIGN(attribute->rta_len);
}

}  // namespace

std::uint32_t vex_linux_best_interface(const sockaddr* destination, std::uint32_t* index) {
  if (destination == nullptr || index == nullptr) return kIpHelpNotFound;
  RouteQuery query{};
  query.header.nlmsg_len = NLMSG_LENGTH(sizeof(rtmsg));
  query.header.nlmsg_type = RTM_GETROUTE;
  query.header.nlmsg_flags = NLM_F_REQUEST;
  query.header.nlmsg_seq = 1;
  query.route.rtm_family = static_cast<unsigned char>(destination->sa_family);
  if (destination->sa_family == AF_INET) {
    query.route.rtm_dst_len = 32;
    add_destination(query, &reinterpret_cast<const sockaddr_in*>(destination)->sin_addr, 4);
  } else if (destination->sa_family == AF_INET6) {
    query.route.rtm_dst_len = 128;
    add_destination(query, &reinterpret_cast<const sockaddr_in6*>(destination)->sin6_addr, 16);
  } else {
    return kIpHelpNotFound;
  }

  NetlinkSocket socket;
  if (!socket.is_open() || ::send(socket.fd(), &query, query.header.nlmsg_len, 0) < 0) {
    return kIpHelpNotFound;
  }
  alignas(nlmsghdr) std::array<char, 8192> reply{};
  const ssize_t received = ::recv(socket.fd(), reply.data(), reply.size(), 0);
  if (received <= 0) return kIpHelpNotFound;
  auto remaining = static_cast<unsigned>(received);
  for (auto* message = reinterpret_cast<nlmsghdr*>(reply.data()); NLMSG_OK(message, remaining);
       message = NLMSG_NEXT(message, remaining)) {
    if (message->nlmsg_type != RTM_NEWROUTE) return kIpHelpNotFound;
    const auto* route = static_cast<const rtmsg*>(NLMSG_DATA(message));
    int length = static_cast<int>(RTM_PAYLOAD(message));
    for (const auto* attribute = RTM_RTA(route); RTA_OK(attribute, length);
         attribute = RTA_NEXT(attribute, length)) {
      if (attribute->rta_type == RTA_OIF && RTA_PAYLOAD(attribute) >= 4) {
        std::memcpy(index, RTA_DATA(attribute), 4);
        return kIpHelpSuccess;
      }
    }
  }
  return kIpHelpNotFound;
}
