#include "device/status/request_log.h"

#include "logging/vex_log.h"

namespace vex {

const char* request_step_message(RequestStep step) noexcept {
  switch (step) {
    case RequestStep::kCreate:
      return "vex_create_get_data()";
    case RequestStep::kInit:
      return "pGetData->init()";
    case RequestStep::kAddOid:
      return "pGetData->add_oid_string()";
    case RequestStep::kWalk:
      return "pGetData->get_data()";
    case RequestStep::kSet:
      return "pGetData->set_data()";
  }
  return "";
}

Result log_request_failure(RequestStep step, Result code) noexcept {
  vex_tag_log("DVK", kLogError, request_step_message(step), code);
  return code;
}

}  // namespace vex
