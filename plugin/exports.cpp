// The flat host interface: every function checks its pointer arguments and
// forwards to the handle or to an object the handle owns, returning that
// object's result unchanged.
#include <cstring>

#include "plugin/dvk_plugin.h"
#include "plugin/option_text.h"
#include "plugin/plugin_handle.h"
#include "plugin/record_layout.h"

namespace {

CDvkPluginHandle* as_handle(void* handle) noexcept {
  return static_cast<CDvkPluginHandle*>(handle);
}

const DvkUsmParameters& all_zero_usm() noexcept {
  static const DvkUsmParameters zero{};
  return zero;
}

template <class Out, class Call>
std::int32_t with_status(void* handle, Out* out, Call&& call) {
  if (handle == nullptr || out == nullptr) return vex::kInvalidArgument;
  CDvkDeviceStatus* status = as_handle(handle)->status();
  if (status == nullptr) return vex::kNotInitialised;
  return call(*status);
}

template <class Value>
std::int32_t get_option_value(void* handle, const char* name, std::uint16_t index, Value* value) {
  if (handle == nullptr || name == nullptr || value == nullptr) return vex::kInvalidArgument;
  const CDvkCorvoKelmOption* option = as_handle(handle)->option();
  if (option == nullptr) return vex::kNotInitialised;
  return option->get_option(name, value, static_cast<std::int32_t>(index));
}

}  // namespace

