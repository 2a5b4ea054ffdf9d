#pragma once

#include <cstdint>
#include <memory>

#include "framework/result_codes.h"

class IVexBuffer;
class IVexNetworkAddress;
class IVexNetworkAddressList;

// What the framework knows about address texts and the local transports.
// Protocols are IVexNetworkAddress::EProtocol codes. Everything handed out
// through an out-pointer belongs to the caller.
class IVexTransportSupport {
 public:
  // The canonical text of an address (IPv6 shortened and lower-case with a
  // decimal scope, IPv4 in plain decimal, IPX as given).
  virtual vex::Result normalize_address_text(const char* text, IVexBuffer** canonical) = 0;
  virtual vex::Result protocol_of_text(const char* text, std::int32_t* protocol) = 0;
  virtual vex::Result resolve_host(const char* host, IVexNetworkAddressList** addresses) = 0;
  virtual vex::Result host_name_of(const char* address_text, IVexBuffer** name) = 0;
  virtual vex::Result local_host_address(std::int32_t protocol, IVexNetworkAddress** address) = 0;
  virtual vex::Result service_port(const char* service, std::int32_t protocol,
                                   std::uint16_t* port) = 0;
  // The local address the machine sends from toward the destination.
  virtual vex::Result local_address_toward(const IVexNetworkAddress* destination,
                                           IVexNetworkAddress** local) = 0;
  // Answers 0 whenever the flag could be set; the flag tells the answer.
  virtual vex::Result transport_available(std::int32_t protocol, bool* available) = 0;
  virtual vex::Result interface_count(std::int32_t protocol, std::int32_t* count) = 0;
  // The hardware address text ("02-00-5E-10-20-30") of the adapter holding
  // the address; an empty text names the first adapter.
  virtual vex::Result mac_address_of(std::int32_t protocol, const char* address_text,
                                     IVexBuffer** hardware_address) = 0;
  virtual vex::Result has_mac_address(const char* hardware_address, bool* found) = 0;

  virtual ~IVexTransportSupport() = default;
};

// The process's transport support, made on first use and kept until unload:
// 0, or -3 when it cannot be made. The object is lent.
vex::Result vex_transport_support(IVexTransportSupport** support = nullptr);

// Each fetches the process's transport support (its error is returned) and
// calls the operation of the same name.
vex::Result vex_normalize_address_text(const char* text, IVexBuffer** canonical);
vex::Result vex_protocol_of_text(const char* text, std::int32_t* protocol);
vex::Result vex_resolve_host(const char* host, IVexNetworkAddressList** addresses);
vex::Result vex_host_name_of(const char* address_text, IVexBuffer** name);
vex::Result vex_local_host_address(std::int32_t protocol, IVexNetworkAddress** address);
vex::Result vex_service_port(const char* service, std::int32_t protocol, std::uint16_t* port);
vex::Result vex_local_address_toward(const IVexNetworkAddress* destination,
                                     IVexNetworkAddress** local);
vex::Result vex_transport_available(std::int32_t protocol, bool* available);
vex::Result vex_interface_count(std::int32_t protocol, std::int32_t* count);
vex::Result vex_mac_address_of(std::int32_t protocol, const char* address_text,
                               IVexBuffer** hardware_address);
vex::Result vex_has_mac_address(const char* hardware_address, bool* found);

// True exactly when the text has a known protocol; the protocol's error otherwise.
vex::Result vex_is_address_text(const char* text, bool* is_address);
// Compares the canonical texts byte for byte; the first error is returned.
vex::Result vex_same_address_text(const char* a, const char* b, bool* same);

namespace vex {

// A new transport support of the kind the socket library allows: the full one
// when the library loads with its name service, the basic one otherwise.
// Null when memory is exhausted.
std::unique_ptr<IVexTransportSupport> make_transport_support();

}  // namespace vex
