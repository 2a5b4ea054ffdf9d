#pragma once

#include <cstdint>
#include <optional>

#include "tools/dvkctl/arguments.h"
#include "tools/dvkctl/failure.h"
#include "tools/dvkctl/plugin_library.h"

namespace dvkctl {

// A plug-in handle from DvkInit, released with DvkUnInit.
class HostHandle {
 public:
  explicit HostHandle(const PluginLibrary& library);
  HostHandle(const HostHandle&) = delete;
  HostHandle& operator=(const HostHandle&) = delete;
  ~HostHandle();

  const PluginLibrary& library() const noexcept { return library_; }
  void* get() const noexcept { return handle_; }
  std::int32_t init_result() const noexcept { return init_result_; }

 private:
  const PluginLibrary& library_;
  void* handle_ = nullptr;
  std::int32_t init_result_;
};

// The failure of a negative `result` of `call`, nothing otherwise.
template <class Function>
std::optional<Failure> failure_of(const Export<Function>& call, std::int32_t result,
                                  const SnmpArguments& snmp) {
  if (result >= 0) return std::nullopt;
  return plugin_failure(call.name, result, snmp);
}

// Checks that DvkInit succeeded and hands the given communities to the handle,
// as a host does before a search or a device set-up.
std::optional<Failure> prepare_handle(const HostHandle& handle, const SnmpArguments& snmp);

// prepare_handle, then the device set-up with DvkInitDeviceEx.
std::optional<Failure> open_device_session(const HostHandle& handle, const std::string& address,
                                           const SnmpArguments& snmp);

}  // namespace dvkctl
