#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "plugin/dvk_plugin.h"
#include "tools/dvkctl/failure.h"

namespace dvkctl {

// What each command learnt from the plug-in, complete before anything is printed.

struct TransportAnswer {
  std::int32_t code;
  std::int16_t answer;  // of DvkTransportAvailable: 1 usable
};

struct TransportsReport {
  std::vector<TransportAnswer> transports;
};

struct FoundPrinter {
  std::string address;
  std::string model_name;
  std::string sys_object_id;
};

struct DiscoverReport {
  std::int32_t transport = 0;
  std::string destination;  // empty: the plug-in's default
  std::vector<std::string> filters;
  std::int32_t count = 0;  // as DvkFindDeviceSNMPEx counted
  std::vector<FoundPrinter> printers;
};

// The printer a device command set up its session with.
struct DeviceTarget {
  std::string address;
  std::int32_t transport = 0;
};

using OptionValue = std::variant<bool, std::int32_t, std::string>;

struct NamedOption {
  const char* name;
  OptionValue value;
};

struct InfoReport {
  DeviceTarget target;
  std::vector<NamedOption> options;             // the options without a tray index
  std::vector<std::vector<NamedOption>> trays;  // the per-tray options of each input tray
};

struct StatusReport {
  DeviceTarget target;
  std::vector<DvkStorageInfo> storage;
  std::vector<DvkDeviceInfo> devices;
  DvkPrinterInfo printer{};
  std::vector<DvkInputTrayInfo> input_trays;
  std::vector<DvkOutputTrayInfo> output_trays;
  std::vector<DvkTonerInfo> toners;
  std::vector<DvkAlertInfo> alerts;
};

struct JobsReport {
  DeviceTarget target;
  std::int32_t kind = 0;
  std::vector<DvkJobInfo> jobs;
};

struct CancelReport {
  DeviceTarget target;
  std::string job_id;
};

struct CharsetReport {
  DeviceTarget target;
  std::int32_t printer_character_set = 0;
  std::int32_t job_character_set = 0;
};

using Report = std::variant<TransportsReport, DiscoverReport, InfoReport, StatusReport, JobsReport,
                            CancelReport, CharsetReport>;

// A command's report, or why it has none.
using Outcome = std::variant<Report, Failure>;

}  // namespace dvkctl
