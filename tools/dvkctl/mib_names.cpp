#include "tools/dvkctl/mib_names.h"

#include <span>

namespace dvkctl {
namespace {

struct Name {
  std::int32_t value;
  const char* name;
};

std::string look_up(std::span<const Name> names, std::int32_t value) {
  for (const Name& entry : names) {
    if (entry.value == value) return entry.name;
  }
  return std::to_string(value);
}

constexpr Name kStorageTypes[] = {
    {0, "not a standard type"}, {1, "other"},       {2, "ram"},
    {3, "virtualMemory"},       {4, "fixedDisk"},   {5, "removableDisk"},
    {6, "floppyDisk"},          {7, "compactDisc"}, {8, "ramDisk"},
};

constexpr Name kDeviceTypes[] = {
    {0, "not a known type"},
    {1, "other"},
    {2, "unknown"},
    {3, "processor"},
    {4, "network"},
    {5, "printer"},
    {6, "diskStorage"},
    {10, "video"},
    {11, "audio"},
    {12, "coprocessor"},
    {13, "keyboard"},
    {14, "modem"},
    {15, "parallelPort"},
    {16, "pointing"},
    {17, "serialPort"},
    {18, "tape"},
    {19, "clock"},
    {20, "volatileMemory"},
    {21, "nonVolatileMemory"},
};

constexpr Name kDeviceStatus[] = {
    {1, "unknown"}, {2, "running"}, {3, "warning"}, {4, "testing"}, {5, "down"},
};

constexpr Name kPrinterStatus[] = {
    {1, "other"}, {2, "unknown"}, {3, "idle"}, {4, "printing"}, {5, "warmup"},
};

constexpr Name kAlertSeverity[] = {
    {1, "other"},
    {3, "critical"},
    {4, "warning"},
    {5, "warningBinaryChangeEvent"},
};

// The printer family's own device types keep their number.
constexpr std::int32_t kFirstPrivateDeviceType = 101;

}  // namespace

std::string storage_type_name(std::int32_t type) { return look_up(kStorageTypes, type); }

std::string device_type_name(std::int32_t type) {
  if (type >= kFirstPrivateDeviceType) return "private type " + std::to_string(type);
  return look_up(kDeviceTypes, type);
}

std::string device_status_name(std::int32_t status) { return look_up(kDeviceStatus, status); }

std::string printer_status_name(std::int32_t status) { return look_up(kPrinterStatus, status); }

std::string alert_severity_name(std::int32_t severity) { return look_up(kAlertSeverity, severity); }

}  // namespace dvkctl
