#include "platform/ip_help_api.h"

#include <cerrno>
#include <mutex>

#include "logging/vex_log.h"

namespace {

struct LayerState {
  std::mutex mutex;
  NVexIpHelpAPI::Platform platform = NVexIpHelpAPI::system_platform();
  bool loaded = false;
  VexIpHelpFunctions bound{};
};

LayerState& state() {
  static LayerState instance;
  return instance;
}

template <class Function>
void bind_one(const char* name, Function offered, Function& slot) {
  slot = offered;
  if (slot == nullptr) {
    vex_socket_logger()->log(
        vex::kLogError, "[NVexIpHelpAPI::set_api] fail GetProcAddress \"%s\": GetLastError()=%d",
        name, ENOSYS);
  }
}

vex::Result set_api(const VexIpHelpFunctions& library, VexIpHelpFunctions& bound) {
  const vex::TraceScope trace(vex_socket_logger(), "NVexIpHelpAPI::set_api");
  bind_one("GetBestInterfaceEx", library.get_best_interface_ex, bound.get_best_interface_ex);
  bind_one("GetAdaptersInfo", library.get_adapters_info, bound.get_adapters_info);
  bind_one("GetAdaptersAddresses", library.get_adapters_addresses, bound.get_adapters_addresses);
  return vex::kOk;
}

}  // namespace

NVexIpHelpAPI::Platform NVexIpHelpAPI::system_platform() {
  return {true,
          {&vex_linux_best_interface, &vex_linux_adapters_info, &vex_linux_adapters_addresses}};
}

vex::Result NVexIpHelpAPI::load() {
  LayerState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (s.loaded) return vex::kOk;
  if (!s.platform.library_present) return vex::kCannotLoad;
  VexIpHelpFunctions bound{};
  set_api(s.platform.functions, bound);
  s.bound = bound;
  s.loaded = true;
  return vex::kOk;
}

bool NVexIpHelpAPI::is_loaded() {
  LayerState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.loaded;
}

vex::Result NVexIpHelpAPI::require() { return load() == vex::kOk ? vex::kOk : vex::kCannotLoad; }

VexIpHelpFunctions NVexIpHelpAPI::api() {
  LayerState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.loaded ? s.bound : VexIpHelpFunctions{};
}

void NVexIpHelpAPI::replace_platform(const Platform& platform) {
  LayerState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.platform = platform;
  s.loaded = false;
  s.bound = {};
}
