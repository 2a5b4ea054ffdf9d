#pragma once

#include <cstdint>

#include "framework/result_codes.h"

class IVexBuffer;

// An agent address: its text, transport protocol and port (the IPX socket
// number for IPX). Texts are stored with hexadecimal letters lowered.
class IVexNetworkAddress {
 public:
  enum EProtocol : std::int32_t {
    PROTOCOL_NONE = 0,
    PROTOCOL_IPV4 = 1,  // UDP over IPv4
    PROTOCOL_IPX = 2,
    PROTOCOL_OTHER = 3,  // accepted from the host, served by no transport
    PROTOCOL_IPV6 = 4,   // UDP over IPv6
  };

  virtual void destroy() = 0;
  // Takes the protocol from the text; -2 when the address already has another one.
  virtual vex::Result set_text(const char* text) = 0;
  // Stores the text unchecked; a protocol or port of 0 keeps the stored one.
  virtual vex::Result set(const char* text, std::int32_t protocol, std::uint16_t port) = 0;
  virtual IVexBuffer* text_buffer() = 0;  // lent, null without text
  // Hands out a copy of the text; protocol and port are written when asked for.
  virtual vex::Result get(IVexBuffer** text, std::int32_t* protocol, std::uint16_t* port) = 0;
  virtual vex::Result set_protocol(std::int32_t protocol) = 0;
  virtual vex::Result set_port(std::uint16_t port) = 0;
  virtual std::int32_t protocol() const = 0;
  virtual std::uint16_t port() const = 0;
  // Same canonical text and protocol; the ports count only when `other` has one.
  virtual bool equals(const IVexNetworkAddress* other) const = 0;
  virtual vex::Result clone(IVexNetworkAddress** copy) const = 0;
  virtual bool is_valid() const = 0;
  virtual vex::Result normalize() = 0;   // canonical text; the old one stays on failure
  virtual const char* text() const = 0;  // lent, null without text

  virtual ~IVexNetworkAddress() = default;
};

using EProtocol = IVexNetworkAddress::EProtocol;

// An empty address: no text, protocol 0, port 0. Null with -3 when memory is
// exhausted.
IVexNetworkAddress* vex_create_network_address(vex::Result* err = nullptr);
// An address whose protocol comes from its text. A text of no known protocol
// gives null and that error; otherwise the address is filled with `set`,
// whose result goes to err.
IVexNetworkAddress* vex_create_network_address_text(const char* text, std::uint16_t port,
                                                    vex::Result* err = nullptr);
// An address filled with `set`; err receives its result and the address is
// returned even when `set` refused (a null text gives an empty address and -2).
IVexNetworkAddress* vex_create_network_address_full(const char* text, std::int32_t protocol,
                                                    std::uint16_t port, vex::Result* err = nullptr);
