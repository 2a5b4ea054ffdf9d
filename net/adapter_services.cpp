// The adapter services: counting interfaces and finding hardware addresses.
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "framework/ownership.h"
#include "net/adapter_kinds.h"
#include "net/ipv6_text.h"
#include "net/network_address.h"
#include "net/text_out.h"
#include "net/transport_support_base.h"
#include "platform/adapter_tables.h"
#include "snmp/model/vex_buffer.h"

namespace {

bool serves_ipv6(const VexIpv6Adapter& adapter) {
  return !vex::is_loopback_or_tunnel(adapter.type) && !adapter.unicast_addresses.empty();
}

std::string hardware_text(const VexHardwareAddress& address) {
  char text[18] = {};
  const auto& b = address.bytes;
  std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", b[0], b[1], b[2], b[3], b[4],
                b[5]);
  return text;
}

bool same_ignoring_case(const std::string& a, const char* b) {
  return ::strcasecmp(a.c_str(), b) == 0;
}

const VexIpv4Adapter* ipv4_adapter_holding(const VexIpv4AdapterList& adapters, const char* text) {
  for (const VexIpv4Adapter& adapter : adapters) {
    if (vex::is_loopback_adapter(adapter.type)) continue;
    if (*text == '\0') return &adapter;
    if (!adapter.ip_addresses.empty() && adapter.ip_addresses.front() == text) return &adapter;
  }
  return nullptr;
}

}  // namespace

vex::Result CVexTransportSupportBase::interface_count(std::int32_t protocol, std::int32_t* count) {
  if (count == nullptr) return vex::kInvalidArgument;
  CVexAdapterTables tables;
  if (protocol == IVexNetworkAddress::PROTOCOL_IPV4) {
    const VexIpv4AdapterList* adapters = nullptr;
    if (const vex::Result r = tables.fetch_ipv4_adapters(&adapters); vex::failed(r)) return r;
    *count = static_cast<std::int32_t>(std::count_if(
        adapters->begin(), adapters->end(),
        [](const VexIpv4Adapter& adapter) { return !vex::is_loopback_adapter(adapter.type); }));
    return vex::kOk;
  }
  if (protocol == IVexNetworkAddress::PROTOCOL_IPV6) {
    const VexIpv6AdapterList* adapters = nullptr;
    if (const vex::Result r = tables.fetch_ipv6_adapters(&adapters); vex::failed(r)) return r;
    *count =
        static_cast<std::int32_t>(std::count_if(adapters->begin(), adapters->end(), &serves_ipv6));
    return vex::kOk;
  }
  return vex::kInvalidArgument;
}

vex::Result CVexTransportSupportBase::mac_address_of(std::int32_t protocol,
                                                     const char* address_text,
                                                     IVexBuffer** hardware_address) {
  if (address_text == nullptr || hardware_address == nullptr) return vex::kInvalidArgument;
  *hardware_address = nullptr;
  CVexAdapterTables tables;
  if (protocol == IVexNetworkAddress::PROTOCOL_IPV4) {
    const VexIpv4AdapterList* adapters = nullptr;
    if (const vex::Result r = tables.fetch_ipv4_adapters(&adapters); vex::failed(r)) return r;
    const VexIpv4Adapter* adapter = ipv4_adapter_holding(*adapters, address_text);
    if (adapter == nullptr) return vex::kValueMissing;
    return vex::hand_out_text(hardware_text(adapter->hardware_address).c_str(), hardware_address);
  }
  if (protocol != IVexNetworkAddress::PROTOCOL_IPV6) return vex::kInvalidArgument;
  const VexIpv6AdapterList* adapters = nullptr;
  if (const vex::Result r = tables.fetch_ipv6_adapters(&adapters); vex::failed(r)) return r;
  for (const VexIpv6Adapter& adapter : *adapters) {
    if (!serves_ipv6(adapter)) continue;
    for (const sockaddr_in6& address : adapter.unicast_addresses) {
      if (vex::is_all_zero(address)) continue;
      if (*address_text == '\0' || holds_ipv6_text(address, address_text)) {
        return vex::hand_out_text(hardware_text(adapter.hardware_address).c_str(),
                                  hardware_address);
      }
    }
  }
  return vex::kValueMissing;
}

// The address's canonical text, alone or with "%" and its scope, against the text.
bool CVexTransportSupportBase::holds_ipv6_text(const sockaddr_in6& address, const char* text) {
  char full[40];
  vex::ipv6_bytes_to_full_text(address.sin6_addr.s6_addr, full);
  IVexBuffer* canonical = nullptr;
  const vex::Result result = normalize_address_text(full, &canonical);
  const vex::Owned<IVexBuffer> owner(canonical);
  if (vex::failed(result) || canonical->data() == nullptr) return false;
  const std::string plain(canonical->data());
  if (same_ignoring_case(plain, text)) return true;
  return address.sin6_scope_id != 0 &&
         same_ignoring_case(plain + "%" + std::to_string(address.sin6_scope_id), text);
}

vex::Result CVexTransportSupportBase::has_mac_address(const char* hardware_address, bool* found) {
  if (hardware_address == nullptr || found == nullptr) return vex::kInvalidArgument;
  *found = false;
  const auto matches = [hardware_address](const VexHardwareAddress& address) {
    return same_ignoring_case(hardware_text(address), hardware_address);
  };
  CVexAdapterTables tables;
  const VexIpv4AdapterList* ipv4 = nullptr;
  vex::Result result = tables.fetch_ipv4_adapters(&ipv4);
  if (vex::succeeded(result)) {
    *found = std::any_of(ipv4->begin(), ipv4->end(), [&](const VexIpv4Adapter& adapter) {
      return !vex::is_loopback_adapter(adapter.type) && matches(adapter.hardware_address);
    });
    if (*found) return result;
  }
  const VexIpv6AdapterList* ipv6 = nullptr;
  result = tables.fetch_ipv6_adapters(&ipv6);
  if (vex::failed(result)) return result;
  *found = std::any_of(ipv6->begin(), ipv6->end(), [&](const VexIpv6Adapter& adapter) {
    return serves_ipv6(adapter) && matches(adapter.hardware_address);
  });
  return result;
}
