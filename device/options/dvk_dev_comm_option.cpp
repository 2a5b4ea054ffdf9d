#include "device/options/dvk_dev_comm_option.h"

#include "framework/fixed_text.h"

CDvkDevCommOption::CDvkDevCommOption() { initialize_data(); }

CDvkDevCommOption::CDvkDevCommOption(const CDvkDevCommOption& other) = default;

CDvkDevCommOption& CDvkDevCommOption::operator=(const CDvkDevCommOption& other) = default;

CDvkDevCommOption::~CDvkDevCommOption() = default;

void CDvkDevCommOption::destroy() { delete this; }

void CDvkDevCommOption::SetCommunityStr(const char* community) {
  if (community == nullptr) return;
  vex::copy_to_field(community_, community);
  community_given_ = true;
}

std::int32_t CDvkDevCommOption::Init(EProtocol protocol, const char* address, IDvkPluginUSM* usm,
                                     std::uint32_t timeout_ms, std::uint32_t retries,
                                     std::uint32_t max_message_size) {
  return vex::store_session_parameters(
      session_, {protocol, address, usm, timeout_ms, retries, max_message_size});
}

void CDvkDevCommOption::initialize_data() { values_ = vex::OptionValues{}; }

bool CDvkDevCommOption::has_device_index(std::int32_t key) const {
  for (const vex::DeviceEntry& device : values_.devices.view()) {
    if (device.index == key) return true;
  }
  return false;
}

std::int32_t CDvkDevCommOption::refresh_options() {
  initialize_data();
  for (auto refresh :
       {&CDvkDevCommOption::refresh_system_attributes, &CDvkDevCommOption::refresh_hrdevice_table,
        &CDvkDevCommOption::refresh_input_tray_table, &CDvkDevCommOption::refresh_output_tray_table,
        &CDvkDevCommOption::refresh_memory_size, &CDvkDevCommOption::refresh_prt_media_table,
        &CDvkDevCommOption::refresh_netware_attributes,
        &CDvkDevCommOption::refresh_kfa_hrdev_detail_setting}) {
    if (const std::int32_t result = (this->*refresh)(); result != vex::kOk) return result;
  }
  return vex::kOk;
}

// The reads go through the get-data client; until it exists each refresh
// reports that it cannot read, and vex::OptionStore keeps what a read returns.
std::int32_t CDvkDevCommOption::refresh_system_attributes() { return vex::kNotSupported; }
std::int32_t CDvkDevCommOption::refresh_hrdevice_table() { return vex::kNotSupported; }
std::int32_t CDvkDevCommOption::refresh_input_tray_table() { return vex::kNotSupported; }
std::int32_t CDvkDevCommOption::refresh_output_tray_table() { return vex::kNotSupported; }
std::int32_t CDvkDevCommOption::refresh_memory_size() { return vex::kNotSupported; }
std::int32_t CDvkDevCommOption::refresh_prt_media_table() { return vex::kNotSupported; }
std::int32_t CDvkDevCommOption::refresh_netware_attributes() { return vex::kNotSupported; }
std::int32_t CDvkDevCommOption::refresh_kfa_hrdev_detail_setting() { return vex::kNotSupported; }