extern "C" {

std::int32_t DvkInit(void** handle) {
  if (handle == nullptr) return vex::kInvalidArgument;
  vex::Result result = vex::kOk;
  CDvkPluginHandle* created = CDvkPluginHandle::create(&result);
  if (created == nullptr) return result;
  *handle = created;
  return vex::kOk;
}

void DvkUnInit(void* handle) { delete as_handle(handle); }

std::int32_t DvkCommandString(void* handle, const char* command, const char* value) {
  if (handle == nullptr || command == nullptr || value == nullptr) return vex::kInvalidArgument;
  return as_handle(handle)->command_string(command, value);
}

std::int32_t DvkCommandInteger(void* handle, const char*, std::int32_t value) {
  if (handle == nullptr || value == 0) return vex::kInvalidArgument;
  return vex::kNotSupported;
}

std::int32_t DvkFindDeviceSNMP(void* handle, const char* address, std::int32_t transport,
                               std::uint32_t timeout_ms, std::uint32_t retries,
                               std::int32_t* count) {
  return DvkFindDeviceSNMPEx(handle, address, transport, DVK_SNMP_V1, all_zero_usm(), timeout_ms,
                             retries, count);
}

std::int32_t DvkFindDeviceSNMPEx(void* handle, const char* address, std::int32_t transport,
                                 std::int32_t snmp_mode, DvkUsmParameters usm,
                                 std::uint32_t timeout_ms, std::uint32_t retries,
                                 std::int32_t* count) {
  if (handle == nullptr || count == nullptr) return vex::kInvalidArgument;
  return as_handle(handle)->find_device(address, transport, snmp_mode, usm, timeout_ms, retries,
                                        count);
}

std::int32_t DvkFindAddFilter(void* handle, const char* filter) {
  if (handle == nullptr || filter == nullptr) return vex::kInvalidArgument;
  return as_handle(handle)->finder().add_filter(filter);
}

void DvkFindClearFilter(void* handle) {
  if (handle != nullptr) as_handle(handle)->finder().clear_filters();
}

void DvkFindResetPosition(void* handle) {
  if (handle != nullptr) as_handle(handle)->finder().reset_position();
}

std::int16_t DvkGetDeviceNext(void* handle, char* address, char* model_name, char* reserved,
                              char* sys_object_id) {
  if (handle == nullptr) return 0;
  return as_handle(handle)->finder().get_next(address, model_name, reserved, sys_object_id) ? 1 : 0;
}

std::int32_t DvkInitDevice(void* handle, const char* address, std::int32_t transport,
                           std::uint32_t timeout_ms, std::uint32_t retries) {
  return DvkInitDeviceEx(handle, address, transport, DVK_SNMP_V1, all_zero_usm(), timeout_ms,
                         retries);
}

std::int32_t DvkInitDeviceEx(void* handle, const char* address, std::int32_t transport,
                             std::int32_t snmp_mode, DvkUsmParameters usm, std::uint32_t timeout_ms,
                             std::uint32_t retries) {
  if (handle == nullptr || address == nullptr) return vex::kInvalidArgument;
  return as_handle(handle)->init_device(address, transport, snmp_mode, usm, timeout_ms, retries);
}

std::int16_t DvkIsSupportedOID(void* handle, const char* oid) {
  if (handle == nullptr) return static_cast<std::int16_t>(vex::kInvalidArgument);
  CDvkCorvoKelmOption* option = as_handle(handle)->option();
  if (option == nullptr) return 0;
  if (oid == nullptr || oid[0] == '\0') return 1;
  return option->is_supported_OID(oid) ? 1 : 0;
}

std::int32_t DvkRefreshOptions(void* handle) {
  if (handle == nullptr) return vex::kInvalidArgument;
  CDvkCorvoKelmOption* option = as_handle(handle)->option();
  if (option == nullptr) return vex::kNotInitialised;
  return option->refresh_options();
}

std::int32_t DvkGetOptionValueBoolean(void* handle, const char* name, std::uint16_t index,
                                      std::int16_t* value) {
  if (value == nullptr) return vex::kInvalidArgument;
  bool flag = false;
  const std::int32_t result = get_option_value(handle, name, index, &flag);
  if (result == vex::kOk) *value = flag ? 1 : 0;
  return result;
}

std::int32_t DvkGetOptionValueInteger(void* handle, const char* name, std::uint16_t index,
                                      std::int32_t* value) {
  return get_option_value(handle, name, index, value);
}

std::int32_t DvkGetOptionValueUInteger(void* handle, const char* name, std::uint16_t index,
                                       std::uint32_t* value) {
  return get_option_value(handle, name, index, value);
}

std::int32_t DvkGetOptionValueString(void* handle, const char* name, std::uint16_t index,
                                     char* buffer) {
  if (buffer == nullptr) return vex::kInvalidArgument;
  const char* text = nullptr;
  const std::int32_t result = get_option_value(handle, name, index, &text);
  if (result == vex::kOk) vex::copy_option_text(buffer, text);
  return result;
}

std::int16_t DvkTransportAvailable(std::int32_t transport) {
  (void)transport;
  // No transport is reported usable before the transport support exists.
  return 0;
}

std::int32_t DvkGetNumberOfStorageInfo(void* handle, std::int32_t* count) {
  return with_status(handle, count,
                     [&](CDvkDeviceStatus& s) { return s.number_of_storage(count); });
}

std::int32_t DvkGetStorageInfo(void* handle, std::uint32_t index, DvkStorageInfo* record) {
  return with_status(handle, record,
                     [&](CDvkDeviceStatus& s) { return s.get_storage(index, record); });
}

std::int32_t DvkGetNumberOfDeviceInfo(void* handle, std::int32_t* count) {
  return with_status(handle, count,
                     [&](CDvkDeviceStatus& s) { return s.number_of_devices(count); });
}

std::int32_t DvkGetDeviceInfo(void* handle, std::uint32_t index, DvkDeviceInfo* record) {
  return with_status(handle, record,
                     [&](CDvkDeviceStatus& s) { return s.get_device(index, record); });
}

std::int32_t DvkGetPrinterInfo(void* handle, DvkPrinterInfo* record) {
  return with_status(handle, record, [&](CDvkDeviceStatus& s) { return s.printer_info(record); });
}

std::int32_t DvkGetNumberOfInputTrayInfo(void* handle, std::int32_t* count) {
  return with_status(handle, count,
                     [&](CDvkDeviceStatus& s) { return s.number_of_input_trays(count); });
}

std::int32_t DvkGetInputTrayInfo(void* handle, std::uint32_t index, DvkInputTrayInfo* record) {
  return with_status(handle, record,
                     [&](CDvkDeviceStatus& s) { return s.get_input_tray(index, record); });
}

std::int32_t DvkGetNumberOfOutputTrayInfo(void* handle, std::int32_t* count) {
  return with_status(handle, count,
                     [&](CDvkDeviceStatus& s) { return s.number_of_output_trays(count); });
}

std::int32_t DvkGetOutputTrayInfo(void* handle, std::uint32_t index, DvkOutputTrayInfo* record) {
  return with_status(handle, record,
                     [&](CDvkDeviceStatus& s) { return s.get_output_tray(index, record); });
}

std::int32_t DvkGetNumberOfTonerInfo(void* handle, std::int32_t* count) {
  return with_status(handle, count, [&](CDvkDeviceStatus& s) { return s.number_of_toners(count); });
}

std::int32_t DvkGetTonerInfo(void* handle, std::uint32_t index, DvkTonerInfo* record) {
  return with_status(handle, record,
                     [&](CDvkDeviceStatus& s) { return s.get_toner(index, record); });
}

std::int32_t DvkGetNumberOfAlertInfo(void* handle, std::int32_t* count) {
  return with_status(handle, count, [&](CDvkDeviceStatus& s) { return s.number_of_alerts(count); });
}

std::int32_t DvkGetAlertInfo(void* handle, std::uint32_t index, DvkAlertInfo* record) {
  return with_status(handle, record,
                     [&](CDvkDeviceStatus& s) { return s.get_alert(index, record); });
}

std::int32_t DvkGetNumberOfJobInfo(void* handle, std::int32_t kind, std::int32_t* count) {
  if (kind < 0 || kind > 2) return vex::kInvalidArgument;
  return with_status(handle, count,
                     [&](CDvkDeviceStatus& s) { return s.number_of_jobs(kind, count); });
}

std::int32_t DvkGetJobInfo(void* handle, std::uint32_t index, DvkJobInfo* record) {
  return with_status(handle, record, [&](CDvkDeviceStatus& s) { return s.get_job(index, record); });
}

std::int32_t DvkCancelJob(void* handle, const char* job_id) {
  return with_status(handle, job_id, [&](CDvkDeviceStatus& s) { return s.cancel_job(job_id); });
}

std::int32_t DvkGetCharSet(void* handle, std::int32_t kind, std::int32_t* value) {
  if (kind < 0 || kind > 1) return vex::kInvalidArgument;
  return with_status(handle, value,
                     [&](CDvkDeviceStatus& s) { return s.character_set(kind, value); });
}

}  // extern "C"
