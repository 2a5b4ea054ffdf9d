// Loggers, the root logger "All" and the null logger.
#include <gtest/gtest.h>
#include <sys/types.h>
#include <unistd.h>

#include <regex>
#include <string>
#include <thread>

#include "logging/line_format.h"
#include "logging/log_service.h"
#include "logging/logger_views.h"
#include "logging/null_logger.h"
#include "tests/logging/log_capture.h"

namespace {

using vex::test::MemorySink;

class LoggerTest : public ::testing::Test {
 protected:
  IVexLogger* logger(const char* name) { return service_->get_logger(name, nullptr); }
  IVexLogger* root() { return logger("All"); }
  // The logger `name` letting every level through to `sink`.
  IVexLogger* listened(const char* name, MemorySink& sink) {
    IVexLogger* listened_logger = logger(name);
    listened_logger->add_sink(&sink);
    listened_logger->set_levels(vex::kLogAll);
    return listened_logger;
  }

  CVexLogService* service_ = vex_log_service();
  vex::test::ServiceReset reset_;
};

TEST_F(LoggerTest, StartsSilent) {
  MemorySink probe;
  for (IVexLogger* silent : {vex_snmp_logger(), vex_socket_logger(), root()}) {
    EXPECT_EQ(silent->levels(), 0U) << silent->name();
    EXPECT_EQ(silent->format(), vex::kLogDefaultFormat) << silent->name();
    EXPECT_EQ(silent->radix(), 10) << silent->name();
    EXPECT_EQ(silent->indent(), 0U) << silent->name();
  }
  EXPECT_EQ(vex_snmp_logger()->log(vex::kLogError, "nothing %d", 1), vex::kOk);
  // A sink attached now sees only what is logged from now on, at a level let through.
  vex_snmp_logger()->add_sink(&probe);
  vex_snmp_logger()->log(vex::kLogError, "still nothing");
  EXPECT_TRUE(probe.lines().empty());
}

TEST_F(LoggerTest, RootSettingsReachLoggersMadeBeforeAndAfter) {
  MemorySink sink;
  IVexLogger* before = logger("before");
  root()->set_levels(vex::kLogAll);
  root()->set_format(0);
  root()->set_radix(16);
  root()->set_indent(1);
  ASSERT_EQ(root()->add_sink(&sink), vex::kOk);
  IVexLogger* after = logger("after");

  for (IVexLogger* each : {before, after}) {
    EXPECT_EQ(each->levels(), vex::kLogAll) << each->name();
    EXPECT_EQ(each->format(), 0) << each->name();
    EXPECT_EQ(each->radix(), 16) << each->name();
    EXPECT_EQ(each->indent(), 1U) << each->name();
    for (std::uint32_t level :
         {vex::kLogError, vex::kLogWarn, vex::kLogInfo, vex::kLogDebug, vex::kLogTrace}) {
      EXPECT_EQ(each->log(level, "%s", each->name()), vex::kOk);
    }
  }
  EXPECT_EQ(sink.lines().size(), 10U);

  root()->set_levels(vex::kLogError);
  EXPECT_EQ(before->levels(), vex::kLogError);
  EXPECT_EQ(after->levels(), vex::kLogError);
  before->log(vex::kLogInfo, "filtered");
  after->log(vex::kLogError, "passes");
  ASSERT_EQ(sink.lines().size(), 11U);
  EXPECT_NE(sink.lines().back().find("after           , Error,     passes"), std::string::npos);
}

TEST_F(LoggerTest, SinksAreAttachedOnceByName) {
  MemorySink first("shared");
  MemorySink same_name("shared");
  MemorySink other("other");
  IVexLogger* x = logger("x");
  x->set_levels(vex::kLogAll);
  EXPECT_EQ(x->add_sink(&first), vex::kOk);
  EXPECT_EQ(x->add_sink(&first), vex::kOk);
  EXPECT_EQ(x->add_sink(&same_name), vex::kOk);
  // The root hands a sink on once, and not at all to a logger holding one of that name.
  EXPECT_EQ(root()->add_sink(&same_name), vex::kOk);
  EXPECT_EQ(root()->add_sink(&other), vex::kOk);
  EXPECT_EQ(root()->add_sink(&other), vex::kOk);
  x->set_levels(vex::kLogAll);
  x->log(vex::kLogInfo, "once");
  EXPECT_EQ(first.lines().size(), 1U);
  EXPECT_TRUE(same_name.lines().empty());
  EXPECT_EQ(other.lines().size(), 1U);
}

TEST_F(LoggerTest, MissingSinkIsRefusedExceptByTheNullLogger) {
  EXPECT_EQ(logger("x")->add_sink(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(root()->add_sink(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(vex_null_logger()->add_sink(nullptr), vex::kOk);
}

TEST_F(LoggerTest, RadixIsTenOrSixteen) {
  IVexLogger* x = logger("x");
  EXPECT_EQ(x->set_radix(16), vex::kOk);
  EXPECT_EQ(x->set_radix(8), vex::kInvalidArgument);
  EXPECT_EQ(x->radix(), 16);
  // The root stores any value; each logger keeps its own when it refuses it.
  EXPECT_EQ(root()->set_radix(8), vex::kOk);
  EXPECT_EQ(root()->radix(), 8);
  EXPECT_EQ(x->radix(), 16);
  EXPECT_EQ(logger("made_later")->radix(), 10);
}

TEST_F(LoggerTest, MaskDecidesWhichLevelsPass) {
  MemorySink sink;
  IVexLogger* x = logger("x");
  x->add_sink(&sink);
  x->set_format(0);
  x->set_levels(vex::kLogError | vex::kLogDebug);
  x->log(vex::kLogError, "error");
  x->log(vex::kLogWarn, "warn");
  x->log(vex::kLogDebug, "debug");
  x->log(vex::kLogTrace, "trace");
  x->log(3, "two bits");  // passes on the Error bit, shows no level text
  const std::vector<std::string> lines = sink.lines();
  ASSERT_EQ(lines.size(), 3U);
  const std::string header = std::string(23, ' ') + ", " + std::string(8, ' ') + ", " +
                             std::string(8, ' ') + ", x               , ";
  EXPECT_EQ(lines[0], header + "Error, error");
  EXPECT_EQ(lines[1], header + "Debug, debug");
  EXPECT_EQ(lines[2], header + "two bits");
}

TEST_F(LoggerTest, LineCarriesTimeProcessAndWritingThread) {
  MemorySink sink;
  IVexLogger* x = listened("x", sink);
  long thread_id = 0;
  std::thread writer([&] {
    thread_id = gettid();
    x->log(vex::kLogInfo, "from %s", "thread");
  });
  writer.join();
  ASSERT_EQ(sink.lines().size(), 1U);
  const std::regex shape(R"(^\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}:\d{3}, +(\d+), +(\d+), )"
                         R"(x {15}, Info , from thread$)");
  std::smatch match;
  const std::string line = sink.lines()[0];
  ASSERT_TRUE(std::regex_match(line, match, shape)) << line;
  EXPECT_EQ(std::stol(match[1]), getpid());
  EXPECT_EQ(std::stol(match[2]), thread_id);
}

TEST_F(LoggerTest, NullFormatWritesTheNullMessageText) {
  MemorySink sink;
  IVexLogger* x = listened("x", sink);
  x->log(vex::kLogWarn, nullptr);
  EXPECT_EQ(sink.messages(),
            std::vector<std::string>{"(client was about to output null message...)"});
}

TEST_F(LoggerTest, LogAnswersTheLastFailingSink) {
  MemorySink failing("failing", vex::kCannotLoad);
  MemorySink fine("fine");
  IVexLogger* x = logger("x");
  x->set_levels(vex::kLogAll);
  x->add_sink(&failing);
  x->add_sink(&fine);
  EXPECT_EQ(x->log(vex::kLogError, "m"), vex::kCannotLoad);
  EXPECT_EQ(fine.lines().size(), 1U);
  EXPECT_EQ(x->log(vex::kLogTrace | 64, "m"), vex::kCannotLoad);
  x->set_levels(0);
  EXPECT_EQ(x->log(vex::kLogError, "m"), vex::kOk);
}

TEST_F(LoggerTest, RootAndNullLoggerWriteNothingThemselves) {
  MemorySink sink;
  root()->add_sink(&sink);
  root()->set_levels(vex::kLogAll);
  EXPECT_EQ(root()->log(vex::kLogError, "m"), vex::kNotFound);
  EXPECT_EQ(root()->reserved(nullptr, nullptr), vex::kNotFound);
  EXPECT_EQ(logger("x")->reserved(nullptr, nullptr), vex::kNotFound);
  IVexLogger* null_logger = vex_null_logger();
  EXPECT_STREQ(null_logger->name(), "null_session");
  EXPECT_EQ(null_logger->log(vex::kLogError, "m"), vex::kOk);
  EXPECT_EQ(null_logger->reserved(nullptr, nullptr), vex::kOk);
  null_logger->set_levels(vex::kLogAll);
  EXPECT_EQ(null_logger->levels(), 0U);
  EXPECT_EQ(null_logger->radix(), 10);
  EXPECT_TRUE(sink.lines().empty());
}

TEST_F(LoggerTest, AdminResetRestoresDefaultsAndDropsSinks) {
  MemorySink sink;
  IVexLogger* x = listened("x", sink);
  x->set_format(1);
  x->set_radix(16);
  x->set_indent(3);
  auto* admin = vex::query_view<IVexLoggerAdmin>(x, vex::kIidLoggerAdmin);
  ASSERT_NE(admin, nullptr);
  admin->reset();
  EXPECT_STREQ(x->name(), "x");
  EXPECT_EQ(x->levels(), 0U);
  EXPECT_EQ(x->format(), vex::kLogDefaultFormat);
  EXPECT_EQ(x->radix(), 10);
  EXPECT_EQ(x->indent(), 0U);
  x->set_levels(vex::kLogAll);
  x->log(vex::kLogError, "after reset");
  EXPECT_TRUE(sink.lines().empty());
}

TEST_F(LoggerTest, RootResetPassesToItsLoggers) {
  MemorySink sink;
  IVexLogger* x = logger("x");
  root()->add_sink(&sink);
  root()->set_levels(vex::kLogAll);
  vex::query_view<IVexLoggerAdmin>(root(), vex::kIidLoggerAdmin)->reset();
  EXPECT_EQ(root()->levels(), 0U);
  EXPECT_EQ(x->levels(), 0U);
  // The sink is gone from both: a later mask lets nothing reach it.
  root()->set_levels(vex::kLogAll);
  x->log(vex::kLogError, "m");
  EXPECT_TRUE(sink.lines().empty());
}

TEST_F(LoggerTest, GroupAttachHandsOnSettingsAndDetachStops) {
  auto* group = vex::query_view<IVexLoggerGroup>(root(), vex::kIidRootLoggerGroup);
  ASSERT_NE(group, nullptr);
  IVexLogger* x = logger("x");
  EXPECT_EQ(group->detach(x), vex::kOk);
  EXPECT_EQ(group->detach(x), vex::kNotFound);
  root()->set_levels(vex::kLogWarn);
  EXPECT_EQ(x->levels(), 0U);
  EXPECT_EQ(group->attach(x), vex::kOk);
  EXPECT_EQ(x->levels(), vex::kLogWarn);
  EXPECT_EQ(group->attach(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(group->attach(root()), vex::kInvalidArgument);
  auto* null_group = vex::query_view<IVexLoggerGroup>(static_cast<IVexLogger*>(vex_null_logger()),
                                                      vex::kIidLoggerGroup);
  ASSERT_NE(null_group, nullptr);
  EXPECT_EQ(null_group->attach(x), vex::kOk);
  EXPECT_EQ(null_group->detach(x), vex::kOk);
}

TEST_F(LoggerTest, IndentationTextIsFourSpacesACount) {
  MemorySink sink;
  IVexLogger* x = listened("x", sink);
  x->set_indent(2);
  x->log(vex::kLogInfo, "m");
  x->set_indent(0xFFFFFFFFU);  // bounded by the line, not by the count
  EXPECT_EQ(x->indent(), 0xFFFFFFFFU);
  x->log(vex::kLogInfo, "m");
  const std::vector<std::string> lines = sink.lines();
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0].substr(vex::test::kLineHeaderLength), "Info ,         m");
  EXPECT_EQ(lines[1].size(), vex::kLogLineSize - 1);
}

}  // namespace
