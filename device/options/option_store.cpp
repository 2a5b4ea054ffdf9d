#include "device/options/option_store.h"

#include "device/options/dvk_dev_comm_option.h"
#include "device/options/option_objects.h"
#include "framework/fixed_text.h"

namespace vex {

namespace {

constexpr std::int32_t kRomVersionDevice = 10;
constexpr std::int32_t kSheetFeedManual = 5;         // prtInputType sheetFeedManual(5)
constexpr std::int32_t kLongEdgeBindingDuplex = 3;   // prtMediaPathType
constexpr std::int32_t kShortEdgeBindingDuplex = 4;  // prtMediaPathType
constexpr std::int32_t kNoKnownSize = 10000;
constexpr std::int32_t kNoKnownDirection = 1;

}  // namespace

void OptionStore::system_name(std::string_view text) noexcept {
  copy_to_field(option_.values_.system_name, text);
}

Result OptionStore::hrdevice_rows(std::span<const AgentRow> rows) {
  OptionValues& values = option_.values_;
  Result result = kOk;
  for (const AgentRow& row : rows) {
    const std::int32_t index = number_at(row, HrDeviceColumn::kIndex);
    const std::string_view description = text_at(row, HrDeviceColumn::kDescription);
    if (index == kRomVersionDevice) {
      copy_to_field(values.rom_version, description);
      result = option_.parse_version_value();
    }
    if (DeviceEntry* device = values.devices.append()) {
      device->index = index;
      device->status = number_at(row, HrDeviceColumn::kStatus);
      copy_to_field(device->description, description);
    }
  }
  return result;
}

void OptionStore::input_tray_rows(std::span<const AgentRow> rows) {
  OptionValues& values = option_.values_;
  std::int32_t number = 0;
  for (const AgentRow& row : rows) {
    ++number;
    const std::int32_t type = number_at(row, InputTrayColumn::kType);
    if (type == kSheetFeedManual) values.manual_feed_tray = true;
    InputTrayEntry* tray = values.input_trays.append();
    if (tray == nullptr) continue;
    tray->number = number;
    tray->type = type;
    tray->feed_dimension = number_at(row, InputTrayColumn::kFeedDimension);
    tray->cross_feed_dimension = number_at(row, InputTrayColumn::kCrossFeedDimension);
    tray->medium_size = kNoKnownSize;
    tray->medium_direction = kNoKnownDirection;
    CDvkDevCommOption::MediaDimensionToMediumSize(number_at(row, InputTrayColumn::kDimensionUnit),
                                                  tray->feed_dimension, tray->cross_feed_dimension,
                                                  &tray->medium_size, &tray->medium_direction);
    tray->max_sheets = -1;
    tray->level_percent = -1;
    CDvkDevCommOption::ConvertMediumLevel(number_at(row, InputTrayColumn::kCapacityUnit),
                                          number_at(row, InputTrayColumn::kMaxCapacity),
                                          number_at(row, InputTrayColumn::kCurrentLevel),
                                          &tray->max_sheets, &tray->level_percent);
    copy_to_field(tray->name, text_at(row, InputTrayColumn::kName));
    copy_to_field(tray->description, text_at(row, InputTrayColumn::kDescription));
    copy_to_field(tray->media_type, text_at(row, InputTrayColumn::kMediaType));
  }
}

// The output tray's name is requested with the row but not kept.
void OptionStore::output_tray_rows(std::span<const AgentRow> rows) noexcept {
  OptionValues& values = option_.values_;
  std::int32_t number = 0;
  for (const AgentRow& row : rows) {
    ++number;
    OutputTrayEntry* tray = values.output_trays.append();
    if (tray == nullptr) continue;
    tray->number = number;
    tray->type = number_at(row, OutputTrayColumn::kType);
    tray->offset_stacking = number_at(row, OutputTrayColumn::kOffsetStacking);
  }
}

void OptionStore::memory_size(std::int32_t kilobytes) noexcept {
  option_.values_.memory_size_kb = kilobytes;
}

void OptionStore::media_path_rows(std::span<const AgentRow> rows) noexcept {
  for (const AgentRow& row : rows) {
    const std::int32_t type = number_at(row, MediaPathColumn::kType);
    if (type == kLongEdgeBindingDuplex || type == kShortEdgeBindingDuplex) {
      option_.values_.duplex_module = true;
    }
  }
}

void OptionStore::netware_name(std::string_view text) noexcept {
  copy_to_field(option_.values_.netware_name, text);
}

void OptionStore::password_policy(std::int32_t min_password_length,
                                  std::int32_t user_prompt_setting) noexcept {
  OptionValues& values = option_.values_;
  if (min_password_length >= 0) values.min_password_length = min_password_length;
  if (user_prompt_setting >= 0) values.user_prompt_setting = user_prompt_setting;
}

}  // namespace vex
