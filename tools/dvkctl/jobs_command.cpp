#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/host_handle.h"
#include "tools/dvkctl/record_tables.h"

namespace dvkctl {

Outcome run_jobs(const PluginLibrary& library, const Arguments& arguments) {
  const SnmpArguments& snmp = arguments.snmp;
  HostHandle handle(library);
  if (auto failure = open_device_session(handle, arguments.address, snmp)) return *failure;
  JobsReport report{{arguments.address, snmp.transport}, arguments.job_kind, {}};
  std::int32_t count = 0;
  const std::int32_t counted =
      library.DvkGetNumberOfJobInfo(handle.get(), arguments.job_kind, &count);
  if (auto failure = failure_of(library.DvkGetNumberOfJobInfo, counted, snmp)) return *failure;
  if (auto failure = read_records(handle, count, library.DvkGetJobInfo, snmp, &report.jobs)) {
    return *failure;
  }
  return Report(std::move(report));
}

}  // namespace dvkctl
