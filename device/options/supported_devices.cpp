#include "device/options/supported_devices.h"

#include <array>

#include "framework/fixed_text.h"

namespace vex {

namespace {

constexpr std::array<SupportedDevice, 2> kSupportedDevices = {{
    {"1.3.6.1.4.1.119.1.40.297.93.1.38.8.6", "Quillmark 5150"},
    {nullptr, nullptr},
}};

}  // namespace

std::span<const SupportedDevice> supported_device_table() noexcept { return kSupportedDevices; }

bool matches_supported_entry(std::string_view sys_object_id, std::string_view entry) noexcept {
  if (!sys_object_id.starts_with(entry)) return false;
  return sys_object_id.size() == entry.size() || sys_object_id[entry.size()] == '.';
}

const SupportedDevice* find_supported_device(std::string_view sys_object_id) noexcept {
  for (const SupportedDevice& device : supported_device_table()) {
    if (device.model_name == nullptr) break;
    if (matches_supported_entry(sys_object_id, device.sys_object_id)) return &device;
  }
  return nullptr;
}

Result record_sys_object_id(char (&stored)[kSysObjectIdSize], std::string_view answered) noexcept {
  copy_to_field(stored, answered);
  return find_supported_device(answered) != nullptr ? kOk : kInvalidArgument;
}

}  // namespace vex
