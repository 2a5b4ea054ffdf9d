#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

#include "framework/result_codes.h"
#include "net/network_address.h"
#include "plugin/dvk_plugin.h"

class IDvkPluginUSM;

// One supported printer found by a search.
struct DvkFoundDevice {
  char sys_object_id[64];
  char model_name[64];
  char address[64];
};

// Results of one search and the position of the next one to hand out.
struct DvkFoundDeviceList {
  std::int32_t position = 0;
  std::deque<DvkFoundDevice> nodes;
};

// Discovery front end of a plug-in handle: the host's sysObjectID filters, the
// results of the last search and the position of the iteration over them.
class CDvkDeviceFinder {
 public:
  static constexpr std::size_t kFilterSlots = 50;
  static constexpr std::size_t kTextSize = 64;
  static constexpr std::size_t kCommunitySize = 256;

  struct SearchRequest {
    const char* address;  // null: the protocol's default destination
    EProtocol protocol;
    std::int32_t snmp_mode;
    const DvkUsmParameters* usm;
    std::uint32_t timeout_ms;
    std::uint32_t retries;
    const char* find_community;  // the handle's Find community, empty when not set
  };

  CDvkDeviceFinder() = default;
  CDvkDeviceFinder(const CDvkDeviceFinder&) = delete;
  CDvkDeviceFinder& operator=(const CDvkDeviceFinder&) = delete;

  vex::Result search(const SearchRequest& request, IDvkPluginUSM& usm, std::int32_t* count);

  vex::Result add_filter(const char* filter) noexcept;
  void clear_filters() noexcept;
  bool passes_filters(const char* sys_object_id) const noexcept;

  // Copies the next result into four buffers of kTextSize bytes each.
  bool get_next(char* address, char* model_name, char* reserved, char* sys_object_id) noexcept;
  void reset_position() noexcept;

  const char* community() const noexcept { return community_; }

  // Puts a result in front of the list, so results come out in reverse order.
  void add_result(const char* sys_object_id, const char* model_name, const char* address);
  std::int32_t result_count() const noexcept;

  static const char* default_destination(EProtocol protocol) noexcept;

 private:
  void discard_results() noexcept { results_.reset(); }

  std::optional<DvkFoundDeviceList> results_;
  std::array<std::array<char, kTextSize>, kFilterSlots> filters_{};
  char community_[kCommunitySize] = {};
};
