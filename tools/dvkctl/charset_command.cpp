#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/host_handle.h"

namespace dvkctl {
namespace {

constexpr std::int32_t kPrinterCharacterSet = 0;
constexpr std::int32_t kJobCharacterSet = 1;

}  // namespace

Outcome run_charset(const PluginLibrary& library, const Arguments& arguments) {
  const SnmpArguments& snmp = arguments.snmp;
  HostHandle handle(library);
  if (auto failure = open_device_session(handle, arguments.address, snmp)) return *failure;
  CharsetReport report{{arguments.address, snmp.transport}, 0, 0};
  const auto& call = library.DvkGetCharSet;
  for (const auto& [kind, value] : {std::pair{kPrinterCharacterSet, &report.printer_character_set},
                                    std::pair{kJobCharacterSet, &report.job_character_set}}) {
    if (auto failure = failure_of(call, call(handle.get(), kind, value), snmp)) return *failure;
  }
  return Report(std::move(report));
}

}  // namespace dvkctl
