#pragma once

#include <memory>

#include "device/discovery/device_finder.h"
#include "device/options/dvk_corvo_kelm_option.h"
#include "device/status/dvk_device_status.h"
#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "plugin/plugin_usm.h"

// What a host holds between DvkInit and DvkUnInit: the finder, the SNMP
// parameters, the three community strings and, after a device set-up, the
// option object and status reader of the current device session.
class CDvkPluginHandle {
 public:
  static constexpr std::size_t kCommunitySize = 256;

  // Builds a handle with its finder and parameter object; -3 when any
  // allocation fails, in which case nothing is left behind.
  static CDvkPluginHandle* create(vex::Result* result);
  ~CDvkPluginHandle();
  CDvkPluginHandle(const CDvkPluginHandle&) = delete;
  CDvkPluginHandle& operator=(const CDvkPluginHandle&) = delete;

  vex::Result command_string(const char* command, const char* value) noexcept;

  vex::Result find_device(const char* address, std::int32_t transport, std::int32_t snmp_mode,
                          const DvkUsmParameters& usm, std::uint32_t timeout_ms,
                          std::uint32_t retries, std::int32_t* count);
  vex::Result init_device(const char* address, std::int32_t transport, std::int32_t snmp_mode,
                          const DvkUsmParameters& usm, std::uint32_t timeout_ms,
                          std::uint32_t retries);

  CDvkDeviceFinder& finder() noexcept { return *finder_; }
  IDvkPluginUSM& usm() noexcept { return *usm_; }
  CDvkCorvoKelmOption* option() noexcept { return option_.get(); }
  CDvkDeviceStatus* status() noexcept { return status_.get(); }

  const char* find_community() const noexcept { return find_community_; }
  const char* get_option_community() const noexcept { return get_option_community_; }
  const char* write_community() const noexcept { return write_community_; }

 private:
  CDvkPluginHandle() = default;

  std::unique_ptr<CDvkCorvoKelmOption> option_;
  std::unique_ptr<CDvkDeviceFinder> finder_;
  char find_community_[kCommunitySize] = {};
  char get_option_community_[kCommunitySize] = {};
  char write_community_[kCommunitySize] = {};
  std::unique_ptr<CDvkDeviceStatus> status_;
  vex::Owned<IDvkPluginUSM> usm_;
};
