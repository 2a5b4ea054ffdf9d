// The ROM version comes from hrDevice row 10 of a refresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/logging/log_capture.h"
#include "tests/options/option_probe.h"

namespace {

using vex::test::hrdevice_row;
using vex::test::OptionProbe;

constexpr const char* kFullText = "Printer Controller v1.23.4 - Processor";

struct VersionCase {
  const char* name;
  const char* text;
  vex::Result result;
  std::int32_t major, minor, revision;
};

class RomVersionTest : public ::testing::TestWithParam<VersionCase> {
 protected:
  OptionProbe option;
};

TEST_P(RomVersionTest, ReadsThreeNumbersOrFails) {
  const VersionCase& c = GetParam();
  vex::test::LogCapture capture("DVK", vex::kLogError);
  const std::vector<vex::AgentRow> rows = {hrdevice_row(10, c.text, 2)};
  EXPECT_EQ(option.store().hrdevice_rows(rows), c.result);
  EXPECT_STREQ(option.values().rom_version, std::string(c.text).substr(0, 63).c_str());
  EXPECT_EQ(option.values().rom_version_major, c.major);
  EXPECT_EQ(option.values().rom_version_minor, c.minor);
  EXPECT_EQ(option.values().rom_version_revision, c.revision);
  const std::vector<std::string> expected_log =
      c.result == 0 ? std::vector<std::string>{}
                    : std::vector<std::string>{"invalid PrinterROMVersion format"};
  EXPECT_EQ(capture.messages(), expected_log);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RomVersionTest,
    ::testing::Values(
        VersionCase{"FullText", kFullText, 0, 1, 23, 4},
        VersionCase{"CutAfterTheThirdNumber", "Printer Controller v1.23.4", 0, 1, 23, 4},
        VersionCase{"OtherTextAfterTheThirdNumber", "Printer Controller v2.0.17 (build 9)", 0, 2, 0,
                    17},
        VersionCase{"Signs", "Printer Controller v-1.+2.3", 0, -1, 2, 3},
        VersionCase{"OnlyTwoNumbers", "Printer Controller v1.23 - Processor", -1, 0, 0, 0},
        VersionCase{"OtherLead", "Print Controller v1.23.4 - Processor", -1, 0, 0, 0},
        VersionCase{"LeadInOtherCase", "printer controller v1.23.4", -1, 0, 0, 0},
        VersionCase{"NumberOutOfRange", "Printer Controller v1.2.99999999999", -1, 0, 0, 0},
        VersionCase{"Empty", "", -1, 0, 0, 0},
        VersionCase{"LongTextIsCutBeforeReading",
                    "Printer Controller v1.2.3 - Processor with a very long firmware "
                    "description that the field cannot hold",
                    0, 1, 2, 3}),
    [](const auto& test_case) { return std::string(test_case.param.name); });

TEST(RomVersion, FailureKeepsTheNumbersReadBeforeAndTheWalkGoesOn) {
  OptionProbe option;
  const std::vector<vex::AgentRow> rows = {hrdevice_row(10, kFullText, 2),
                                           hrdevice_row(10, "Printer Controller v9.9", 2),
                                           hrdevice_row(102, "Scanner", 2)};
  EXPECT_EQ(option.store().hrdevice_rows(rows), -1);
  EXPECT_STREQ(option.values().rom_version, "Printer Controller v9.9");
  EXPECT_EQ(option.values().rom_version_major, 1);
  EXPECT_EQ(option.values().rom_version_minor, 23);
  EXPECT_EQ(option.values().rom_version_revision, 4);
  EXPECT_EQ(option.values().devices.count, 3);
  EXPECT_TRUE(option.has_device_index(102));
}

TEST(RomVersion, WalkWithoutRowTenSucceedsWithoutVersion) {
  OptionProbe option;
  const std::vector<vex::AgentRow> rows = {hrdevice_row(1, "Printer", 2),
                                           hrdevice_row(3, "RAM disk", 2)};
  EXPECT_EQ(option.store().hrdevice_rows(rows), 0);
  EXPECT_STREQ(option.values().rom_version, "");
  EXPECT_EQ(option.values().rom_version_major, 0);
}

}  // namespace
