#include "device/status/request_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/logging/log_capture.h"

namespace {

TEST(RequestLog, WritesTheFailedStepToDvkAtErrorWithoutTheCode) {
  vex::test::LogCapture capture("DVK", vex::kLogError);
  const vex::RequestStep steps[] = {vex::RequestStep::kCreate, vex::RequestStep::kInit,
                                    vex::RequestStep::kAddOid, vex::RequestStep::kWalk,
                                    vex::RequestStep::kSet};
  for (const vex::RequestStep step : steps) {
    EXPECT_EQ(vex::log_request_failure(step, vex::kTimeout), vex::kTimeout);
  }
  EXPECT_EQ(capture.messages(),
            (std::vector<std::string>{"vex_create_get_data()", "pGetData->init()",
                                      "pGetData->add_oid_string()", "pGetData->get_data()",
                                      "pGetData->set_data()"}));
}

TEST(RequestLog, StaysSilentUnlessErrorsAreLogged) {
  vex::test::LogCapture capture("DVK", vex::kLogInfo | vex::kLogDebug);
  vex::log_request_failure(vex::RequestStep::kInit, vex::kInvalidArgument);
  EXPECT_TRUE(capture.messages().empty());
}

}  // namespace
