// The local address the machine sends from toward a destination.
#include "framework/ownership.h"
#include "net/local_route_lookup.h"
#include "net/name_service.h"
#include "net/network_address.h"
#include "net/transport_support_base.h"
#include "platform/adapter_tables.h"
#include "platform/ip_help_api.h"
#include "platform/socket_constants.h"

namespace {

// The first unicast address of the adapter with that IPv6 interface index.
const sockaddr_in6* first_address_of(const VexIpv6AdapterList& adapters, std::uint32_t index) {
  for (const VexIpv6Adapter& adapter : adapters) {
    if (adapter.ipv6_index == index && !adapter.unicast_addresses.empty() &&
        adapter.unicast_addresses.front().sin6_family == AF_INET6) {
      return &adapter.unicast_addresses.front();
    }
  }
  return nullptr;
}

}  // namespace

vex::Result CVexTransportSupportBase::local_address_toward(const IVexNetworkAddress* destination,
                                                           IVexNetworkAddress** local) {
  if (destination == nullptr || local == nullptr) return vex::kInvalidArgument;
  *local = nullptr;
  switch (destination->protocol()) {
    case IVexNetworkAddress::PROTOCOL_IPV4:
    case IVexNetworkAddress::PROTOCOL_IPX:
      if (!destination->is_valid()) return vex::kInvalidArgument;
      if (destination->protocol() == IVexNetworkAddress::PROTOCOL_IPX) return vex::kNotSupported;
      return local_address_for(destination, local);
    case IVexNetworkAddress::PROTOCOL_IPV6:
      return local_ipv6_address_toward(*destination, local);
    default:
      return vex::kInvalidArgument;
  }
}

// Asks the kernel for the interface toward the destination and takes that
// interface's first unicast address.
vex::Result CVexTransportSupportBase::local_ipv6_address_toward(
    const IVexNetworkAddress& destination, IVexNetworkAddress** local) {
  if (!has_name_service()) return vex::kNotSupported;
  NVexIpHelpAPI::load();
  const VexIpHelpFunctions api = NVexIpHelpAPI::api();
  if (api.get_best_interface_ex == nullptr || api.get_adapters_addresses == nullptr) {
    return vex::kNotSupported;
  }
  const vex::AddressInfo target =
      vex::address_info(destination.text(), nullptr, vex::kHintsNumeric, 0);
  if (target == nullptr) return vex::kFailed;
  std::uint32_t index = 0;
  if (api.get_best_interface_ex(target->ai_addr, &index) != kIpHelpSuccess) {
    return vex::kNotSupported;
  }
  // The adapter list of this platform holds IPv6 addresses only.
  if (target->ai_family != AF_INET6) return vex::kFailed;
  CVexAdapterTables tables;
  const VexIpv6AdapterList* adapters = nullptr;
  if (const vex::Result r = tables.fetch_ipv6_adapters(&adapters); vex::failed(r)) {
    return r == vex::kOutOfMemory ? r : vex::kFailed;
  }
  const sockaddr_in6* source = first_address_of(*adapters, index);
  char host[vex::kHostTextSize] = {};
  if (source == nullptr ||
      !vex::name_info(reinterpret_cast<const sockaddr*>(source), sizeof *source,
                      vex::kNameInfoNumericHost, host, nullptr)) {
    return vex::kFailed;
  }
  vex::Result result = vex::kOk;
  vex::Owned<IVexNetworkAddress> made(
      vex_create_network_address_full(host, destination.protocol(), destination.port(), &result));
  if (vex::failed(result)) return result;
  *local = made.release();
  return vex::kOk;
}
