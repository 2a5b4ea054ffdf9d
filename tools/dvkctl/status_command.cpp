#include <functional>

#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/host_handle.h"
#include "tools/dvkctl/record_tables.h"

namespace dvkctl {

Outcome run_status(const PluginLibrary& library, const Arguments& arguments) {
  const SnmpArguments& snmp = arguments.snmp;
  HostHandle handle(library);
  if (auto failure = open_device_session(handle, arguments.address, snmp)) return *failure;
  StatusReport report;
  report.target = {arguments.address, snmp.transport};
  const PluginLibrary& l = library;
  using Step = std::function<std::optional<Failure>()>;
  const Step steps[] = {
      [&] {
        return read_table(handle, l.DvkGetNumberOfStorageInfo, l.DvkGetStorageInfo, snmp,
                          &report.storage);
      },
      [&] {
        return read_table(handle, l.DvkGetNumberOfDeviceInfo, l.DvkGetDeviceInfo, snmp,
                          &report.devices);
      },
      [&] {
        return failure_of(l.DvkGetPrinterInfo, l.DvkGetPrinterInfo(handle.get(), &report.printer),
                          snmp);
      },
      [&] {
        return read_table(handle, l.DvkGetNumberOfInputTrayInfo, l.DvkGetInputTrayInfo, snmp,
                          &report.input_trays);
      },
      [&] {
        return read_table(handle, l.DvkGetNumberOfOutputTrayInfo, l.DvkGetOutputTrayInfo, snmp,
                          &report.output_trays);
      },
      [&] {
        return read_table(handle, l.DvkGetNumberOfTonerInfo, l.DvkGetTonerInfo, snmp,
                          &report.toners);
      },
      [&] {
        return read_table(handle, l.DvkGetNumberOfAlertInfo, l.DvkGetAlertInfo, snmp,
                          &report.alerts);
      },
  };
  for (const Step& step : steps) {
    if (auto failure = step()) return *failure;
  }
  return Report(std::move(report));
}

}  // namespace dvkctl
