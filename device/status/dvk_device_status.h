#pragma once

#include <cstdint>

#include "device/status/record_array.h"
#include "device/status/status_requests.h"
#include "device/status/status_session.h"
#include "framework/result_codes.h"
#include "plugin/dvk_plugin.h"
#include "plugin/plugin_usm.h"

// Status reader of a device session: each count call reads its table from the
// printer and keeps the rows as host records, the matching getter copies one
// kept record. Getters send nothing; a getter index that is not below the
// count of the last reading gives -11.
class CDvkDeviceStatus {
 public:
  // Sends its requests through `requests`, which must outlive the reader.
  explicit CDvkDeviceStatus(vex::StatusRequests& requests = vex::unsupported_status_requests())
      : requests_(&requests) {}
  CDvkDeviceStatus(const CDvkDeviceStatus&) = delete;
  CDvkDeviceStatus& operator=(const CDvkDeviceStatus&) = delete;
  virtual ~CDvkDeviceStatus() = default;

  // Set-up, in this order. The communities are cut to 255 characters; a null
  // text changes nothing.
  virtual void set_read_community(const char* community);
  virtual void set_write_community(const char* community);
  // Keeps the session parameters. Protocol 1 or 4 uses port 161, protocol 2
  // port 36879; any other protocol gives -2 with only address and protocol
  // kept. Null address or parameters: -2, nothing kept.
  virtual vex::Result init(EProtocol protocol, const char* address, const IDvkPluginUSM* usm,
                           std::uint32_t timeout_ms, std::uint32_t retries,
                           std::uint32_t max_message_size);

  virtual vex::Result number_of_storage(std::int32_t* count);
  virtual vex::Result get_storage(std::uint32_t index, DvkStorageInfo* record) const;
  virtual vex::Result number_of_devices(std::int32_t* count);
  virtual vex::Result get_device(std::uint32_t index, DvkDeviceInfo* record) const;
  virtual vex::Result printer_info(DvkPrinterInfo* record);
  virtual vex::Result number_of_input_trays(std::int32_t* count);
  virtual vex::Result get_input_tray(std::uint32_t index, DvkInputTrayInfo* record) const;
  virtual vex::Result number_of_output_trays(std::int32_t* count);
  virtual vex::Result get_output_tray(std::uint32_t index, DvkOutputTrayInfo* record) const;
  virtual vex::Result number_of_toners(std::int32_t* count);
  virtual vex::Result get_toner(std::uint32_t index, DvkTonerInfo* record) const;
  virtual vex::Result number_of_alerts(std::int32_t* count);
  virtual vex::Result get_alert(std::uint32_t index, DvkAlertInfo* record) const;
  // Kind 0 to 2 (job_records.h). The job character set is read first while
  // it is still 0, and kept.
  virtual vex::Result number_of_jobs(std::int32_t kind, std::int32_t* count);
  virtual vex::Result get_job(std::uint32_t index, DvkJobInfo* record) const;
  virtual vex::Result cancel_job(const char* job_id);
  // Kind 0 (printer) or 1 (job texts): reads the character set and keeps it.
  virtual vex::Result character_set(std::int32_t kind, std::int32_t* value);

  const vex::StatusSession& session() const noexcept { return session_; }

 private:
  template <class Record, class Convert, class Keep>
  vex::Result read_table(const vex::TableColumns& table, vex::RecordArray<Record>& records,
                         Convert convert, Keep keep, std::int32_t* count);
  vex::Result read_character_set(std::int32_t kind);
  vex::Result read_jobs(std::int32_t kind);
  std::int32_t& kept_character_set(std::int32_t kind) noexcept;

  vex::StatusRequests* requests_;
  vex::StatusSession session_;
  vex::RecordArray<DvkStorageInfo> storage_;
  vex::RecordArray<DvkDeviceInfo> devices_;
  DvkPrinterInfo printer_{};
  vex::RecordArray<DvkInputTrayInfo> input_trays_;
  vex::RecordArray<DvkOutputTrayInfo> output_trays_;
  vex::RecordArray<DvkTonerInfo> toners_;
  vex::RecordArray<DvkAlertInfo> alerts_;
  vex::RecordArray<DvkJobInfo> jobs_;
  std::int32_t printer_character_set_ = 0;
  std::int32_t job_character_set_ = 0;
};
