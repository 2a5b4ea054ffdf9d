#pragma once

#include <cstddef>
#include <cstdint>

#include "device/options/option_values.h"
#include "framework/result_codes.h"
#include "net/network_address.h"
#include "plugin/dvk_plugin.h"
#include "plugin/session_parameters.h"

class IDvkPluginUSM;

namespace vex {
class OptionStore;
}

// Common option reader of a device session: reads a printer's configuration
// on refresh_options and serves it by option name. Its members leave the
// library: hosts may use the class directly.
class DVK_API CDvkDevCommOption {
 public:
  static constexpr std::size_t kCommunitySize = 256;

  CDvkDevCommOption();
  CDvkDevCommOption(const CDvkDevCommOption& other);
  CDvkDevCommOption& operator=(const CDvkDevCommOption& other);

  virtual void destroy();
  virtual void SetCommunityStr(const char* community);
  virtual std::int32_t refresh_options();
  virtual std::int32_t Init(EProtocol protocol, const char* address, IDvkPluginUSM* usm,
                            std::uint32_t timeout_ms, std::uint32_t retries,
                            std::uint32_t max_message_size);
  virtual bool is_supported_OID(const char* oid) = 0;
  // The text overload lends the object's own text.
  virtual std::int32_t get_option(const char* name, const char** value, std::int32_t index) const;
  virtual std::int32_t get_option(const char* name, std::uint32_t* value, std::int32_t index) const;
  virtual std::int32_t get_option(const char* name, std::int32_t* value, std::int32_t index) const;
  virtual std::int32_t get_option(const char* name, bool* value, std::int32_t index) const;
  virtual ~CDvkDevCommOption();

 protected:
  void initialize_data();
  std::int32_t refresh_system_attributes();
  std::int32_t refresh_hrdevice_table();
  std::int32_t refresh_input_tray_table();
  std::int32_t refresh_output_tray_table();
  std::int32_t refresh_memory_size();
  std::int32_t refresh_prt_media_table();
  std::int32_t refresh_netware_attributes();
  std::int32_t refresh_kfa_hrdev_detail_setting();
  // Reads major, minor and revision from the ROM version text: 0, or -1 with
  // the numbers unchanged when the text lacks the controller's form.
  std::int32_t parse_version_value();
  bool has_device_index(std::int32_t key) const;
  // Size code and feed direction of a medium given in micrometres; the
  // outputs stay as they are for any other unit or an unknown size.
  static void MediaDimensionToMediumSize(std::int32_t unit, std::int32_t feed_dimension,
                                         std::int32_t cross_feed_dimension,
                                         std::int32_t* medium_size, std::int32_t* direction);
  // Capacity and level in sheets as maximum and percent; the outputs stay as
  // they are for any other unit.
  static void ConvertMediumLevel(std::int32_t capacity_unit, std::int32_t max_capacity,
                                 std::int32_t current_level, std::int32_t* max_sheets,
                                 std::int32_t* level_percent);

  vex::SessionParameters session_;
  char community_[kCommunitySize] = {};
  bool community_given_ = false;
  vex::OptionValues values_{};

 private:
  friend class vex::OptionStore;
};
