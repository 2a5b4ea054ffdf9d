#include "tools/dvkctl/commands.h"

namespace dvkctl {

Outcome run_command(const PluginLibrary& library, const Arguments& arguments) {
  switch (arguments.command) {
    case Command::kTransports:
      return run_transports(library);
    case Command::kDiscover:
      return run_discover(library, arguments);
    case Command::kInfo:
      return run_info(library, arguments);
    case Command::kStatus:
      return run_status(library, arguments);
    case Command::kJobs:
      return run_jobs(library, arguments);
    case Command::kCancel:
      return run_cancel(library, arguments);
    case Command::kCharset:
      break;
  }
  return run_charset(library, arguments);
}

}  // namespace dvkctl
