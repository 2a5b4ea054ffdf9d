#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "plugin/dvk_plugin.h"

// Status reader of a device session: each count call reads its table from the
// printer, the matching getter copies one kept record.
class CDvkDeviceStatus {
 public:
  CDvkDeviceStatus() = default;
  CDvkDeviceStatus(const CDvkDeviceStatus&) = delete;
  CDvkDeviceStatus& operator=(const CDvkDeviceStatus&) = delete;
  virtual ~CDvkDeviceStatus() = default;

  virtual vex::Result number_of_storage(std::int32_t* count);
  virtual vex::Result storage(std::uint32_t index, DvkStorageInfo* record) const;
  virtual vex::Result number_of_devices(std::int32_t* count);
  virtual vex::Result device(std::uint32_t index, DvkDeviceInfo* record) const;
  virtual vex::Result printer(DvkPrinterInfo* record);
  virtual vex::Result number_of_input_trays(std::int32_t* count);
  virtual vex::Result input_tray(std::uint32_t index, DvkInputTrayInfo* record) const;
  virtual vex::Result number_of_output_trays(std::int32_t* count);
  virtual vex::Result output_tray(std::uint32_t index, DvkOutputTrayInfo* record) const;
  virtual vex::Result number_of_toners(std::int32_t* count);
  virtual vex::Result toner(std::uint32_t index, DvkTonerInfo* record) const;
  virtual vex::Result number_of_alerts(std::int32_t* count);
  virtual vex::Result alert(std::uint32_t index, DvkAlertInfo* record) const;
  virtual vex::Result number_of_jobs(std::int32_t kind, std::int32_t* count);
  virtual vex::Result job(std::uint32_t index, DvkJobInfo* record) const;
  virtual vex::Result cancel_job(const char* job_id);
  virtual vex::Result character_set(std::int32_t kind, std::int32_t* value);
};
