#include "device/status/dvk_device_status.h"

#include "device/status/host_records.h"
#include "framework/fixed_text.h"

void CDvkDeviceStatus::set_read_community(const char* community) {
  if (community == nullptr) return;
  vex::copy_to_field(session_.read_community, community);
  session_.read_community_given = true;
}

void CDvkDeviceStatus::set_write_community(const char* community) {
  if (community == nullptr) return;
  vex::copy_to_field(session_.write_community, community);
}

vex::Result CDvkDeviceStatus::init(EProtocol protocol, const char* address,
                                   const IDvkPluginUSM* usm, std::uint32_t timeout_ms,
                                   std::uint32_t retries, std::uint32_t max_message_size) {
  if (address == nullptr || usm == nullptr) return vex::kInvalidArgument;
  vex::copy_to_field(session_.address, address);
  session_.protocol = protocol;
  switch (protocol) {
    case IVexNetworkAddress::PROTOCOL_IPV4:
    case IVexNetworkAddress::PROTOCOL_IPV6:
      session_.port = vex::StatusSession::kSnmpPort;
      break;
    case IVexNetworkAddress::PROTOCOL_IPX:
      session_.port = vex::StatusSession::kIpxSnmpSocket;
      break;
    default:
      return vex::kInvalidArgument;
  }
  session_.timeout_ms = timeout_ms;
  session_.retries = retries;
  session_.max_message_size = max_message_size;
  session_.snmp_mode = usm->get_snmp_mode();
  session_.user_name = usm->get_user_name();
  session_.security_level = usm->get_security_level();
  session_.auth_protocol = usm->get_auth_protocol();
  session_.priv_protocol = usm->get_priv_protocol();
  session_.auth_pass_phrase = usm->get_auth_pass_phrase();
  session_.priv_pass_phrase = usm->get_priv_pass_phrase();
  session_.context_name = usm->get_context_name();
  return vex::kOk;
}

// Empties the records, walks the table and keeps the converted rows that
// `keep` accepts; the count is written only when the walk and every
// conversion succeeded.
template <class Record, class Convert, class Keep>
vex::Result CDvkDeviceStatus::read_table(const vex::TableColumns& table,
                                         vex::RecordArray<Record>& records, Convert convert,
                                         Keep keep, std::int32_t* count) {
  if (count == nullptr) return vex::kInvalidArgument;
  records.clear();
  vex::StatusRows rows;
  if (const vex::Result walked = requests_->walk(session_, table, &rows); vex::failed(walked)) {
    return walked;
  }
  for (const vex::StatusRow& row : rows) {
    if (!keep(row)) continue;
    Record record;
    vex::Result step = convert(row, &record);
    if (vex::succeeded(step)) step = records.append(record);
    if (vex::failed(step)) return step;
  }
  *count = records.count();
  return vex::kOk;
}

namespace {

constexpr auto every_row = [](vex::RowView) { return true; };

}  // namespace

vex::Result CDvkDeviceStatus::number_of_storage(std::int32_t* count) {
  return read_table(vex::kStorageTable, storage_, vex::storage_record, every_row, count);
}

vex::Result CDvkDeviceStatus::get_storage(std::uint32_t index, DvkStorageInfo* record) const {
  return storage_.copy_out(index, record);
}

vex::Result CDvkDeviceStatus::number_of_devices(std::int32_t* count) {
  return read_table(vex::kDeviceTable, devices_, vex::device_record, every_row, count);
}

vex::Result CDvkDeviceStatus::get_device(std::uint32_t index, DvkDeviceInfo* record) const {
  return devices_.copy_out(index, record);
}

vex::Result CDvkDeviceStatus::printer_info(DvkPrinterInfo* record) {
  if (record == nullptr) return vex::kInvalidArgument;
  printer_ = DvkPrinterInfo{};
  vex::StatusRows rows;
  if (const vex::Result walked = requests_->walk(session_, vex::kPrinterTable, &rows);
      vex::failed(walked)) {
    return walked;
  }
  // Several printer rows: the last one's values remain.
  for (const vex::StatusRow& row : rows) {
    if (const vex::Result step = vex::printer_status(row, &printer_); vex::failed(step)) {
      return step;
    }
  }
  *record = printer_;
  return vex::kOk;
}

vex::Result CDvkDeviceStatus::number_of_input_trays(std::int32_t* count) {
  return read_table(vex::kInputTrayTable, input_trays_, vex::input_tray_record, every_row, count);
}

vex::Result CDvkDeviceStatus::get_input_tray(std::uint32_t index, DvkInputTrayInfo* record) const {
  return input_trays_.copy_out(index, record);
}

vex::Result CDvkDeviceStatus::number_of_output_trays(std::int32_t* count) {
  return read_table(vex::kOutputTrayTable, output_trays_, vex::output_tray_record, every_row,
                    count);
}

vex::Result CDvkDeviceStatus::get_output_tray(std::uint32_t index,
                                              DvkOutputTrayInfo* record) const {
  return output_trays_.copy_out(index, record);
}

vex::Result CDvkDeviceStatus::number_of_toners(std::int32_t* count) {
  return read_table(vex::kTonerTable, toners_, vex::toner_record, vex::is_toner_row, count);
}

vex::Result CDvkDeviceStatus::get_toner(std::uint32_t index, DvkTonerInfo* record) const {
  return toners_.copy_out(index, record);
}

vex::Result CDvkDeviceStatus::number_of_alerts(std::int32_t* count) {
  return read_table(vex::kAlertTable, alerts_, vex::alert_record, every_row, count);
}

vex::Result CDvkDeviceStatus::get_alert(std::uint32_t index, DvkAlertInfo* record) const {
  return alerts_.copy_out(index, record);
}
