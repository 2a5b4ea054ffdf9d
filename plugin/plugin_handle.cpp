#include "plugin/plugin_handle.h"

#include <cstring>
#include <new>

#include "framework/creator.h"
#include "framework/fixed_text.h"
#include "plugin/transport_codes.h"

CDvkPluginHandle* CDvkPluginHandle::create(vex::Result* result) {
  vex::ResultOut out(result);
  std::unique_ptr<CDvkPluginHandle> handle(new (std::nothrow) CDvkPluginHandle());
  if (!handle) {
    out = vex::kOutOfMemory;
    return nullptr;
  }
  handle->finder_.reset(new (std::nothrow) CDvkDeviceFinder());
  handle->usm_.reset(new (std::nothrow) CDvkPluginUSM());
  if (!handle->finder_ || !handle->usm_) {
    out = vex::kOutOfMemory;
    return nullptr;
  }
  out = vex::kOk;
  return handle.release();
}

CDvkPluginHandle::~CDvkPluginHandle() {
  option_.reset();
  finder_.reset();
  status_.reset();
  usm_.reset();
}

vex::Result CDvkPluginHandle::command_string(const char* command, const char* value) noexcept {
  char* target = nullptr;
  if (std::strcmp(command, "CmdSetCommunityGetOption") == 0) {
    target = get_option_community_;
  } else if (std::strcmp(command, "CmdSetCommunityFind") == 0) {
    target = find_community_;
  } else if (std::strcmp(command, "CmdSetCommunityWrite") == 0) {
    target = write_community_;
  } else {
    return vex::kNotSupported;
  }
  vex::copy_to_field(target, kCommunitySize, value);
  return vex::kOk;
}

vex::Result CDvkPluginHandle::find_device(const char* address, std::int32_t transport,
                                          std::int32_t snmp_mode, const DvkUsmParameters& usm,
                                          std::uint32_t timeout_ms, std::uint32_t retries,
                                          std::int32_t* count) {
  EProtocol protocol = IVexNetworkAddress::PROTOCOL_NONE;
  if (const vex::Result mapped = dvk_protocol_of_transport(transport, &protocol); mapped != 0) {
    return mapped;
  }
  const CDvkDeviceFinder::SearchRequest request{address,    protocol, snmp_mode,      &usm,
                                                timeout_ms, retries,  find_community_};
  return finder_->search(request, *usm_, count);
}

vex::Result CDvkPluginHandle::init_device(const char* address, std::int32_t transport,
                                          std::int32_t snmp_mode, const DvkUsmParameters& usm,
                                          std::uint32_t timeout_ms, std::uint32_t retries) {
  (void)address, (void)snmp_mode, (void)usm, (void)timeout_ms, (void)retries;
  EProtocol protocol = IVexNetworkAddress::PROTOCOL_NONE;
  if (const vex::Result mapped = dvk_protocol_of_transport(transport, &protocol); mapped != 0) {
    return mapped;
  }
  // Device sessions need the option reader and status reader proper.
  return vex::kNotSupported;
}
