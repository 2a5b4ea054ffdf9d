#pragma once

#include <string>

#include "framework/ownership.h"
#include "net/network_address.h"
#include "net/transport_support.h"
#include "snmp/model/vex_address_list.h"
#include "snmp/model/vex_buffer.h"

// The transport support's answers as short texts ("a value" or the error
// number), so a table of cases or a report from a namespace reads at a glance.
namespace transport_test {

using vex::Owned;

inline std::string protocol_answer(IVexTransportSupport& support, const char* text) {
  std::int32_t protocol = -100;
  const vex::Result result = support.protocol_of_text(text, &protocol);
  return std::to_string(protocol) + "/" + std::to_string(result);
}

inline std::string buffer_answer(vex::Result result, IVexBuffer* raw) {
  const Owned<IVexBuffer> buffer(raw);
  if (result != 0) return std::to_string(result);
  return buffer->data() != nullptr ? buffer->data() : "";
}

inline std::string canonical(IVexTransportSupport& support, const char* text) {
  IVexBuffer* raw = nullptr;
  const vex::Result result = support.normalize_address_text(text, &raw);
  return buffer_answer(result, raw);
}

inline std::string host_name(IVexTransportSupport& support, const char* text) {
  IVexBuffer* raw = nullptr;
  const vex::Result result = support.host_name_of(text, &raw);
  return buffer_answer(result, raw);
}

inline std::string mac_of(IVexTransportSupport& support, std::int32_t protocol, const char* text) {
  IVexBuffer* raw = nullptr;
  const vex::Result result = support.mac_address_of(protocol, text, &raw);
  return buffer_answer(result, raw);
}

inline std::string has_mac(IVexTransportSupport& support, const char* text) {
  bool found = false;
  const vex::Result result = support.has_mac_address(text, &found);
  return std::string(found ? "found" : "none") + "/" + std::to_string(result);
}

inline std::string count(IVexTransportSupport& support, std::int32_t protocol) {
  std::int32_t n = -100;
  const vex::Result result = support.interface_count(protocol, &n);
  return result == 0 ? std::to_string(n) : "error " + std::to_string(result);
}

// "yes", "no", or the error number.
inline std::string available(IVexTransportSupport& support, std::int32_t protocol) {
  bool flag = false;
  const vex::Result result = support.transport_available(protocol, &flag);
  if (result != 0) return std::to_string(result);
  return flag ? "yes" : "no";
}

// "text protocol port"
inline std::string describe(const IVexNetworkAddress& address) {
  return std::string(address.text() != nullptr ? address.text() : "(null)") + " " +
         std::to_string(address.protocol()) + " " + std::to_string(address.port());
}

// The address handed out, described, or the error number.
inline std::string address_answer(vex::Result result, IVexNetworkAddress* raw) {
  const Owned<IVexNetworkAddress> address(raw);
  if (result != 0) return std::to_string(result);
  return describe(*address);
}

// "text protocol port; " for every address of a host, or the error number.
inline std::string resolved(IVexTransportSupport& support, const char* host) {
  IVexNetworkAddressList* raw = nullptr;
  const vex::Result result = support.resolve_host(host, &raw);
  const Owned<IVexNetworkAddressList> list(raw);
  if (result != 0) return std::to_string(result);
  std::string text;
  IVexNetworkAddressList::Iterator* it = list->create_iterator(nullptr);
  for (IVexNetworkAddress* a = list->current(it); a != nullptr; a = list->current(list->next(it))) {
    text += describe(*a) + "; ";
  }
  list->destroy_iterator(it);
  return text;
}

inline Owned<IVexNetworkAddress> destination(const char* text, std::int32_t protocol,
                                             std::uint16_t port = 161) {
  return Owned<IVexNetworkAddress>(vex_create_network_address_full(text, protocol, port));
}

inline std::string local_toward(IVexTransportSupport& support, const IVexNetworkAddress* target) {
  IVexNetworkAddress* raw = nullptr;
  const vex::Result result = support.local_address_toward(target, &raw);
  return address_answer(result, raw);
}

inline std::string local_host(IVexTransportSupport& support, std::int32_t protocol) {
  IVexNetworkAddress* raw = nullptr;
  const vex::Result result = support.local_host_address(protocol, &raw);
  return address_answer(result, raw);
}

// Appends "what: got X, expected Y; " when the two differ.
inline void expect(std::string& problems, const std::string& what, const std::string& got,
                   const std::string& expected) {
  if (got != expected) problems += what + ": got " + got + ", expected " + expected + "; ";
}

}  // namespace transport_test
