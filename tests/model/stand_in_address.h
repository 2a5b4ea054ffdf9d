#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "framework/result_codes.h"
#include "net/network_address.h"

namespace model_test {

// The least network address the model needs: text, protocol and port, with
// a count of live objects so that tests can see who deleted one, and a
// switch that makes clone() fail.
class StandInAddress final : public IVexNetworkAddress {
 public:
  StandInAddress(std::string text, std::int32_t protocol, std::uint16_t port)
      : text_(std::move(text)), protocol_(protocol), port_(port) {
    ++live_;
  }
  StandInAddress(const StandInAddress& other)
      : text_(other.text_), protocol_(other.protocol_), port_(other.port_) {
    ++live_;
  }
  StandInAddress& operator=(const StandInAddress&) = delete;
  ~StandInAddress() { --live_; }

  static IVexNetworkAddress* make(const char* text, std::uint16_t port = 161) {
    return new StandInAddress(text, PROTOCOL_IPV4, port);
  }
  static int live() { return live_; }

  // While alive, every clone() answers -3.
  class FailingClones {
   public:
    FailingClones() { fail_clones_ = true; }
    ~FailingClones() { fail_clones_ = false; }
    FailingClones(const FailingClones&) = delete;
    FailingClones& operator=(const FailingClones&) = delete;
  };

  void destroy() override { delete this; }
  vex::Result set_text(const char* text) override {
    if (text == nullptr) return vex::kInvalidArgument;
    text_ = text;
    return vex::kOk;
  }
  vex::Result set(const char* text, std::int32_t protocol, std::uint16_t port) override {
    protocol_ = protocol;
    port_ = port;
    return set_text(text);
  }
  IVexBuffer* text_buffer() override { return nullptr; }
  vex::Result get(IVexBuffer** /*text*/, std::int32_t* /*protocol*/,
                  std::uint16_t* /*port*/) override {
    return vex::kNotSupported;
  }
  vex::Result set_protocol(std::int32_t protocol) override {
    protocol_ = protocol;
    return vex::kOk;
  }
  vex::Result set_port(std::uint16_t port) override {
    port_ = port;
    return vex::kOk;
  }
  std::int32_t protocol() const override { return protocol_; }
  std::uint16_t port() const override { return port_; }
  bool equals(const IVexNetworkAddress* other) const override {
    return other != nullptr && text_ == other->text() && protocol_ == other->protocol() &&
           port_ == other->port();
  }
  vex::Result clone(IVexNetworkAddress** copy) const override {
    if (copy == nullptr) return vex::kInvalidArgument;
    *copy = fail_clones_ ? nullptr : new StandInAddress(*this);
    return fail_clones_ ? vex::kOutOfMemory : vex::kOk;
  }
  bool is_valid() const override { return !text_.empty(); }
  vex::Result normalize() override { return vex::kOk; }
  const char* text() const override { return text_.c_str(); }

 private:
  static inline int live_ = 0;
  static inline bool fail_clones_ = false;

  std::string text_;
  std::int32_t protocol_;
  std::uint16_t port_;
};

}  // namespace model_test
