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
  virtual vex::Result set_text(const char* text) = 0;
  virtual vex::Result set(const char* text, std::int32_t protocol, std::uint16_t port) = 0;
  virtual IVexBuffer* text_buffer() = 0;
  virtual vex::Result get(IVexBuffer** text, std::int32_t* protocol, std::uint16_t* port) = 0;
  virtual vex::Result set_protocol(std::int32_t protocol) = 0;
  virtual vex::Result set_port(std::uint16_t port) = 0;
  virtual std::int32_t protocol() const = 0;
  virtual std::uint16_t port() const = 0;
  virtual bool equals(const IVexNetworkAddress* other) const = 0;
  virtual vex::Result clone(IVexNetworkAddress** copy) const = 0;
  virtual bool is_valid() const = 0;
  virtual vex::Result normalize() = 0;
  virtual const char* text() const = 0;

 protected:
  ~IVexNetworkAddress() = default;
};

using EProtocol = IVexNetworkAddress::EProtocol;
