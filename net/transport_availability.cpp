// Whether a transport is usable on this machine.
#include <algorithm>
#include <optional>
#include <string>

#include "net/adapter_kinds.h"
#include "net/name_service.h"
#include "net/network_address.h"
#include "net/protocol_family.h"
#include "net/transport_support_base.h"
#include "platform/ip_help_api.h"
#include "platform/socket_api.h"
#include "platform/socket_constants.h"

namespace {

bool has_ipv4_address(const VexIpv4Adapter& adapter) {
  return std::any_of(adapter.ip_addresses.begin(), adapter.ip_addresses.end(),
                     [](const std::string& text) { return text != "0.0.0.0"; });
}

// Empty when the adapter list gives no answer, and the socket trial decides.
std::optional<bool> ipv4_adapters_answer(const VexIpHelpFunctions& api) {
  if (api.get_adapters_info == nullptr) return std::nullopt;
  const std::uint32_t size_answer = api.get_adapters_info(nullptr);
  if (size_answer == kIpHelpNoData) return false;
  if (size_answer != kIpHelpBufferOverflow) return std::nullopt;
  VexIpv4AdapterList adapters;
  if (api.get_adapters_info(&adapters) != kIpHelpSuccess) return std::nullopt;
  return std::any_of(adapters.begin(), adapters.end(), [](const VexIpv4Adapter& adapter) {
    return !vex::is_loopback_adapter(adapter.type) && has_ipv4_address(adapter);
  });
}

bool ipv6_adapters_answer(const VexIpHelpFunctions& api) {
  if (api.get_adapters_addresses == nullptr) return false;
  const auto query = [&api](VexIpv6AdapterList* list) {
    return api.get_adapters_addresses(kFamilyIpv6, kAdapterFlagsUnicastWithPrefixes, list);
  };
  if (query(nullptr) != kIpHelpBufferOverflow) return false;
  VexIpv6AdapterList adapters;
  if (query(&adapters) != kIpHelpSuccess) return false;
  return std::any_of(adapters.begin(), adapters.end(), [](const VexIpv6Adapter& adapter) {
    return !vex::is_loopback_or_tunnel(adapter.type) && !adapter.unicast_addresses.empty() &&
           !vex::is_all_zero(adapter.unicast_addresses.front());
  });
}

VexIpHelpFunctions ip_help_functions() {
  NVexIpHelpAPI::load();
  return NVexIpHelpAPI::api();
}

}  // namespace

vex::Result CVexTransportSupportBase::transport_available(std::int32_t protocol, bool* available) {
  if (available == nullptr) return vex::kInvalidArgument;
  switch (protocol) {
    case IVexNetworkAddress::PROTOCOL_IPV4: {
      const std::optional<bool> answer = ipv4_adapters_answer(ip_help_functions());
      *available = answer.has_value() ? *answer : vex::can_open_datagram_socket(protocol);
      break;
    }
    case IVexNetworkAddress::PROTOCOL_IPV6:
      *available = ipv6_adapters_answer(ip_help_functions());
      break;
    default:
      *available = vex::can_open_datagram_socket(protocol);
      break;
  }
  return vex::kOk;
}

namespace vex {

bool can_open_datagram_socket(std::int32_t protocol) {
  if (protocol != IVexNetworkAddress::PROTOCOL_IPV4 &&
      protocol != IVexNetworkAddress::PROTOCOL_IPX) {
    return false;
  }
  const SocketLibraryStart start(&NVexSocketAPI::startup_v1_1);
  if (start.result() != kOk) return false;
  const VexSocketFunctions& api = NVexSocketAPI::api();
  const int fd = api.socket(native_family(family_of_protocol(protocol)), SOCK_DGRAM, 0);
  if (fd < 0) return false;
  api.closesocket(fd);
  return true;
}

}  // namespace vex
