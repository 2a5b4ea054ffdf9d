#include "tools/dvkctl/transport_names.h"

#include <array>

#include "plugin/dvk_plugin.h"

namespace dvkctl {
namespace {

constexpr std::array kTransports{
    TransportName{DVK_TRANSPORT_UDP_IPV4, "ipv4", "UDP over IPv4"},
    TransportName{DVK_TRANSPORT_IPX, "ipx", "IPX"},
    TransportName{DVK_TRANSPORT_NONE, "none", "accepted, but served by no transport"},
    TransportName{DVK_TRANSPORT_UDP_IPV6, "ipv6", "UDP over IPv6"},
};

constexpr TransportName kUnknown{0, "unknown", "not a transport code of the plug-in"};

}  // namespace

std::span<const TransportName> transport_names() noexcept { return kTransports; }

const TransportName& transport_name(std::int32_t code) noexcept {
  for (const TransportName& transport : kTransports) {
    if (transport.code == code) return transport;
  }
  return kUnknown;
}

}  // namespace dvkctl
