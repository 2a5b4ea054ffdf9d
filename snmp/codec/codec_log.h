#pragma once

#include "framework/result_codes.h"
#include "logging/vex_log.h"

namespace vex {

// Names a refused message on the "snmp" logger and answers -250.
inline Result refuse(const char* reason) {
  vex_snmp_logger()->log(kLogError, "%s", reason);
  return kUndecodable;
}

}  // namespace vex
