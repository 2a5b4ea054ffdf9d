#pragma once

#include <cstdint>
#include <span>

#include "device/status/status_rows.h"
#include "framework/result_codes.h"
#include "plugin/dvk_plugin.h"

// Turn one walked row into its host record. Each record starts zeroed; texts
// are cut to their field, integers are kept as the agent sent them (negative
// Printer MIB codes included). The rows follow the column lists of
// status_tables.h. A failure is the model's (memory exhausted); the record is
// then not to be kept.
namespace vex {

Result storage_record(RowView row, DvkStorageInfo* record) noexcept;
Result device_record(RowView row, DvkDeviceInfo* record) noexcept;
// Overwrites both fields of the kept printer status with the row's values.
Result printer_status(RowView row, DvkPrinterInfo* status) noexcept;
Result input_tray_record(RowView row, DvkInputTrayInfo* record) noexcept;
Result output_tray_record(RowView row, DvkOutputTrayInfo* record) noexcept;
// The record of any supply row; only rows that is_toner_row accepts are kept.
Result toner_record(RowView row, DvkTonerInfo* record) noexcept;
bool is_toner_row(RowView row) noexcept;
Result alert_record(RowView row, DvkAlertInfo* record) noexcept;

// The first four octets of hrPrinterDetectedErrorState in order; octets the
// value does not have are zero.
void detected_error_state(std::span<const std::uint8_t> octets, std::uint8_t (&field)[4]) noexcept;

}  // namespace vex
