#pragma once

#include <cstdint>

#include "framework/ownership.h"
#include "net/network_address.h"
#include "snmp/model/vex_buffer.h"

// The address object: a text buffer (hexadecimal letters lowered on store),
// a protocol and a port. What a text means is asked of the process's
// transport support.
class CVexNetworkAddress final : public IVexNetworkAddress {
 public:
  CVexNetworkAddress() = default;
  CVexNetworkAddress(const CVexNetworkAddress&) = delete;
  CVexNetworkAddress& operator=(const CVexNetworkAddress&) = delete;

  void destroy() override;
  vex::Result set_text(const char* text) override;
  vex::Result set(const char* text, std::int32_t protocol, std::uint16_t port) override;
  IVexBuffer* text_buffer() override { return text_.get(); }
  vex::Result get(IVexBuffer** text, std::int32_t* protocol, std::uint16_t* port) override;
  vex::Result set_protocol(std::int32_t protocol) override;
  vex::Result set_port(std::uint16_t port) override;
  std::int32_t protocol() const override { return protocol_; }
  std::uint16_t port() const override { return port_; }
  bool equals(const IVexNetworkAddress* other) const override;
  vex::Result clone(IVexNetworkAddress** copy) const override;
  bool is_valid() const override;
  vex::Result normalize() override;
  const char* text() const override;

 private:
  vex::Owned<IVexBuffer> text_;
  std::int32_t protocol_ = PROTOCOL_NONE;
  std::uint16_t port_ = 0;
};

namespace vex {

// A buffer holding `text` with "A" to "F" turned into "a" to "f"; null with
// -3 when memory is exhausted.
Owned<IVexBuffer> lowered_text_buffer(const char* text, Result* result);

}  // namespace vex
