#include "device/status/status_requests.h"

namespace vex {
namespace {

class UnsupportedStatusRequests final : public StatusRequests {
 public:
  Result walk(const StatusSession&, const TableColumns&, StatusRows*) override {
    return kNotSupported;
  }
  Result get_integer(const StatusSession&, const char*, std::int32_t*) override {
    return kNotSupported;
  }
  Result get_text(const StatusSession&, const char*, char*, std::size_t) override {
    return kNotSupported;
  }
  Result set_integer(const StatusSession&, const char*, const char*, std::int32_t) override {
    return kNotSupported;
  }
};

}  // namespace

StatusRequests& unsupported_status_requests() noexcept {
  static UnsupportedStatusRequests requests;
  return requests;
}

}  // namespace vex
