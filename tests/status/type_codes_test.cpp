#include "device/status/type_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CodeCase {
  const char* text;
  std::int32_t code;
};

TEST(StorageTypeCode, MapsTheEightStorageTypesAndNothingElse) {
  for (std::int32_t n = 1; n <= 8; ++n) {
    EXPECT_EQ(vex::storage_type_code(("1.3.6.1.2.1.25.2.1." + std::to_string(n)).c_str()), n);
  }
  const CodeCase others[] = {
      {"1.3.6.1.2.1.25.2.1.0", 0},
      {"1.3.6.1.2.1.25.2.1.9", 0},
      {"1.3.6.1.2.1.25.2.1.02", 0},
      {"1.3.6.1.2.1.25.2.1", 0},
      {"1.3.6.1.2.1.25.2.1.2.1", 0},
      {"1.3.6.1.2.1.25.2.1.2 ", 0},
      {"1.3.6.1.2.1.25.2.11.2", 0},
      {"1.3.6.1.4.1.253.8.52.2.2", 0},
      {"", 0},
      {nullptr, 0},
  };
  for (const CodeCase& c : others) {
    EXPECT_EQ(vex::storage_type_code(c.text), c.code) << (c.text ? c.text : "null");
  }
}

TEST(DeviceTypeCode, KnowsExactlyTheThirtyEightDeviceTypes) {
  struct Range {
    const char* prefix;
    int first;
    int last;
  };
  const Range known[] = {{"1.3.6.1.2.1.25.3.1", 1, 6},
                         {"1.3.6.1.2.1.25.3.1", 10, 21},
                         {"1.3.6.1.4.1.253.8.52.2", 101, 109},
                         {"1.3.6.1.4.1.253.8.52.2", 151, 154},
                         {"1.3.6.1.4.1.253.8.52.2", 201, 207}};
  int accepted = 0;
  for (const Range& range : known) {
    for (int n = range.first; n <= range.last; ++n) {
      const std::string text = std::string(range.prefix) + "." + std::to_string(n);
      EXPECT_EQ(vex::device_type_code(text.c_str()), n) << text;
      ++accepted;
    }
  }
  EXPECT_EQ(accepted, 38);

  const CodeCase neighbours[] = {
      {"1.3.6.1.2.1.25.3.1.0", 0},        {"1.3.6.1.2.1.25.3.1.7", 0},
      {"1.3.6.1.2.1.25.3.1.9", 0},        {"1.3.6.1.2.1.25.3.1.22", 0},
      {"1.3.6.1.2.1.25.3.1.101", 0},      {"1.3.6.1.4.1.253.8.52.2.5", 0},
      {"1.3.6.1.4.1.253.8.52.2.100", 0},  {"1.3.6.1.4.1.253.8.52.2.110", 0},
      {"1.3.6.1.4.1.253.8.52.2.150", 0},  {"1.3.6.1.4.1.253.8.52.2.155", 0},
      {"1.3.6.1.4.1.253.8.52.2.200", 0},  {"1.3.6.1.4.1.253.8.52.2.208", 0},
      {"1.3.6.1.4.1.253.8.52.2.0151", 0}, {"1.3.6.1.4.1.253.8.52.2.151.1", 0},
      {"1.3.6.1.4.1.253.8.52.21.151", 0}, {nullptr, 0},
  };
  for (const CodeCase& c : neighbours) {
    EXPECT_EQ(vex::device_type_code(c.text), c.code) << (c.text ? c.text : "null");
  }
}

TEST(JobTypeCode, MapsTypesOneToTwelve) {
  for (std::int32_t n = 1; n <= 12; ++n) {
    EXPECT_EQ(vex::job_type_code(("1.3.6.1.4.1.253.8.58.2." + std::to_string(n)).c_str()), n);
  }
  EXPECT_EQ(vex::job_type_code("1.3.6.1.4.1.253.8.58.2.13"), 0);
  EXPECT_EQ(vex::job_type_code("1.3.6.1.4.1.253.8.58.2.0"), 0);
  EXPECT_EQ(vex::job_type_code("1.3.6.1.4.1.253.8.58.2"), 0);
  EXPECT_EQ(vex::job_type_code("1.3.6.1.4.1.253.8.58.3.1"), 0);
}

}  // namespace
