#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/host_handle.h"

namespace dvkctl {

Outcome run_cancel(const PluginLibrary& library, const Arguments& arguments) {
  const SnmpArguments& snmp = arguments.snmp;
  HostHandle handle(library);
  if (auto failure = open_device_session(handle, arguments.address, snmp)) return *failure;
  const std::int32_t result = library.DvkCancelJob(handle.get(), arguments.job_id.c_str());
  if (auto failure = failure_of(library.DvkCancelJob, result, snmp)) return *failure;
  return Report(CancelReport{{arguments.address, snmp.transport}, arguments.job_id});
}

}  // namespace dvkctl
