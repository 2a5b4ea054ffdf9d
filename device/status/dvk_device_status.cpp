#include "device/status/dvk_device_status.h"

// The table readings come with the status reader proper; until then every
// request reports that it is not supported.
vex::Result CDvkDeviceStatus::number_of_storage(std::int32_t*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::storage(std::uint32_t, DvkStorageInfo*) const {
  return vex::kNotSupported;
}
vex::Result CDvkDeviceStatus::number_of_devices(std::int32_t*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::device(std::uint32_t, DvkDeviceInfo*) const {
  return vex::kNotSupported;
}
vex::Result CDvkDeviceStatus::printer(DvkPrinterInfo*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::number_of_input_trays(std::int32_t*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::input_tray(std::uint32_t, DvkInputTrayInfo*) const {
  return vex::kNotSupported;
}
vex::Result CDvkDeviceStatus::number_of_output_trays(std::int32_t*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::output_tray(std::uint32_t, DvkOutputTrayInfo*) const {
  return vex::kNotSupported;
}
vex::Result CDvkDeviceStatus::number_of_toners(std::int32_t*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::toner(std::uint32_t, DvkTonerInfo*) const {
  return vex::kNotSupported;
}
vex::Result CDvkDeviceStatus::number_of_alerts(std::int32_t*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::alert(std::uint32_t, DvkAlertInfo*) const {
  return vex::kNotSupported;
}
vex::Result CDvkDeviceStatus::number_of_jobs(std::int32_t, std::int32_t*) {
  return vex::kNotSupported;
}
vex::Result CDvkDeviceStatus::job(std::uint32_t, DvkJobInfo*) const { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::cancel_job(const char*) { return vex::kNotSupported; }
vex::Result CDvkDeviceStatus::character_set(std::int32_t, std::int32_t*) {
  return vex::kNotSupported;
}
