#include "net/vex_network_address.h"

#include <cstring>
#include <string>

#include "net/transport_support.h"
#include "snmp/model/model_heap.h"

namespace vex {

Owned<IVexBuffer> lowered_text_buffer(const char* text, Result* result) {
  ResultOut out(result);
  Owned<IVexBuffer> buffer(vex_create_buffer(result));
  if (buffer == nullptr) return nullptr;
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
  }
  out = buffer->assign_text(lowered.c_str());
  if (failed(out.value())) return nullptr;
  return buffer;
}

}  // namespace vex

void CVexNetworkAddress::destroy() { delete this; }

vex::Result CVexNetworkAddress::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  vex::Result result = vex::kOk;
  vex::Owned<IVexBuffer> stored = vex::lowered_text_buffer(text, &result);
  if (stored == nullptr) return result;
  std::int32_t found = PROTOCOL_NONE;
  result = vex_protocol_of_text(stored->data(), &found);
  if (vex::failed(result)) return result;
  if (protocol_ != PROTOCOL_NONE && found != protocol_) return vex::kInvalidArgument;
  text_ = std::move(stored);
  if (protocol_ == PROTOCOL_NONE) protocol_ = found;
  return vex::kOk;
}

vex::Result CVexNetworkAddress::set(const char* text, std::int32_t protocol, std::uint16_t port) {
  if (text == nullptr) return vex::kInvalidArgument;
  vex::Result result = vex::kOk;
  vex::Owned<IVexBuffer> stored = vex::lowered_text_buffer(text, &result);
  if (stored == nullptr) return result;
  text_ = std::move(stored);
  if (protocol != PROTOCOL_NONE) protocol_ = protocol;
  if (port != 0) port_ = port;
  return vex::kOk;
}

// Without a text the copy is an empty buffer.
vex::Result CVexNetworkAddress::get(IVexBuffer** text, std::int32_t* protocol,
                                    std::uint16_t* port) {
  if (text == nullptr) return vex::kInvalidArgument;
  *text = nullptr;
  vex::Result result = vex::kOk;
  if (text_ != nullptr) {
    result = text_->clone(text);
  } else {
    *text = vex_create_buffer(&result);
  }
  if (vex::failed(result)) return result;
  if (protocol != nullptr) *protocol = protocol_;
  if (port != nullptr) *port = port_;
  return vex::kOk;
}

vex::Result CVexNetworkAddress::set_protocol(std::int32_t protocol) {
  protocol_ = protocol;
  return vex::kOk;
}

vex::Result CVexNetworkAddress::set_port(std::uint16_t port) {
  port_ = port;
  return vex::kOk;
}

bool CVexNetworkAddress::equals(const IVexNetworkAddress* other) const {
  if (other == nullptr) return false;
  bool same = false;
  if (vex::failed(vex_same_address_text(text(), other->text(), &same)) || !same) return false;
  if (protocol_ != other->protocol()) return false;
  return other->port() == 0 || other->port() == port_;
}

vex::Result CVexNetworkAddress::clone(IVexNetworkAddress** copy) const {
  if (copy == nullptr) return vex::kInvalidArgument;
  *copy = nullptr;
  vex::Result result = vex::kOk;
  vex::Owned<IVexNetworkAddress> made(vex::model_new<CVexNetworkAddress>(&result));
  if (made == nullptr) return result;
  result = made->set(text(), protocol_, port_);
  if (vex::failed(result)) return result;
  *copy = made.release();
  return vex::kOk;
}

bool CVexNetworkAddress::is_valid() const {
  bool is_address = false;
  return vex::succeeded(vex_is_address_text(text(), &is_address)) && is_address;
}

vex::Result CVexNetworkAddress::normalize() {
  IVexBuffer* canonical = nullptr;
  vex::Result result = vex_normalize_address_text(text(), &canonical);
  const vex::Owned<IVexBuffer> owner(canonical);
  if (vex::failed(result)) return result;
  vex::Owned<IVexBuffer> stored = vex::lowered_text_buffer(canonical->data(), &result);
  if (stored == nullptr) return result;
  text_ = std::move(stored);
  return vex::kOk;
}

// An empty text reads as "", not as null.
const char* CVexNetworkAddress::text() const {
  if (text_ == nullptr) return nullptr;
  const char* content = text_->data();
  return content != nullptr ? content : "";
}

IVexNetworkAddress* vex_create_network_address(vex::Result* err) {
  return vex::model_new<CVexNetworkAddress>(err);
}

IVexNetworkAddress* vex_create_network_address_text(const char* text, std::uint16_t port,
                                                    vex::Result* err) {
  vex::ResultOut out(err);
  vex::Owned<IVexNetworkAddress> address(vex_create_network_address(err));
  if (address == nullptr) return nullptr;
  std::int32_t protocol = IVexNetworkAddress::PROTOCOL_NONE;
  out = vex_protocol_of_text(text, &protocol);
  if (vex::failed(out.value())) return nullptr;
  out = address->set(text, protocol, port);
  return address.release();
}

IVexNetworkAddress* vex_create_network_address_full(const char* text, std::int32_t protocol,
                                                    std::uint16_t port, vex::Result* err) {
  vex::ResultOut out(err);
  IVexNetworkAddress* address = vex_create_network_address(err);
  if (address == nullptr) return nullptr;
  out = address->set(text, protocol, port);
  return address;
}
