#include "tools/dvkctl/host_handle.h"

#include <string>
#include <utility>

namespace dvkctl {

HostHandle::HostHandle(const PluginLibrary& library)
    : library_(library), init_result_(library.DvkInit(&handle_)) {
  if (init_result_ < 0) handle_ = nullptr;
}

HostHandle::~HostHandle() {
  if (handle_ != nullptr) library_.DvkUnInit(handle_);
}

std::optional<Failure> prepare_handle(const HostHandle& handle, const SnmpArguments& snmp) {
  const PluginLibrary& library = handle.library();
  if (auto failure = failure_of(library.DvkInit, handle.init_result(), snmp)) return failure;
  const std::pair<const char*, const std::string&> communities[] = {
      {"CmdSetCommunityGetOption", snmp.read_community},
      {"CmdSetCommunityWrite", snmp.write_community},
      {"CmdSetCommunityFind", snmp.find_community},
  };
  for (const auto& [command, community] : communities) {
    if (community.empty()) continue;
    const std::int32_t result = library.DvkCommandString(handle.get(), command, community.c_str());
    if (auto failure = failure_of(library.DvkCommandString, result, snmp)) return failure;
  }
  return std::nullopt;
}

std::optional<Failure> open_device_session(const HostHandle& handle, const std::string& address,
                                           const SnmpArguments& snmp) {
  if (auto failure = prepare_handle(handle, snmp)) return failure;
  const PluginLibrary& library = handle.library();
  const std::int32_t result =
      library.DvkInitDeviceEx(handle.get(), address.c_str(), snmp.transport, snmp.snmp_mode,
                              usm_block(snmp), snmp.timeout_ms, snmp.retries);
  return failure_of(library.DvkInitDeviceEx, result, snmp);
}

}  // namespace dvkctl
