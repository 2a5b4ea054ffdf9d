#pragma once

#include <cstdint>
#include <utility>

#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "net/network_address.h"

namespace model_test {

// A real network address behind a spy: every operation goes to the address
// object, while the spy counts the live objects so that tests can see who
// deleted one, and can make clone() fail.
class StandInAddress final : public IVexNetworkAddress {
 public:
  explicit StandInAddress(vex::Owned<IVexNetworkAddress> real) : real_(std::move(real)) { ++live_; }
  StandInAddress(const StandInAddress&) = delete;
  StandInAddress& operator=(const StandInAddress&) = delete;
  ~StandInAddress() override { --live_; }

  static IVexNetworkAddress* make(const char* text, std::uint16_t port = 161) {
    return new StandInAddress(
        vex::Owned<IVexNetworkAddress>(vex_create_network_address_full(text, PROTOCOL_IPV4, port)));
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
  vex::Result set_text(const char* text) override { return real_->set_text(text); }
  vex::Result set(const char* text, std::int32_t protocol, std::uint16_t port) override {
    return real_->set(text, protocol, port);
  }
  IVexBuffer* text_buffer() override { return real_->text_buffer(); }
  vex::Result get(IVexBuffer** text, std::int32_t* protocol, std::uint16_t* port) override {
    return real_->get(text, protocol, port);
  }
  vex::Result set_protocol(std::int32_t protocol) override { return real_->set_protocol(protocol); }
  vex::Result set_port(std::uint16_t port) override { return real_->set_port(port); }
  std::int32_t protocol() const override { return real_->protocol(); }
  std::uint16_t port() const override { return real_->port(); }
  bool equals(const IVexNetworkAddress* other) const override { return real_->equals(other); }
  vex::Result clone(IVexNetworkAddress** copy) const override {
    if (copy == nullptr) return vex::kInvalidArgument;
    *copy = nullptr;
    if (fail_clones_) return vex::kOutOfMemory;
    IVexNetworkAddress* real_copy = nullptr;
    const vex::Result result = real_->clone(&real_copy);
    if (vex::failed(result)) return result;
    *copy = new StandInAddress(vex::Owned<IVexNetworkAddress>(real_copy));
    return vex::kOk;
  }
  bool is_valid() const override { return real_->is_valid(); }
  vex::Result normalize() override { return real_->normalize(); }
  const char* text() const override { return real_->text(); }

 private:
  static inline int live_ = 0;
  static inline bool fail_clones_ = false;

  vex::Owned<IVexNetworkAddress> real_;
};

}  // namespace model_test
