#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "framework/result_codes.h"

namespace vex {

// A printer model the plug-in serves, known by its sysObjectID.
struct SupportedDevice {
  const char* sys_object_id;
  const char* model_name;
};

// The supported models; the table ends with an entry whose model name is null.
std::span<const SupportedDevice> supported_device_table() noexcept;

// True when `sys_object_id` is `entry` itself or lies below it: the text after
// the entry is empty or starts with ".".
bool matches_supported_entry(std::string_view sys_object_id, std::string_view entry) noexcept;

// The first supported model whose entry `sys_object_id` matches, or null.
const SupportedDevice* find_supported_device(std::string_view sys_object_id) noexcept;

inline constexpr std::size_t kSysObjectIdSize = 256;

// Keeps a sysObjectID the agent answered (cut to the field) and answers 0 for
// a supported model, -2 for any other.
Result record_sys_object_id(char (&stored)[kSysObjectIdSize], std::string_view answered) noexcept;

}  // namespace vex
