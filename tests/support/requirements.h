#pragma once

#include <gtest/gtest.h>

#include <string>

namespace vex::test {

// CI=true in the environment: tests that need root, namespaces or agents must
// run there, so a missing requirement fails the test instead of skipping it.
bool in_ci();

// The reason snmpd or the Python peers cannot run here, or empty when they can.
std::string agents_unavailable();
// The reason namespaces cannot be built here, or empty when they can.
std::string networks_unavailable();

}  // namespace vex::test

// Skips the test with `reason` when it is not empty; fails it instead under CI.
#define DVK_REQUIRE(reason_expression)                  \
  do {                                                  \
    const std::string dvk_reason = (reason_expression); \
    if (!dvk_reason.empty()) {                          \
      if (::vex::test::in_ci()) FAIL() << dvk_reason;   \
      GTEST_SKIP() << dvk_reason;                       \
    }                                                   \
  } while (false)

#define DVK_REQUIRE_AGENTS() DVK_REQUIRE(::vex::test::agents_unavailable())
#define DVK_REQUIRE_NETWORKS() DVK_REQUIRE(::vex::test::networks_unavailable())
