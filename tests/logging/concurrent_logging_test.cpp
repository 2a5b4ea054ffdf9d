// Several threads writing through loggers into one file at once.
#include <gtest/gtest.h>

#include <latch>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "logging/log_service.h"
#include "tests/logging/log_capture.h"
#include "tests/logging/temp_dir.h"

namespace {

constexpr int kThreads = 6;
constexpr int kLinesEach = 400;

class ConcurrentLoggingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.ok());
    file_ = vex::query_view<IVexFileLogSink>(service_->get_sink("file", "shared"),
                                             vex::kIidFileLogSink);
    ASSERT_NE(file_, nullptr);
    file_->set_path(path_.c_str());
  }

  // Runs `log(thread, line)` from kThreads threads released together.
  template <class Log>
  void log_from_threads(Log&& log) {
    std::latch start(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&, t] {
        start.arrive_and_wait();
        for (int i = 0; i < kLinesEach; ++i) log(t, i);
      });
    }
    for (std::thread& thread : threads) thread.join();
  }

  // Every line whole and of the expected shape; each (thread, line) once.
  void expect_all_lines(const std::string& name_pattern) {
    std::istringstream content(vex::test::read_file(path_));
    const std::regex shape("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}:\\d{3}, +\\d+, +\\d+, " +
                           name_pattern + ", Info , thread (\\d+) line (\\d+) [.]{40}$");
    std::set<std::pair<int, int>> seen;
    std::string line;
    int count = 0;
    while (std::getline(content, line)) {
      ++count;
      std::smatch match;
      ASSERT_TRUE(std::regex_match(line, match, shape)) << line;
      seen.emplace(std::stoi(match[1]), std::stoi(match[2]));
    }
    EXPECT_EQ(count, kThreads * kLinesEach);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kThreads * kLinesEach));
  }

  CVexLogService* service_ = vex_log_service();
  vex::test::ServiceReset reset_;
  vex::test::TempDir dir_;
  const std::string path_ = dir_.file("threads.log");
  IVexFileLogSink* file_ = nullptr;
};

const char* const kPadding = "........................................";

TEST_F(ConcurrentLoggingTest, OneLoggerOneFile) {
  IVexLogger* logger = service_->get_or_create_logger("busy", file_, nullptr);
  logger->set_levels(vex::kLogAll);
  log_from_threads([&](int t, int i) {
    EXPECT_EQ(logger->log(vex::kLogInfo, "thread %d line %d %s", t, i, kPadding), vex::kOk);
  });
  expect_all_lines("busy {12}");
}

TEST_F(ConcurrentLoggingTest, ManyLoggersShareTheFileThroughTheRoot) {
  IVexLogger* root = service_->get_logger("All", nullptr);
  root->add_sink(file_);
  root->set_levels(vex::kLogInfo);
  log_from_threads([&](int t, int i) {
    const std::string name = "worker" + std::to_string(t);
    vex_tag_log(name.c_str(), vex::kLogInfo, "thread %d line %d %s", t, i, kPadding);
  });
  expect_all_lines("worker\\d {9}");
}

TEST_F(ConcurrentLoggingTest, SettingsChangeWhileThreadsLog) {
  IVexLogger* root = service_->get_logger("All", nullptr);
  IVexLogger* logger = service_->get_or_create_logger("busy", file_, nullptr);
  root->set_levels(vex::kLogAll);
  std::thread changer([&] {
    for (int i = 0; i < 200; ++i) {
      root->set_format(i % 2 == 0 ? 7 : 3);
      root->set_indent(0);
      root->set_levels(vex::kLogAll);
    }
  });
  log_from_threads(
      [&](int t, int i) { logger->log(vex::kLogInfo, "thread %d line %d %s", t, i, kPadding); });
  changer.join();
  std::istringstream content(vex::test::read_file(path_));
  std::string line;
  int count = 0;
  while (std::getline(content, line)) ++count;
  EXPECT_EQ(count, kThreads * kLinesEach);
}

}  // namespace
