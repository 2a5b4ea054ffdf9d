#pragma once

#include <cstdint>
#include <string>

namespace dvkctl {

// Names of the enumerated values in the status records, as the Host
// Resources and Printer MIBs write them; "N" for a value without a name.
std::string storage_type_name(std::int32_t type);        // DvkStorageInfo, hrStorageTypes
std::string device_type_name(std::int32_t type);         // DvkDeviceInfo, hrDeviceTypes
std::string device_status_name(std::int32_t status);     // hrDeviceStatus
std::string printer_status_name(std::int32_t status);    // hrPrinterStatus
std::string alert_severity_name(std::int32_t severity);  // prtAlertSeverityLevel

}  // namespace dvkctl
