#include "logging/console_sink.h"

#include <gtest/gtest.h>

#include "framework/ownership.h"
#include "logging/null_sinks.h"
#include "logging/sink_factories.h"

namespace {

TEST(ConsoleSink, PrintsEachLineOnStandardOutput) {
  auto factory = vex::make_console_sink_factory();
  EXPECT_STREQ(factory->kind(), "stdout");
  EXPECT_EQ(factory->create(nullptr, nullptr), vex_null_console_sink());
  vex::Owned<IVexLogSink> sink(factory->create("console", nullptr));
  ASSERT_NE(sink.get(), vex_null_console_sink());
  EXPECT_STREQ(sink->kind(), "stdout");
  EXPECT_STREQ(sink->name(), "console");
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(sink->write("first line"), vex::kOk);
  EXPECT_EQ(sink->write("second line"), vex::kOk);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "first line\nsecond line\n");
}

}  // namespace
