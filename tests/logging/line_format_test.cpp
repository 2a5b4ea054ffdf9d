#include "logging/line_format.h"

#include <gtest/gtest.h>
#include <sys/types.h>
#include <unistd.h>

#include <ctime>
#include <string>

#include "logging/vex_log.h"

namespace {

// 17 May 2024, 09:03:41.027, process 1234, thread 568.
vex::LogStamp example_stamp() {
  vex::LogStamp stamp;
  stamp.local_time.tm_year = 2024 - 1900;
  stamp.local_time.tm_mon = 4;
  stamp.local_time.tm_mday = 17;
  stamp.local_time.tm_hour = 9;
  stamp.local_time.tm_min = 3;
  stamp.local_time.tm_sec = 41;
  stamp.millisecond = 27;
  stamp.process_id = 1234;
  stamp.thread_id = 568;
  return stamp;
}

[[gnu::format(printf, 2, 3)]] std::string line_of(const vex::LogLineFields& fields,
                                                  const char* format, ...) {
  char line[vex::kLogLineSize];
  va_list arguments;
  va_start(arguments, format);
  const std::size_t length = vex::format_log_line(line, fields, example_stamp(), format, arguments);
  va_end(arguments);
  EXPECT_EQ(length, std::string(line).size());
  return line;
}

const std::string kTime = "2024/05/17 09:03:41:027";
const std::string kNoTime(23, ' ');
const std::string kNoId(8, ' ');

TEST(LogLineFormat, FieldsFollowFlagsAndRadix) {
  struct Case {
    std::int32_t flags;
    std::int32_t radix;
    std::string expected_start;
  };
  const std::string snmp = "snmp            , Error, ";
  const Case cases[] = {
      {7, 10, kTime + ",     1234,      568, " + snmp},
      {0, 10, kNoTime + ", " + kNoId + ", " + kNoId + ", " + snmp},
      {1, 10, kTime + ", " + kNoId + ", " + kNoId + ", " + snmp},
      {2, 10, kNoTime + ",     1234, " + kNoId + ", " + snmp},
      {4, 10, kNoTime + ", " + kNoId + ",      568, " + snmp},
      {6, 10, kNoTime + ",     1234,      568, " + snmp},
      {2, 16, kNoTime + ", 000004D2, " + kNoId + ", " + snmp},
      {7, 16, kTime + ", 000004D2, 00000238, " + snmp},
      {0, 16, kNoTime + ", " + kNoId + ", " + kNoId + ", " + snmp},
  };
  for (const Case& c : cases) {
    const vex::LogLineFields fields{"snmp", vex::kLogError, c.flags, c.radix, ""};
    EXPECT_EQ(line_of(fields, "message %d", 7), c.expected_start + "message 7")
        << "flags " << c.flags << " radix " << c.radix;
  }
}

TEST(LogLineFormat, NameIsCutOrPaddedToSixteen) {
  struct Case {
    const char* name;
    std::string field;
  };
  const Case cases[] = {
      {"snmp", "snmp            "},
      {"exactly_16_chars", "exactly_16_chars"},
      {"a_name_longer_than_sixteen", "a_name_longer_th"},
      {"", std::string(16, ' ')},
  };
  for (const Case& c : cases) {
    const vex::LogLineFields fields{c.name, vex::kLogInfo, 0, 10, ""};
    EXPECT_EQ(line_of(fields, "m"),
              kNoTime + ", " + kNoId + ", " + kNoId + ", " + c.field + ", Info , m")
        << c.name;
  }
}

TEST(LogLineFormat, LevelTextForSingleBitsAndAllOnly) {
  struct Case {
    std::uint32_t level;
    const char* text;
  };
  const Case cases[] = {
      {vex::kLogError, "Error, "},
      {vex::kLogWarn, "Warn , "},
      {vex::kLogInfo, "Info , "},
      {vex::kLogDebug, "Debug, "},
      {vex::kLogTrace, "Trace, "},
      {vex::kLogAll, "All  , "},
      {3, ""},
      {0, ""},
      {32, ""},
  };
  const std::string header = kNoTime + ", " + kNoId + ", " + kNoId + ", x               , ";
  for (const Case& c : cases) {
    const vex::LogLineFields fields{"x", c.level, 0, 10, ""};
    EXPECT_EQ(line_of(fields, "m"), header + c.text + "m") << c.level;
  }
}

TEST(LogLineFormat, IndentationComesBeforeTheMessage) {
  const vex::LogLineFields fields{"x", vex::kLogDebug, 0, 10, "        "};
  EXPECT_EQ(line_of(fields, "m"),
            kNoTime + ", " + kNoId + ", " + kNoId + ", x               , Debug,         m");
}

TEST(LogLineFormat, MissingFormatWritesTheNullMessageText) {
  const vex::LogLineFields fields{"x", vex::kLogWarn, 0, 10, ""};
  EXPECT_EQ(line_of(fields, nullptr), kNoTime + ", " + kNoId + ", " + kNoId +
                                          ", x               , Warn , " +
                                          "(client was about to output null message...)");
}

TEST(LogLineFormat, LongMessageIsCutToTheLine) {
  const std::string message(3000, 'z');
  const vex::LogLineFields fields{"x", vex::kLogWarn, 7, 10, ""};
  const std::string line = line_of(fields, "%s", message.c_str());
  ASSERT_EQ(line.size(), vex::kLogLineSize - 1);
  EXPECT_EQ(line.substr(line.size() - 10), std::string(10, 'z'));
}

TEST(LogLineFormat, HugeIndentationLeavesNoRoomButStaysInTheLine) {
  const std::string indent(2000, ' ');
  const vex::LogLineFields fields{"x", vex::kLogWarn, 7, 10, indent.c_str()};
  const std::string line = line_of(fields, "message");
  EXPECT_EQ(line.size(), vex::kLogLineSize - 1);
  EXPECT_EQ(line.find("message"), std::string::npos);
}

TEST(LogLineFormat, StampIsTheCurrentProcessThreadAndTime) {
  const std::time_t before = std::time(nullptr);
  const vex::LogStamp stamp = vex::current_log_stamp();
  const std::time_t after = std::time(nullptr);
  EXPECT_EQ(stamp.process_id, getpid());
  EXPECT_EQ(stamp.thread_id, gettid());
  EXPECT_GE(stamp.millisecond, 0);
  EXPECT_LT(stamp.millisecond, 1000);
  std::tm copy = stamp.local_time;
  const std::time_t stamped = std::mktime(&copy);
  EXPECT_GE(stamped, before);
  EXPECT_LE(stamped, after);
}

}  // namespace
