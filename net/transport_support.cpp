#include "net/transport_support.h"

#include <new>

#include "framework/ownership.h"
#include "framework/process_wide.h"
#include "net/basic_transport_support.h"
#include "net/full_transport_support.h"
#include "net/network_address.h"
#include "platform/socket_api.h"
#include "snmp/model/vex_buffer.h"

namespace {

using vex::Result;

constinit vex::ProcessWide<IVexTransportSupport> process_support;

// Calls one operation on the process's transport support.
template <class Operation>
Result with_support(Operation&& operation) {
  IVexTransportSupport* support = nullptr;
  if (const Result r = vex_transport_support(&support); vex::failed(r)) return r;
  return operation(*support);
}

}  // namespace

namespace vex {

std::unique_ptr<IVexTransportSupport> make_transport_support() {
  if (NVexSocketAPI::ipv6_api_available()) {
    return std::unique_ptr<IVexTransportSupport>(new (std::nothrow) CVexFullTransportSupport());
  }
  return std::unique_ptr<IVexTransportSupport>(new (std::nothrow) CVexBasicTransportSupport());
}

}  // namespace vex

Result vex_transport_support(IVexTransportSupport** support) {
  IVexTransportSupport* made = process_support.get(&vex::make_transport_support);
  if (support != nullptr) *support = made;
  return made != nullptr ? vex::kOk : vex::kOutOfMemory;
}

Result vex_normalize_address_text(const char* text, IVexBuffer** canonical) {
  return with_support(
      [&](IVexTransportSupport& s) { return s.normalize_address_text(text, canonical); });
}

Result vex_protocol_of_text(const char* text, std::int32_t* protocol) {
  return with_support([&](IVexTransportSupport& s) { return s.protocol_of_text(text, protocol); });
}

Result vex_resolve_host(const char* host, IVexNetworkAddressList** addresses) {
  return with_support([&](IVexTransportSupport& s) { return s.resolve_host(host, addresses); });
}

Result vex_host_name_of(const char* address_text, IVexBuffer** name) {
  return with_support([&](IVexTransportSupport& s) { return s.host_name_of(address_text, name); });
}

Result vex_local_host_address(std::int32_t protocol, IVexNetworkAddress** address) {
  return with_support(
      [&](IVexTransportSupport& s) { return s.local_host_address(protocol, address); });
}

Result vex_service_port(const char* service, std::int32_t protocol, std::uint16_t* port) {
  return with_support(
      [&](IVexTransportSupport& s) { return s.service_port(service, protocol, port); });
}

Result vex_local_address_toward(const IVexNetworkAddress* destination, IVexNetworkAddress** local) {
  return with_support(
      [&](IVexTransportSupport& s) { return s.local_address_toward(destination, local); });
}

Result vex_transport_available(std::int32_t protocol, bool* available) {
  return with_support(
      [&](IVexTransportSupport& s) { return s.transport_available(protocol, available); });
}

Result vex_interface_count(std::int32_t protocol, std::int32_t* count) {
  return with_support([&](IVexTransportSupport& s) { return s.interface_count(protocol, count); });
}

Result vex_mac_address_of(std::int32_t protocol, const char* address_text,
                          IVexBuffer** hardware_address) {
  return with_support([&](IVexTransportSupport& s) {
    return s.mac_address_of(protocol, address_text, hardware_address);
  });
}

Result vex_has_mac_address(const char* hardware_address, bool* found) {
  return with_support(
      [&](IVexTransportSupport& s) { return s.has_mac_address(hardware_address, found); });
}

Result vex_is_address_text(const char* text, bool* is_address) {
  if (is_address == nullptr) return vex::kInvalidArgument;
  std::int32_t protocol = IVexNetworkAddress::PROTOCOL_NONE;
  const Result result = vex_protocol_of_text(text, &protocol);
  if (vex::failed(result)) return result;
  *is_address = protocol != IVexNetworkAddress::PROTOCOL_NONE;
  return result;
}

Result vex_same_address_text(const char* a, const char* b, bool* same) {
  if (same == nullptr) return vex::kInvalidArgument;
  IVexBuffer* first = nullptr;
  IVexBuffer* second = nullptr;
  Result result = vex_normalize_address_text(a, &first);
  const vex::Owned<IVexBuffer> first_owner(first);
  if (vex::failed(result)) return result;
  result = vex_normalize_address_text(b, &second);
  const vex::Owned<IVexBuffer> second_owner(second);
  if (vex::failed(result)) return result;
  *same = first->equals_buffer(second);
  return vex::kOk;
}
