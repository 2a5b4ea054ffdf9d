#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vex {

// One hrDeviceTable row as the option reader keeps it.
struct DeviceEntry {
  std::int32_t index;
  std::int32_t status;
  char description[64];
};

// One prtInputTable row with its medium size and level worked out.
struct InputTrayEntry {
  std::int32_t number;  // 1-based position of the row in the walk
  std::int32_t type;
  std::int32_t medium_size;
  std::int32_t medium_direction;
  std::int32_t max_sheets;
  std::int32_t level_percent;
  std::int32_t feed_dimension;
  std::int32_t cross_feed_dimension;
  char name[64];
  char description[256];
  char media_type[256];
};

// One prtOutputTable row.
struct OutputTrayEntry {
  std::int32_t number;
  std::int32_t type;
  std::int32_t offset_stacking;
};

// A count and a fixed number of entries; rows beyond the last entry are
// dropped without an error.
template <class Entry, std::size_t Capacity>
struct BoundedList {
  static constexpr std::size_t kCapacity = Capacity;

  std::int32_t count;
  Entry entries[Capacity];

  // The next free entry, zeroed, or null when the list is full.
  Entry* append() noexcept {
    if (count < 0 || static_cast<std::size_t>(count) >= Capacity) return nullptr;
    Entry* entry = &entries[count++];
    *entry = Entry{};
    return entry;
  }
  std::span<const Entry> view() const noexcept {
    return {entries, count > 0 ? static_cast<std::size_t>(count) : 0};
  }
};

// Everything a refresh reads from the printer. Value-initialised, every text
// is empty, every flag false and every number and count 0.
struct OptionValues {
  char rom_version[64];
  char system_name[256];
  char netware_name[256];
  bool duplex_module;
  bool manual_feed_tray;
  std::int32_t memory_size_kb;
  std::int32_t rom_version_major;
  std::int32_t rom_version_minor;
  std::int32_t rom_version_revision;
  std::int32_t min_password_length;
  std::int32_t user_prompt_setting;
  BoundedList<DeviceEntry, 50> devices;
  BoundedList<InputTrayEntry, 20> input_trays;
  BoundedList<OutputTrayEntry, 20> output_trays;
};

}  // namespace vex
