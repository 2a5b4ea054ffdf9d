#pragma once

#include <array>
#include <cstddef>

// The MIB objects each refresh asks for. A table walk requests its columns in
// the order listed here, with the first column as the walk's root, and every
// answered row holds one value per column in this order.
namespace vex {

inline constexpr const char* kSysNameOid = "1.3.6.1.2.1.1.5";          // scalar
inline constexpr const char* kSysObjectIdOid = "1.3.6.1.2.1.1.2";      // scalar
inline constexpr const char* kHrMemorySizeOid = "1.3.6.1.2.1.25.2.2";  // scalar
inline constexpr const char* kNetWareUnitNameOid =
    "1.3.6.1.4.1.253.8.64.4.2.1.7.10.19159104";  // instance included
inline constexpr std::array<const char*, 2> kPasswordPolicyOids = {
    "1.3.6.1.4.1.253.8.53.13.2.1.6.1.1.5",  // minimum password length
    "1.3.6.1.4.1.253.8.53.13.2.1.6.1.1.6",  // user prompt setting
};

struct HrDeviceColumn {
  enum : std::size_t { kIndex, kDescription, kStatus, kCount };
};
inline constexpr std::array<const char*, HrDeviceColumn::kCount> kHrDeviceColumns = {
    "1.3.6.1.2.1.25.3.2.1.1", "1.3.6.1.2.1.25.3.2.1.3", "1.3.6.1.2.1.25.3.2.1.5"};

struct InputTrayColumn {
  enum : std::size_t {
    kType,
    kDimensionUnit,
    kFeedDimension,
    kCrossFeedDimension,
    kCapacityUnit,
    kMaxCapacity,
    kCurrentLevel,
    kName,
    kDescription,
    kMediaType,
    kCount
  };
};
inline constexpr std::array<const char*, InputTrayColumn::kCount> kInputTrayColumns = {
    "1.3.6.1.2.1.43.8.2.1.2",  "1.3.6.1.2.1.43.8.2.1.3",  "1.3.6.1.2.1.43.8.2.1.6",
    "1.3.6.1.2.1.43.8.2.1.7",  "1.3.6.1.2.1.43.8.2.1.8",  "1.3.6.1.2.1.43.8.2.1.9",
    "1.3.6.1.2.1.43.8.2.1.10", "1.3.6.1.2.1.43.8.2.1.13", "1.3.6.1.2.1.43.8.2.1.18",
    "1.3.6.1.2.1.43.8.2.1.21"};

struct OutputTrayColumn {
  enum : std::size_t { kType, kName, kOffsetStacking, kCount };
};
inline constexpr std::array<const char*, OutputTrayColumn::kCount> kOutputTrayColumns = {
    "1.3.6.1.2.1.43.9.2.1.2", "1.3.6.1.2.1.43.9.2.1.7", "1.3.6.1.2.1.43.9.2.1.24"};

struct MediaPathColumn {
  enum : std::size_t { kType, kCount };
};
inline constexpr std::array<const char*, MediaPathColumn::kCount> kMediaPathColumns = {
    "1.3.6.1.2.1.43.13.4.1.9"};

}  // namespace vex
