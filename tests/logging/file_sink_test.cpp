#include "logging/file_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/ownership.h"
#include "logging/log_service.h"
#include "logging/null_sinks.h"
#include "logging/sink_factories.h"
#include "tests/logging/log_capture.h"
#include "tests/logging/temp_dir.h"

namespace {

using vex::test::read_file;
using vex::test::write_file;

class FileSinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.ok()); }

  vex::Owned<CVexFileLogSink> make_sink(std::size_t max_size) {
    vex::Owned<CVexFileLogSink> sink(new CVexFileLogSink("file"));
    sink->set_path(path_.c_str());
    EXPECT_TRUE(sink->set_max_size(max_size));
    return sink;
  }

  vex::test::TempDir dir_;
  const std::string path_ = dir_.file("dvk.log");
  const std::string backup_ = path_ + ".bak";
};

TEST_F(FileSinkTest, AppendsLinesWithLineEnds) {
  write_file(path_, "kept\n");
  auto sink = make_sink(CVexFileLogSink::kDefaultMaxSize);
  EXPECT_EQ(sink->write("first"), vex::kOk);
  EXPECT_EQ(sink->write("second"), vex::kOk);
  EXPECT_EQ(read_file(path_), "kept\nfirst\nsecond\n");
  EXPECT_FALSE(std::filesystem::exists(backup_));
}

TEST_F(FileSinkTest, RotatesToBackupBeforeALineThatWouldOverflow) {
  const std::string held(90, 'h');
  write_file(path_, held);
  write_file(backup_, "an older backup");
  auto sink = make_sink(100);
  const std::string line(20, 'n');
  EXPECT_EQ(sink->write(line.c_str()), vex::kOk);
  EXPECT_EQ(read_file(backup_), held);
  EXPECT_EQ(read_file(path_), line + "\n");
  EXPECT_EQ(std::filesystem::file_size(path_), 21U);
}

TEST_F(FileSinkTest, FileNeverPassesTheCapAndOneBackupRemains) {
  auto sink = make_sink(100);
  for (int i = 0; i < 40; ++i) {
    const std::string line = "line " + std::to_string(i);
    ASSERT_EQ(sink->write(line.c_str()), vex::kOk);
    ASSERT_LE(std::filesystem::file_size(path_), 100U);
  }
  const std::string current = read_file(path_);
  const std::string backup = read_file(backup_);
  EXPECT_NE(current.find("line 39\n"), std::string::npos);
  // The backup was moved aside when the current file's first line no longer fitted.
  ASSERT_LE(backup.size(), 100U);
  EXPECT_GT(backup.size() + current.find('\n') + 1, 100U);
  std::size_t files = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(path_).parent_path())) {
    files += entry.is_regular_file() ? 1 : 0;
  }
  EXPECT_EQ(files, 2U);
}

TEST_F(FileSinkTest, LineThatCanNeverFitIsRefused) {
  auto sink = make_sink(10);
  EXPECT_EQ(sink->write("0123456789"), vex::kValueMissing);  // 10 characters and the line end
  EXPECT_EQ(std::filesystem::file_size(path_), 0U);
  EXPECT_EQ(sink->write("012345678"), vex::kOk);  // exactly fills the file
  EXPECT_EQ(std::filesystem::file_size(path_), 10U);
  EXPECT_FALSE(std::filesystem::exists(backup_));
}

TEST_F(FileSinkTest, UnopenablePathAnswersCannotLoadAndRetries) {
  auto sink = make_sink(CVexFileLogSink::kDefaultMaxSize);
  const std::string missing_dir = dir_.file("missing/dvk.log");
  ASSERT_EQ(sink->set_path(missing_dir.c_str()), vex::kOk);
  EXPECT_EQ(sink->write("lost"), vex::kCannotLoad);
  EXPECT_EQ(sink->write("lost again"), vex::kCannotLoad);
  std::filesystem::create_directory(dir_.file("missing"));
  EXPECT_EQ(sink->write("found"), vex::kOk);
  EXPECT_EQ(read_file(missing_dir), "found\n");

  const std::string a_directory = dir_.file("missing");
  ASSERT_EQ(sink->set_path(a_directory.c_str()), vex::kOk);
  EXPECT_EQ(sink->write("into a directory"), vex::kCannotLoad);
  EXPECT_EQ(sink->set_path(nullptr), vex::kInvalidArgument);
}

TEST_F(FileSinkTest, SinkWithoutPathCannotOpen) {
  CVexFileLogSink sink("no path");
  EXPECT_EQ(sink.write("line"), vex::kCannotLoad);
}

TEST_F(FileSinkTest, ChangingThePathMovesTheNextLine) {
  auto sink = make_sink(CVexFileLogSink::kDefaultMaxSize);
  sink->write("one");
  const std::string other = dir_.file("other.log");
  sink->set_path(other.c_str());
  sink->write("two");
  EXPECT_EQ(read_file(path_), "one\n");
  EXPECT_EQ(read_file(other), "two\n");
}

// Answers one key with one value, as a host's configuration would.
class OneProperty final : public IVexLogPropertySource {
 public:
  OneProperty(const char* key, const char* value) : key_(key), value_(value) {}
  bool find(const char* key) override { return std::string(key) == key_; }
  const char* value() override { return value_; }

 private:
  std::string key_;
  const char* value_;
};

TEST_F(FileSinkTest, FactoryTakesThePathFromExtentionName) {
  auto factory = vex::make_file_sink_factory();
  EXPECT_STREQ(factory->kind(), "file");
  OneProperty path_property("ExtentionName", path_.c_str());
  vex::Owned<IVexLogSink> sink(factory->create("configured", &path_property));
  ASSERT_NE(sink.get(), vex_null_file_sink());
  EXPECT_STREQ(sink->name(), "configured");
  EXPECT_EQ(sink->write("configured line"), vex::kOk);
  EXPECT_EQ(read_file(path_), "configured line\n");

  OneProperty other_key("FileName", path_.c_str());
  OneProperty not_text("ExtentionName", nullptr);
  EXPECT_EQ(factory->create("x", &other_key), vex_null_file_sink());
  EXPECT_EQ(factory->create("x", &not_text), vex_null_file_sink());
  EXPECT_EQ(factory->create(nullptr, &path_property), vex_null_file_sink());

  vex::Owned<IVexLogSink> unset(factory->create("unset", nullptr));
  ASSERT_NE(unset.get(), vex_null_file_sink());
  EXPECT_EQ(unset->write("line"), vex::kCannotLoad);
}

TEST_F(FileSinkTest, HostConfiguresAFileThroughTheService) {
  vex::test::ServiceReset reset;
  CVexLogService* service = vex_log_service();
  auto* file =
      vex::query_view<IVexFileLogSink>(service->get_sink("file", "host"), vex::kIidFileLogSink);
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->set_path(path_.c_str()), vex::kOk);
  IVexLogger* root = service->get_logger("All", nullptr);
  root->set_levels(vex::kLogError);
  root->set_format(0);
  root->add_sink(file);
  vex_snmp_logger()->log(vex::kLogError, "to the file");
  vex_snmp_logger()->log(vex::kLogInfo, "filtered");
  const std::string expected = std::string(23, ' ') + ", " + std::string(8, ' ') + ", " +
                               std::string(8, ' ') + ", snmp            , Error, to the file\n";
  EXPECT_EQ(read_file(path_), expected);
}

}  // namespace
