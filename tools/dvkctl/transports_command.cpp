#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/transport_names.h"

namespace dvkctl {

Outcome run_transports(const PluginLibrary& library) {
  TransportsReport report;
  for (const TransportName& transport : transport_names()) {
    report.transports.push_back({transport.code, library.DvkTransportAvailable(transport.code)});
  }
  return Report(std::move(report));
}

}  // namespace dvkctl
