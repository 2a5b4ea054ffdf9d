// The supported-device table, its matching rule and is_supported_OID.
#include <gtest/gtest.h>

#include <string>

#include "device/options/supported_devices.h"
#include "tests/options/option_probe.h"

namespace {

using vex::test::OptionProbe;

constexpr const char* kSupported = "1.3.6.1.4.1.119.1.40.297.93.1.38.8.6";

TEST(SupportedDevices, TableHoldsTheModelAndEndsWithANullName) {
  const auto table = vex::supported_device_table();
  ASSERT_EQ(table.size(), 2u);
  EXPECT_STREQ(table[0].sys_object_id, kSupported);
  EXPECT_STREQ(table[0].model_name, "Quillmark 5150");
  EXPECT_EQ(table[1].model_name, nullptr);
}

struct MatchCase {
  const char* name;
  std::string sys_object_id;
  bool supported;
};

class SupportedDeviceMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(SupportedDeviceMatch, AcceptsTheEntryAndWhatLiesBelowIt) {
  const MatchCase& c = GetParam();
  const vex::SupportedDevice* device = vex::find_supported_device(c.sys_object_id);
  EXPECT_EQ(device != nullptr, c.supported);
  if (device != nullptr) {
    EXPECT_STREQ(device->model_name, "Quillmark 5150");
  }

  OptionProbe option;
  EXPECT_EQ(option.answer_sys_object_id(c.sys_object_id.c_str()), c.supported ? 0 : -2);
  EXPECT_EQ(std::string(option.sys_object_id()), c.sys_object_id.substr(0, 255));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SupportedDeviceMatch,
    ::testing::Values(MatchCase{"Exactly", kSupported, true},
                      MatchCase{"Below", std::string(kSupported) + ".7", true},
                      MatchCase{"FarBelow", std::string(kSupported) + ".1.2.3", true},
                      MatchCase{"SharedCharacterPrefix", std::string(kSupported) + "7", false},
                      MatchCase{"Above", "1.3.6.1.4.1.119.1.40.297.93.1.38.8", false},
                      MatchCase{"OtherFamily", "1.3.6.1.4.1.253.8.62.1", false},
                      MatchCase{"Empty", "", false},
                      MatchCase{"TooLongForTheField",
                                std::string(kSupported) + "." + std::string(300, '1'), true}),
    [](const auto& test_case) { return std::string(test_case.param.name); });

TEST(SupportedOid, AnswersFromTheLastSysObjectIdRead) {
  OptionProbe option;
  EXPECT_EQ(option.answer_sys_object_id(kSupported), 0);
  EXPECT_TRUE(option.is_supported_OID("1.3.6.1.4.1.119"));
  EXPECT_TRUE(option.is_supported_OID(kSupported));
  EXPECT_TRUE(option.is_supported_OID(""));
  EXPECT_TRUE(option.is_supported_OID(nullptr));
  EXPECT_FALSE(option.is_supported_OID("1.3.6.1.4.1.253"));
  EXPECT_FALSE(option.is_supported_OID((std::string(kSupported) + ".1").c_str()));
  // A plain character prefix: "1.3.6.1.4.1.11" is a prefix of the text.
  EXPECT_TRUE(option.is_supported_OID("1.3.6.1.4.1.11"));

  // An unsupported printer's answer is kept and answered from as well.
  EXPECT_EQ(option.answer_sys_object_id("1.3.6.1.4.1.253.8.62.1"), -2);
  EXPECT_TRUE(option.is_supported_OID("1.3.6.1.4.1.253"));
  EXPECT_FALSE(option.is_supported_OID("1.3.6.1.4.1.119"));
}

TEST(SupportedOid, NothingReadAnswersOnlyNullAndEmpty) {
  OptionProbe option;
  EXPECT_FALSE(option.is_supported_OID("1"));
  EXPECT_FALSE(option.is_supported_OID(kSupported));
  EXPECT_TRUE(option.is_supported_OID(""));
  EXPECT_TRUE(option.is_supported_OID(nullptr));
}

}  // namespace
