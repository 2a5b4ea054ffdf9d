// The logging service: loggers by name, sinks by kind and name, reset, the
// framework's logger handles and the tag log of the plug-in layer.
#include "logging/log_service.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "logging/logger_handle.h"
#include "logging/null_logger.h"
#include "logging/null_sinks.h"
#include "tests/logging/log_capture.h"

namespace {

using vex::test::MemorySink;

class LogServiceTest : public ::testing::Test {
 protected:
  CVexLogService* service_ = vex_log_service();
  vex::test::ServiceReset reset_;
};

TEST_F(LogServiceTest, LoggersAreFoundByExactName) {
  vex::Result result = -99;
  EXPECT_EQ(service_->get_logger(nullptr, &result), vex_null_logger());
  EXPECT_EQ(result, vex::kInvalidArgument);

  IVexLogger* snmp = service_->get_logger("snmp", &result);
  EXPECT_EQ(result, vex::kOk);
  EXPECT_STREQ(snmp->name(), "snmp");
  EXPECT_EQ(service_->get_logger("snmp", nullptr), snmp);
  IVexLogger* upper = service_->get_logger("SNMP", nullptr);
  EXPECT_NE(upper, snmp);
  EXPECT_STREQ(upper->name(), "SNMP");
  EXPECT_STREQ(service_->get_logger("All", nullptr)->name(), "All");
}

TEST_F(LogServiceTest, SinkGivenAtCreationIsAttachedToTheNewLoggerOnly) {
  MemorySink sink;
  IVexLogger* made = service_->get_or_create_logger("made", &sink, nullptr);
  made->set_levels(vex::kLogAll);
  made->log(vex::kLogInfo, "one");
  // Found again, the logger is answered as it is; the sink is not added twice.
  MemorySink ignored("ignored");
  EXPECT_EQ(service_->get_or_create_logger("made", &ignored, nullptr), made);
  made->log(vex::kLogInfo, "two");
  EXPECT_EQ(sink.messages(), (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(ignored.lines().empty());
}

TEST_F(LogServiceTest, LoggerGroupLookUp) {
  struct Case {
    const char* name;
    vex::Result result;
    bool view;
  };
  service_->get_logger("plain", nullptr);
  const Case cases[] = {
      {nullptr, vex::kInvalidArgument, true},
      {"All", vex::kOk, true},
      {"plain", vex::kFailed, false},
      {"absent", vex::kNotFound, false},
  };
  for (const Case& c : cases) {
    vex::Result result = -99;
    IVexLoggerGroup* group = service_->get_logger_group(c.name, &result);
    EXPECT_EQ(result, c.result) << (c.name ? c.name : "(none)");
    EXPECT_EQ(group != nullptr, c.view) << (c.name ? c.name : "(none)");
  }
  EXPECT_EQ(service_->get_logger_group(nullptr, nullptr)->attach(nullptr), vex::kOk);
}

TEST_F(LogServiceTest, SinksByKindAndName) {
  IVexLogSink* console = service_->get_sink("stdout", "a");
  ASSERT_NE(console, nullptr);
  EXPECT_STREQ(console->kind(), "stdout");
  EXPECT_STREQ(console->name(), "a");
  EXPECT_EQ(service_->get_sink("stdout", "a"), console);
  EXPECT_EQ(service_->get_sink("file", "a"), vex_null_file_sink());

  IVexLogSink* file = service_->get_sink("file", "b");
  ASSERT_NE(file, nullptr);
  EXPECT_STREQ(file->kind(), "file");
  EXPECT_EQ(service_->get_sink("stdout", "b"), vex_null_console_sink());

  EXPECT_EQ(service_->get_sink(nullptr, "c"), vex_null_console_sink());
  EXPECT_EQ(service_->get_sink("file", nullptr), vex_null_file_sink());
  EXPECT_EQ(service_->get_sink("stdout", nullptr), vex_null_console_sink());
  EXPECT_EQ(service_->get_sink("no such kind", "c"), nullptr);

  vex::Result result = -99;
  EXPECT_EQ(service_->find_sink("a", &result), console);
  EXPECT_EQ(result, vex::kOk);
  EXPECT_EQ(service_->find_sink("absent", &result), vex_null_console_sink());
  EXPECT_EQ(result, vex::kOk);
  EXPECT_EQ(service_->find_sink(nullptr, &result), vex_null_console_sink());
  EXPECT_EQ(result, vex::kInvalidArgument);
}

// Sinks of kind "counted" that count how many of them are alive.
std::atomic<int> counted_alive{0};

class CountedSink final : public vex::Component<CountedSink, IVexLogSink> {
 public:
  explicit CountedSink(const char* name) : name_(name) { ++counted_alive; }
  ~CountedSink() override { --counted_alive; }
  vex::Result query_interface(const char* iid, void** out) override {
    return vex::answer_sink_query(this, iid, out);
  }
  void destroy() override { delete this; }
  const char* kind() const override { return "counted"; }
  const char* name() const override { return name_.c_str(); }
  vex::Result write(const char*) override { return vex::kOk; }

 private:
  std::string name_;
};

class CountedSinkFactory final : public IVexLogSinkFactory {
 public:
  IVexLogSink* create(const char* name, IVexLogPropertySource*) override {
    return new CountedSink(name);
  }
  const char* kind() const override { return "counted"; }
};

TEST_F(LogServiceTest, RegisteredFactoryMakesSinksThatResetDestroys) {
  EXPECT_EQ(service_->register_sink_factory(nullptr), vex::kInvalidArgument);
  static const bool registered = [this] {
    return service_->register_sink_factory(std::make_unique<CountedSinkFactory>()) == vex::kOk;
  }();
  ASSERT_TRUE(registered);
  const int before = counted_alive.load();
  IVexLogSink* sink = service_->get_sink("counted", "c1");
  ASSERT_NE(sink, nullptr);
  EXPECT_STREQ(sink->kind(), "counted");
  EXPECT_EQ(service_->get_sink("counted", "c1"), sink);
  service_->get_sink("counted", "c2");
  EXPECT_EQ(counted_alive.load(), before + 2);
  service_->reset();
  EXPECT_EQ(counted_alive.load(), before);
  EXPECT_EQ(service_->find_sink("c1", nullptr), vex_null_console_sink());
}

TEST_F(LogServiceTest, ResetDropsLoggersButLeavesHoldersSafe) {
  MemorySink sink;
  IVexLogger* root = service_->get_logger("All", nullptr);
  root->set_levels(vex::kLogAll);
  root->add_sink(&sink);
  IVexLogger* old_logger = service_->get_logger("x", nullptr);
  const std::uint32_t generation = service_->generation();

  service_->reset();

  EXPECT_NE(service_->generation(), generation);
  EXPECT_EQ(root->levels(), 0U);
  // The old logger is no longer listed but still usable: silent and detached.
  EXPECT_EQ(old_logger->levels(), 0U);
  EXPECT_EQ(old_logger->log(vex::kLogError, "dropped"), vex::kOk);
  root->set_levels(vex::kLogAll);
  EXPECT_EQ(old_logger->levels(), 0U);
  IVexLogger* new_logger = service_->get_logger("x", nullptr);
  EXPECT_EQ(new_logger->levels(), vex::kLogAll);
  EXPECT_TRUE(sink.lines().empty());
}

TEST_F(LogServiceTest, HandlesFollowTheServiceAcrossReset) {
  MemorySink sink;
  IVexLogger* before = vex_snmp_logger();
  EXPECT_STREQ(before->name(), "snmp");
  EXPECT_EQ(before, service_->get_logger("snmp", nullptr));
  EXPECT_STREQ(vex_socket_logger()->name(), "socket");

  service_->reset();
  IVexLogger* root = service_->get_logger("All", nullptr);
  root->set_levels(vex::kLogAll);
  root->add_sink(&sink);
  IVexLogger* after = vex_snmp_logger();
  EXPECT_EQ(after, service_->get_logger("snmp", nullptr));
  after->log(vex::kLogError, "configured after reset");
  EXPECT_EQ(sink.messages(), std::vector<std::string>{"configured after reset"});
}

TEST_F(LogServiceTest, OwnHandleNamesItsLogger) {
  CVexLoggerHandle handle("own handle");
  EXPECT_STREQ(handle.get()->name(), "own handle");
  EXPECT_EQ(handle.get(), service_->get_logger("own handle", nullptr));
}

TEST_F(LogServiceTest, TagLogWritesThroughTheLoggerOfTheTag) {
  MemorySink sink;
  IVexLogger* root = service_->get_logger("All", nullptr);
  root->add_sink(&sink);
  root->set_levels(vex::kLogError | vex::kLogInfo);
  EXPECT_EQ(vex_tag_log("DVK", vex::kLogInfo, "device %d", 3), vex::kOk);
  EXPECT_EQ(vex_tag_log("DVK", vex::kLogDebug, "filtered"), vex::kOk);
  const std::vector<std::string> lines = sink.lines();
  ASSERT_EQ(lines.size(), 1U);
  EXPECT_EQ(lines[0].substr(vex::test::kLineHeaderLength - 18),
            "DVK             , Info , device 3");
  EXPECT_EQ(vex_tag_log(nullptr, vex::kLogError, "no tag"), vex::kOk);
}

TEST_F(LogServiceTest, TraceScopeWritesEnterAndExit) {
  vex::test::LogCapture capture("traced", vex::kLogTrace);
  {
    vex::TraceScope scope(service_->get_logger("traced", nullptr), "Demo::run");
    service_->get_logger("traced", nullptr)->log(vex::kLogTrace, "inside");
  }
  EXPECT_EQ(capture.messages(),
            (std::vector<std::string>{"[Demo::run] enter.", "inside", "[Demo::run] exit."}));
}

TEST_F(LogServiceTest, ConcurrentFirstUseMakesOneLoggerPerName) {
  constexpr int kThreads = 8;
  std::latch start(kThreads);
  std::vector<IVexLogger*> handles(kThreads);
  std::vector<IVexLogger*> named(kThreads);
  std::vector<std::thread> threads;
  service_->reset();  // the handles fetch anew
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      start.arrive_and_wait();
      handles[i] = vex_socket_logger();
      named[i] = service_->get_logger("raced", nullptr);
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(std::set<IVexLogger*>(handles.begin(), handles.end()).size(), 1U);
  EXPECT_EQ(std::set<IVexLogger*>(named.begin(), named.end()).size(), 1U);
  EXPECT_EQ(handles[0], service_->get_logger("socket", nullptr));
}

}  // namespace
