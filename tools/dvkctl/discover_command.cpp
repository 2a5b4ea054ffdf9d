#include <unistd.h>

#include <chrono>
#include <optional>

#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/host_handle.h"
#include "tools/dvkctl/progress_indicator.h"
#include "tools/dvkctl/record_text.h"

namespace dvkctl {
namespace {

std::optional<Failure> set_filters(const HostHandle& handle, const Arguments& arguments) {
  const PluginLibrary& library = handle.library();
  library.DvkFindClearFilter(handle.get());
  for (const std::string& filter : arguments.filters) {
    const std::int32_t result = library.DvkFindAddFilter(handle.get(), filter.c_str());
    if (auto failure = failure_of(library.DvkFindAddFilter, result, arguments.snmp)) {
      return failure;
    }
  }
  return std::nullopt;
}

// The search blocks until its time-outs have run out; on a terminal the
// wait is shown on standard error.
std::int32_t search(const HostHandle& handle, const Arguments& arguments, std::int32_t* count) {
  const SnmpArguments& snmp = arguments.snmp;
  std::optional<ProgressIndicator> progress;
  if (::isatty(STDERR_FILENO) == 1) {
    progress.emplace(STDERR_FILENO, "searching for printers",
                     expected_wait(snmp.timeout_ms, snmp.retries));
  }
  const char* destination = arguments.destination.empty() ? nullptr : arguments.destination.c_str();
  return handle.library().DvkFindDeviceSNMPEx(handle.get(), destination, snmp.transport,
                                              snmp.snmp_mode, usm_block(snmp), snmp.timeout_ms,
                                              snmp.retries, count);
}

std::vector<FoundPrinter> found_printers(const HostHandle& handle, std::int32_t count) {
  const PluginLibrary& library = handle.library();
  std::vector<FoundPrinter> printers;
  library.DvkFindResetPosition(handle.get());
  for (std::int32_t i = 0; i < count; ++i) {
    char address[DVK_DEVICE_TEXT_SIZE] = {};
    char model_name[DVK_DEVICE_TEXT_SIZE] = {};
    char reserved[DVK_DEVICE_TEXT_SIZE] = {};
    char sys_object_id[DVK_DEVICE_TEXT_SIZE] = {};
    if (library.DvkGetDeviceNext(handle.get(), address, model_name, reserved, sys_object_id) != 1) {
      break;
    }
    printers.push_back({record_text(address), record_text(model_name), record_text(sys_object_id)});
  }
  return printers;
}

}  // namespace

Outcome run_discover(const PluginLibrary& library, const Arguments& arguments) {
  const SnmpArguments& snmp = arguments.snmp;
  HostHandle handle(library);
  if (auto failure = prepare_handle(handle, snmp)) return *failure;
  if (auto failure = set_filters(handle, arguments)) return *failure;
  DiscoverReport report;
  report.transport = snmp.transport;
  report.destination = arguments.destination;
  report.filters = arguments.filters;
  const std::int32_t result = search(handle, arguments, &report.count);
  if (auto failure = failure_of(library.DvkFindDeviceSNMPEx, result, snmp)) return *failure;
  report.printers = found_printers(handle, report.count);
  return Report(std::move(report));
}

}  // namespace dvkctl
