#include "device/status/host_records.h"

#include <algorithm>
#include <cstring>

#include "device/status/type_codes.h"

namespace vex {
namespace {

constexpr std::int32_t kSupplyTypeToner = 3;

template <class Record>
void zero(Record* record) noexcept {
  std::memset(record, 0, sizeof(Record));
}

}  // namespace

Result storage_record(RowView row, DvkStorageInfo* record) noexcept {
  if (record == nullptr) return kInvalidArgument;
  zero(record);
  RowReader cells(kStorageTable, row);
  record->storage_type = cells.text_code(0, storage_type_code);
  record->allocation_units = cells.integer(1);
  record->size = cells.integer(2);
  cells.text(3, record->description);
  return cells.status();
}

Result device_record(RowView row, DvkDeviceInfo* record) noexcept {
  if (record == nullptr) return kInvalidArgument;
  zero(record);
  RowReader cells(kDeviceTable, row);
  record->device_type = cells.text_code(0, device_type_code);
  record->device_status = cells.integer(1);
  cells.text(2, record->description);
  return cells.status();
}

Result printer_status(RowView row, DvkPrinterInfo* status) noexcept {
  if (status == nullptr) return kInvalidArgument;
  const RowReader cells(kPrinterTable, row);
  status->printer_status = cells.integer(0);
  detected_error_state(cells.bytes(1), status->detected_error_state);
  return cells.status();
}

Result input_tray_record(RowView row, DvkInputTrayInfo* record) noexcept {
  if (record == nullptr) return kInvalidArgument;
  zero(record);
  RowReader cells(kInputTrayTable, row);
  record->input_type = cells.integer(0);
  record->dimension_unit = cells.integer(1);
  record->feed_dimension_declared = cells.integer(2);
  record->cross_feed_dimension_declared = cells.integer(3);
  record->feed_dimension_chosen = cells.integer(4);
  record->cross_feed_dimension_chosen = cells.integer(5);
  record->capacity_unit = cells.integer(6);
  record->max_capacity = cells.integer(7);
  record->current_level = cells.integer(8);
  record->status = cells.integer(9);
  cells.text(10, record->media_name);
  cells.text(11, record->input_name);
  cells.text(12, record->description);
  cells.text(13, record->media_type);
  cells.text(14, record->media_color);
  return cells.status();
}

Result output_tray_record(RowView row, DvkOutputTrayInfo* record) noexcept {
  if (record == nullptr) return kInvalidArgument;
  zero(record);
  RowReader cells(kOutputTrayTable, row);
  record->output_type = cells.integer(0);
  record->status = cells.integer(1);
  cells.text(2, record->output_name);
  cells.text(3, record->description);
  return cells.status();
}

bool is_toner_row(RowView row) noexcept {
  return RowReader(kTonerTable, row).integer(0) == kSupplyTypeToner;
}

Result toner_record(RowView row, DvkTonerInfo* record) noexcept {
  if (record == nullptr) return kInvalidArgument;
  zero(record);
  RowReader cells(kTonerTable, row);
  record->supply_unit = cells.integer(1);
  record->max_capacity = cells.integer(2);
  record->level = cells.integer(3);
  cells.text(4, record->description);
  return cells.status();
}

Result alert_record(RowView row, DvkAlertInfo* record) noexcept {
  if (record == nullptr) return kInvalidArgument;
  zero(record);
  RowReader cells(kAlertTable, row);
  record->severity_level = cells.integer(0);
  record->group = cells.integer(1);
  record->group_index = cells.integer(2);
  record->location = cells.integer(3);
  record->code = cells.integer(4);
  cells.text(5, record->description);
  return cells.status();
}

void detected_error_state(std::span<const std::uint8_t> octets, std::uint8_t (&field)[4]) noexcept {
  std::memset(field, 0, sizeof field);
  std::copy_n(octets.begin(), std::min(octets.size(), sizeof field), field);
}

}  // namespace vex
