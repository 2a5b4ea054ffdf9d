#pragma once

#include "framework/result_codes.h"

namespace vex {

// The steps of one request whose failure a status reader logs.
enum class RequestStep {
  kCreate,  // vex_create_get_data
  kInit,
  kAddOid,
  kWalk,
  kSet,
};

// The message of the step, as it appears in the log.
const char* request_step_message(RequestStep step) noexcept;

// Logs the failed step to the "DVK" logger at Error and returns the code.
// The code travels with the line but is not printed in it.
Result log_request_failure(RequestStep step, Result code) noexcept;

}  // namespace vex
