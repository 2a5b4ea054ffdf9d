// What a refresh keeps of the rows and values its reads return.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/options/option_probe.h"

namespace {

using vex::AgentRow;
using vex::test::hrdevice_row;
using vex::test::input_tray_row;
using vex::test::number;
using vex::test::OptionProbe;
using vex::test::text;
using vex::test::TrayRow;

std::string long_text(std::size_t length) {
  std::string result;
  for (std::size_t i = 0; i < length; ++i) result.push_back(static_cast<char>('a' + i % 26));
  return result;
}

class OptionStoreTest : public ::testing::Test {
 protected:
  OptionProbe option;
  vex::OptionStore store = option.store();
};

TEST_F(OptionStoreTest, DeviceListKeepsTheFirstFiftyRows) {
  std::vector<AgentRow> rows;
  for (int i = 1; i <= 50; ++i) {
    rows.push_back(hrdevice_row(1000 + i, "unit " + std::to_string(i), 2));
  }
  rows.push_back(hrdevice_row(102, "scanner beyond the limit", 2));
  EXPECT_EQ(store.hrdevice_rows(rows), 0);
  const auto& devices = option.values().devices;
  ASSERT_EQ(devices.count, 50);
  EXPECT_EQ(devices.entries[49].index, 1050);
  EXPECT_STREQ(devices.entries[49].description, "unit 50");
  EXPECT_FALSE(option.has_device_index(102));
  bool scanner = true;
  EXPECT_EQ(option.get_option("Scanner", &scanner, 0), 0);
  EXPECT_FALSE(scanner);
}

TEST_F(OptionStoreTest, DeviceRowsKeepIndexStatusAndCutDescription) {
  const std::string description = long_text(100);
  const std::vector<AgentRow> rows = {hrdevice_row(3, description, 5),
                                      hrdevice_row(11, "hard disk", 3)};
  EXPECT_EQ(store.hrdevice_rows(rows), 0);
  const auto& devices = option.values().devices;
  ASSERT_EQ(devices.count, 2);
  EXPECT_EQ(devices.entries[0].index, 3);
  EXPECT_EQ(devices.entries[0].status, 5);
  EXPECT_EQ(std::string(devices.entries[0].description), description.substr(0, 63));
  EXPECT_EQ(devices.entries[1].status, 3);
}

TEST_F(OptionStoreTest, RomVersionIsCutToItsField) {
  const std::string description = "Printer Controller v1.2.3 " + long_text(80);
  EXPECT_EQ(store.hrdevice_rows(std::vector<AgentRow>{hrdevice_row(10, description, 2)}), 0);
  EXPECT_EQ(std::string(option.values().rom_version), description.substr(0, 63));
}

TEST_F(OptionStoreTest, ShortRowsReadZeroAndEmpty) {
  EXPECT_EQ(store.hrdevice_rows(std::vector<AgentRow>{{number(7)}}), 0);
  ASSERT_EQ(option.values().devices.count, 1);
  EXPECT_EQ(option.values().devices.entries[0].index, 7);
  EXPECT_EQ(option.values().devices.entries[0].status, 0);
  EXPECT_STREQ(option.values().devices.entries[0].description, "");
}

TEST_F(OptionStoreTest, InputTraysKeepTheFirstTwentyNumberedInWalkOrder) {
  std::vector<AgentRow> rows;
  for (int i = 0; i < 24; ++i) rows.push_back(input_tray_row(TrayRow{}));
  TrayRow manual;
  manual.type = 5;
  rows.push_back(input_tray_row(manual));  // the 25th row: dropped, but seen
  store.input_tray_rows(rows);
  const auto& trays = option.values().input_trays;
  ASSERT_EQ(trays.count, 20);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(trays.entries[i].number, i + 1);
  EXPECT_TRUE(option.values().manual_feed_tray);
}

TEST_F(OptionStoreTest, InputTrayEntryHoldsItsWorkedOutMedium) {
  TrayRow tray;
  tray.type = 4;
  tray.feed = 210000;
  tray.cross_feed = 297000;
  tray.max_capacity = 200;
  tray.level = 3;
  tray.name = long_text(70);
  tray.description = long_text(300);
  tray.media_type = long_text(256);
  store.input_tray_rows(std::vector<AgentRow>{input_tray_row(tray)});
  ASSERT_EQ(option.values().input_trays.count, 1);
  const vex::InputTrayEntry& entry = option.values().input_trays.entries[0];
  EXPECT_EQ(entry.number, 1);
  EXPECT_EQ(entry.type, 4);
  EXPECT_EQ(entry.medium_size, 25);
  EXPECT_EQ(entry.medium_direction, 2);
  EXPECT_EQ(entry.max_sheets, 200);
  EXPECT_EQ(entry.level_percent, 1);
  EXPECT_EQ(entry.feed_dimension, 210000);
  EXPECT_EQ(entry.cross_feed_dimension, 297000);
  EXPECT_EQ(std::string(entry.name), tray.name.substr(0, 63));
  EXPECT_EQ(std::string(entry.description), tray.description.substr(0, 255));
  EXPECT_EQ(std::string(entry.media_type), tray.media_type.substr(0, 255));
  EXPECT_FALSE(option.values().manual_feed_tray);
}

TEST_F(OptionStoreTest, InputTrayWithoutKnownUnitsReportsNoSizeAndNoLevel) {
  TrayRow tray;
  tray.dimension_unit = 3;
  tray.capacity_unit = 19;
  store.input_tray_rows(std::vector<AgentRow>{input_tray_row(tray)});
  const vex::InputTrayEntry& entry = option.values().input_trays.entries[0];
  EXPECT_EQ(entry.medium_size, 10000);
  EXPECT_EQ(entry.medium_direction, 1);
  EXPECT_EQ(entry.max_sheets, -1);
  EXPECT_EQ(entry.level_percent, -1);
}

TEST_F(OptionStoreTest, OutputTraysKeepTypeAndOffsetStackingOfTheFirstTwenty) {
  std::vector<AgentRow> rows;
  for (int i = 0; i < 22; ++i) rows.push_back({number(3 + i), text("Bin"), number(i % 2 + 3)});
  store.output_tray_rows(rows);
  const auto& trays = option.values().output_trays;
  ASSERT_EQ(trays.count, 20);
  EXPECT_EQ(trays.entries[0].number, 1);
  EXPECT_EQ(trays.entries[0].type, 3);
  EXPECT_EQ(trays.entries[0].offset_stacking, 3);
  EXPECT_EQ(trays.entries[19].number, 20);
  EXPECT_EQ(trays.entries[19].type, 22);
  EXPECT_EQ(trays.entries[19].offset_stacking, 4);
}

TEST_F(OptionStoreTest, OnlyDuplexMediaPathsSetTheDuplexFlag) {
  store.media_path_rows(vex::test::single_column_rows({1, 2, 5}));
  EXPECT_FALSE(option.values().duplex_module);
  store.media_path_rows(vex::test::single_column_rows({1, 4}));
  EXPECT_TRUE(option.values().duplex_module);
  option.initialize_data();
  store.media_path_rows(vex::test::single_column_rows({3}));
  EXPECT_TRUE(option.values().duplex_module);
}

TEST_F(OptionStoreTest, NamesAreCutToTheirFields) {
  const std::string name = long_text(300);
  store.system_name(name);
  store.netware_name(name);
  EXPECT_EQ(std::string(option.values().system_name), name.substr(0, 255));
  EXPECT_EQ(std::string(option.values().netware_name), name.substr(0, 255));
}

TEST_F(OptionStoreTest, NegativePasswordSettingsKeepZero) {
  store.password_policy(-1, 2);
  EXPECT_EQ(option.values().min_password_length, 0);
  EXPECT_EQ(option.values().user_prompt_setting, 2);
  store.password_policy(8, -5);
  EXPECT_EQ(option.values().min_password_length, 8);
  EXPECT_EQ(option.values().user_prompt_setting, 2);
  store.password_policy(0, 0);
  EXPECT_EQ(option.values().min_password_length, 0);
  EXPECT_EQ(option.values().user_prompt_setting, 0);
}

}  // namespace
