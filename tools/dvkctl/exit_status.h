#pragma once

namespace dvkctl {

// The process's exit statuses, listed in the help text.
enum class ExitStatus : int {
  kOk = 0,
  kUsage = 1,             // bad arguments
  kLibrary = 2,           // the plug-in could not be loaded or lacks an export
  kNoAnswer = 3,          // the printer did not answer in time
  kUnsupportedModel = 4,  // the device set-up refused the printer
  kPluginError = 5,       // any other negative answer of the plug-in
};

constexpr int exit_code(ExitStatus status) noexcept { return static_cast<int>(status); }

// The table of the help text, one status a line.
const char* exit_status_help();

}  // namespace dvkctl
