#include "net/basic_transport_support.h"

#include <arpa/inet.h>

#include <cstring>

#include "framework/ownership.h"
#include "net/address_list_fill.h"
#include "net/ipv4_text.h"
#include "net/ipx_text.h"
#include "net/name_service.h"
#include "net/network_address.h"
#include "net/protocol_family.h"
#include "net/text_out.h"
#include "platform/socket_api.h"
#include "platform/socket_constants.h"

namespace {

using vex::Result;

constexpr const char* kLimitedBroadcast = "255.255.255.255";

Result protocol_of(const char* text, std::int32_t* protocol) {
  if (vex::parse_strict_dotted_ipv4(text, nullptr)) {
    *protocol = IVexNetworkAddress::PROTOCOL_IPV4;
  } else if (vex::is_ipx_text(text)) {
    *protocol = IVexNetworkAddress::PROTOCOL_IPX;
  } else {
    *protocol = IVexNetworkAddress::PROTOCOL_NONE;
    return vex::kValueMissing;
  }
  return vex::kOk;
}

Result start_v1_1() { return NVexSocketAPI::startup_v1_1(); }

}  // namespace

Result CVexBasicTransportSupport::normalize_address_text(const char* text, IVexBuffer** canonical) {
  if (text == nullptr || canonical == nullptr) return vex::kInvalidArgument;
  *canonical = nullptr;
  std::int32_t protocol = IVexNetworkAddress::PROTOCOL_NONE;
  if (const Result r = protocol_of(text, &protocol); vex::failed(r)) return r;
  if (protocol == IVexNetworkAddress::PROTOCOL_IPX) return vex::hand_out_text(text, canonical);
  std::uint32_t value = 0;
  vex::parse_strict_dotted_ipv4(text, &value);
  char dotted[16];
  format_dotted_ipv4(value, dotted);
  return vex::hand_out_text(dotted, canonical);
}

Result CVexBasicTransportSupport::protocol_of_text(const char* text, std::int32_t* protocol) {
  if (text == nullptr || protocol == nullptr) return vex::kInvalidArgument;
  return protocol_of(text, protocol);
}

// The dotted texts of the host entry's addresses, with port 0.
Result CVexBasicTransportSupport::resolve_host(const char* host,
                                               IVexNetworkAddressList** addresses) {
  if (host == nullptr || addresses == nullptr) return vex::kInvalidArgument;
  *addresses = nullptr;
  const vex::SocketLibraryStart start(&start_v1_1);
  if (start.result() != vex::kOk) return start.result();
  const VexSocketFunctions& api = NVexSocketAPI::api();
  const hostent* entry = api.gethostbyname(host);
  if (entry == nullptr || entry->h_length != static_cast<int>(sizeof(in_addr))) {
    return vex::kFailed;
  }
  Result result = vex::kOk;
  vex::Owned<IVexNetworkAddressList> list = vex::new_address_list(&result);
  if (list == nullptr) return result;
  const std::int32_t protocol = vex::protocol_of_family(vex::framework_family(entry->h_addrtype));
  for (char** bytes = entry->h_addr_list; bytes != nullptr && *bytes != nullptr; ++bytes) {
    in_addr address{};
    std::memcpy(&address, *bytes, sizeof address);
    const char* text = api.inet_ntoa(address);
    if (text == nullptr) return vex::kFailed;
    result = vex::append_address(*list, text, protocol, 0);
    if (vex::failed(result)) return result;
  }
  *addresses = list.release();
  return vex::kOk;
}

Result CVexBasicTransportSupport::host_name_of(const char* address_text, IVexBuffer** name) {
  if (address_text == nullptr || name == nullptr) return vex::kInvalidArgument;
  *name = nullptr;
  const vex::SocketLibraryStart start(&start_v1_1);
  if (start.result() != vex::kOk) return start.result();
  const VexSocketFunctions& api = NVexSocketAPI::api();
  const in_addr_t address = api.inet_addr(address_text);
  if (address == INADDR_NONE &&
      std::strncmp(address_text, kLimitedBroadcast, std::strlen(kLimitedBroadcast)) != 0) {
    return vex::kFailed;
  }
  const hostent* entry = api.gethostbyaddr(&address, sizeof address, AF_INET);
  if (entry == nullptr || entry->h_name == nullptr) return vex::kFailed;
  return vex::hand_out_text(entry->h_name, name);
}

Result CVexBasicTransportSupport::local_host_address(std::int32_t protocol,
                                                     IVexNetworkAddress** address) {
  if (address == nullptr) return vex::kInvalidArgument;
  *address = nullptr;
  if (protocol == IVexNetworkAddress::PROTOCOL_IPX) return vex::kNotSupported;
  const vex::SocketLibraryStart start(&start_v1_1);
  if (start.result() != vex::kOk) return start.result();
  const VexSocketFunctions& api = NVexSocketAPI::api();
  char name[vex::kHostTextSize] = {};
  if (api.gethostname(name, sizeof name - 1) != 0) return vex::kFailed;
  const hostent* entry = api.gethostbyname(name);
  if (entry == nullptr || entry->h_addr_list == nullptr || entry->h_addr_list[0] == nullptr ||
      entry->h_length != static_cast<int>(sizeof(in_addr))) {
    return vex::kFailed;
  }
  in_addr first{};
  std::memcpy(&first, entry->h_addr_list[0], sizeof first);
  const char* text = api.inet_ntoa(first);
  if (text == nullptr) return vex::kFailed;
  Result result = vex::kOk;
  vex::Owned<IVexNetworkAddress> made(vex_create_network_address_full(
      text, vex::protocol_of_family(vex::framework_family(entry->h_addrtype)), 0, &result));
  if (vex::failed(result)) return result;
  *address = made.release();
  return vex::kOk;
}

Result CVexBasicTransportSupport::service_port(const char* service, std::int32_t,
                                               std::uint16_t* port) {
  if (service == nullptr || port == nullptr) return vex::kInvalidArgument;
  const vex::SocketLibraryStart start(&start_v1_1);
  if (start.result() != vex::kOk) return start.result();
  const VexSocketFunctions& api = NVexSocketAPI::api();
  const servent* entry = api.getservbyname(service, "udp");
  if (entry == nullptr) return vex::kFailed;
  *port = api.ntoh16(static_cast<std::uint16_t>(entry->s_port));
  return vex::kOk;
}
