#pragma once

#include "tools/dvkctl/arguments.h"
#include "tools/dvkctl/plugin_library.h"
#include "tools/dvkctl/reports.h"

namespace dvkctl {

// Each command drives the plug-in through its exports and hands back its
// complete report, or the first failure.
Outcome run_transports(const PluginLibrary& library);
Outcome run_discover(const PluginLibrary& library, const Arguments& arguments);
Outcome run_info(const PluginLibrary& library, const Arguments& arguments);
Outcome run_status(const PluginLibrary& library, const Arguments& arguments);
Outcome run_jobs(const PluginLibrary& library, const Arguments& arguments);
Outcome run_cancel(const PluginLibrary& library, const Arguments& arguments);
Outcome run_charset(const PluginLibrary& library, const Arguments& arguments);

// The command the arguments name.
Outcome run_command(const PluginLibrary& library, const Arguments& arguments);

}  // namespace dvkctl
