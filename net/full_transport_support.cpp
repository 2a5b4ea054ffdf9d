#include "net/full_transport_support.h"

#include <charconv>
#include <cstring>

#include "framework/ownership.h"
#include "net/address_list_fill.h"
#include "net/ipx_text.h"
#include "net/name_service.h"
#include "net/network_address.h"
#include "net/protocol_family.h"
#include "net/text_out.h"
#include "platform/socket_api.h"
#include "platform/socket_constants.h"

namespace {

using vex::Result;

Result protocol_of(const char* text, std::int32_t* protocol) {
  if (vex::is_ipx_text(text)) {
    *protocol = IVexNetworkAddress::PROTOCOL_IPX;
    return vex::kOk;
  }
  const vex::AddressInfo info = vex::address_info(text, nullptr, vex::kHintsNumeric, 0);
  if (info == nullptr) {
    *protocol = IVexNetworkAddress::PROTOCOL_NONE;
    return vex::kFailed;
  }
  *protocol = vex::protocol_of_family(vex::framework_family(info->ai_family));
  return vex::kOk;
}

std::uint16_t port_of(const char* service) {
  std::uint16_t port = 0;
  std::from_chars(service, service + std::strlen(service), port);
  return port;
}

Result start_v2_2() { return NVexSocketAPI::startup_v2_2(); }

// The host text getnameinfo gives with `flags` for a numeric address text.
Result name_of_numeric(const char* text, int flags, IVexBuffer** out) {
  const vex::AddressInfo info = vex::address_info(text, nullptr, vex::kHintsNumeric, 0);
  char host[vex::kHostTextSize] = {};
  if (info == nullptr || !vex::name_info(info->ai_addr, info->ai_addrlen, flags, host, nullptr)) {
    return vex::kFailed;
  }
  return vex::hand_out_text(host, out);
}

}  // namespace

Result CVexFullTransportSupport::normalize_address_text(const char* text, IVexBuffer** canonical) {
  if (text == nullptr || canonical == nullptr) return vex::kInvalidArgument;
  *canonical = nullptr;
  const vex::SocketLibraryStart start(&start_v2_2);
  if (start.result() != vex::kOk) return start.result();
  std::int32_t protocol = IVexNetworkAddress::PROTOCOL_NONE;
  if (const Result r = protocol_of(text, &protocol); vex::failed(r)) return r;
  if (protocol == IVexNetworkAddress::PROTOCOL_IPX) return vex::hand_out_text(text, canonical);
  return name_of_numeric(text, vex::kNameInfoNumericHost, canonical);
}

Result CVexFullTransportSupport::protocol_of_text(const char* text, std::int32_t* protocol) {
  if (text == nullptr || protocol == nullptr) return vex::kInvalidArgument;
  const vex::SocketLibraryStart start(&start_v2_2);
  if (start.result() != vex::kOk) return start.result();
  return protocol_of(text, protocol);
}

// One address for every result the name service gives; a result it cannot
// write back as text is left out.
Result CVexFullTransportSupport::resolve_host(const char* host,
                                              IVexNetworkAddressList** addresses) {
  if (host == nullptr || addresses == nullptr) return vex::kInvalidArgument;
  *addresses = nullptr;
  const vex::SocketLibraryStart start(&start_v2_2);
  if (start.result() != vex::kOk) return start.result();
  const vex::AddressInfo info = vex::address_info(host, nullptr, vex::kHintsLookup, 0);
  if (info == nullptr) return vex::kFailed;
  Result result = vex::kOk;
  vex::Owned<IVexNetworkAddressList> list = vex::new_address_list(&result);
  if (list == nullptr) return result;
  for (const addrinfo* entry = info.get(); entry != nullptr; entry = entry->ai_next) {
    char text[vex::kHostTextSize] = {};
    char service[vex::kServiceTextSize] = {};
    if (!vex::name_info(entry->ai_addr, entry->ai_addrlen,
                        vex::kNameInfoNumericHost | vex::kNameInfoNumericService, text, service)) {
      continue;
    }
    result = vex::append_address(*list, text,
                                 vex::protocol_of_family(vex::framework_family(entry->ai_family)),
                                 port_of(service));
    if (vex::failed(result)) return result;
  }
  *addresses = list.release();
  return vex::kOk;
}

Result CVexFullTransportSupport::host_name_of(const char* address_text, IVexBuffer** name) {
  if (address_text == nullptr || name == nullptr) return vex::kInvalidArgument;
  *name = nullptr;
  const vex::SocketLibraryStart start(&start_v2_2);
  if (start.result() != vex::kOk) return start.result();
  return name_of_numeric(address_text, vex::kNameInfoNameRequired, name);
}

Result CVexFullTransportSupport::local_host_address(std::int32_t protocol,
                                                    IVexNetworkAddress** address) {
  if (address == nullptr) return vex::kInvalidArgument;
  *address = nullptr;
  if (protocol == IVexNetworkAddress::PROTOCOL_IPX) return vex::kNotSupported;
  const vex::SocketLibraryStart start(&start_v2_2);
  if (start.result() != vex::kOk) return start.result();
  char name[vex::kHostTextSize] = {};
  if (NVexSocketAPI::api().gethostname(name, sizeof name - 1) != 0) return vex::kFailed;
  const vex::AddressInfo info =
      vex::address_info(name, nullptr, vex::kHintsLookup, vex::family_of_protocol(protocol));
  char host[vex::kHostTextSize] = {};
  char service[vex::kServiceTextSize] = {};
  if (info == nullptr ||
      !vex::name_info(info->ai_addr, info->ai_addrlen,
                      vex::kNameInfoNumericHost | vex::kNameInfoNumericService, host, service)) {
    return vex::kFailed;
  }
  Result result = vex::kOk;
  vex::Owned<IVexNetworkAddress> made(vex_create_network_address_full(
      host, vex::protocol_of_family(vex::framework_family(info->ai_family)), port_of(service),
      &result));
  if (vex::failed(result)) return result;
  *address = made.release();
  return vex::kOk;
}

Result CVexFullTransportSupport::service_port(const char* service, std::int32_t protocol,
                                              std::uint16_t* port) {
  if (service == nullptr || port == nullptr) return vex::kInvalidArgument;
  const vex::SocketLibraryStart start(&start_v2_2);
  if (start.result() != vex::kOk) return start.result();
  const vex::AddressInfo info =
      vex::address_info(nullptr, service, vex::kHintsLookup, vex::family_of_protocol(protocol));
  char number[vex::kServiceTextSize] = {};
  if (info == nullptr || !vex::name_info(info->ai_addr, info->ai_addrlen,
                                         vex::kNameInfoNumericService, nullptr, number)) {
    return vex::kFailed;
  }
  *port = port_of(number);
  return vex::kOk;
}

Result CVexFullTransportSupport::local_address_toward(const IVexNetworkAddress* destination,
                                                      IVexNetworkAddress** local) {
  const vex::SocketLibraryStart start(&start_v2_2);
  if (start.result() != vex::kOk) return start.result();
  return CVexTransportSupportBase::local_address_toward(destination, local);
}
