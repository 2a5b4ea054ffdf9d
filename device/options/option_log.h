#pragma once

#include "logging/vex_log.h"

namespace vex {

// Failures of the option reader go to the logger "DVK" at Error level; the
// message names the operation that failed and carries no code.
inline void log_option_failure(const char* message) {
  vex_tag_log("DVK", kLogError, "%s", message);
}

}  // namespace vex
