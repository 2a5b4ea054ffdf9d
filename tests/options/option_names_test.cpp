// The option vocabulary served by the four get_option overloads.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/options/option_probe.h"

namespace {

using vex::AgentRow;
using vex::test::hrdevice_row;
using vex::test::input_tray_row;
using vex::test::OptionProbe;
using vex::test::TrayRow;

constexpr const char* kRomText = "Printer Controller v1.23.4 - Processor";

// Two trays read: the first Letter-sized, the second A4 half full.
class FilledOption : public ::testing::Test {
 protected:
  void SetUp() override {
    vex::OptionStore store = option.store();
    store.system_name("printer-7");
    ASSERT_EQ(store.hrdevice_rows(std::vector<AgentRow>{hrdevice_row(10, kRomText, 2)}), 0);
    const TrayRow first{.type = 4,
                        .feed = 279400,
                        .cross_feed = 215900,
                        .max_capacity = 100,
                        .level = 45,
                        .name = "Tray 1",
                        .description = "Upper tray",
                        .media_type = "plain"};
    const TrayRow second{.type = 3,
                         .feed = 210000,
                         .cross_feed = 297000,
                         .max_capacity = 500,
                         .level = 250,
                         .name = "Tray 2",
                         .description = "Lower tray",
                         .media_type = "recycled"};
    store.input_tray_rows(std::vector<AgentRow>{input_tray_row(first), input_tray_row(second)});
    store.memory_size(1047552);
    store.netware_name("NW_PRINTER");
    store.password_policy(8, 2);
  }

  OptionProbe option;
};

struct NumberCase {
  const char* name;
  std::int32_t index;
  std::int32_t value;
};

TEST_F(FilledOption, EverySignedOptionAnswersItsValue) {
  const std::vector<NumberCase> cases = {
      {"MemorySizeInKByte", 0, 1047552},
      {"MemorySizeInMByte", 0, 1023},
      {"NumberOfInputTray", 0, 2},
      {"PrinterRomVersionMajor", 0, 1},
      {"PrinterRomVersionMinor", 0, 23},
      {"PrinterRomVersionRevision", 0, 4},
      {"UserPromptSetting", 0, 2},
      {"MinPasswordLength", 0, 8},
      {"InputTrayIndex", 0, 1},
      {"InputTrayIndex", 1, 2},
      {"InputTrayType", 0, 4},
      {"InputTrayType", 1, 3},
      {"InputTrayMaxCapacityInSheets", 1, 500},
      {"InputTrayCurrentLevelInPercent", 0, 45},
      {"InputTrayCurrentLevelInPercent", 1, 50},
      {"InputTrayMediaSize", 0, 1},
      {"InputTrayMediaSize", 1, 25},
      {"InputTrayMediaDirection", 0, 3},
      {"InputTrayMediaDirection", 1, 2},
      {"InputTrayMediaDimFeedDirChosen", 1, 210000},
      {"InputTrayMediaDimXFeedDirChosen", 1, 297000},
      // Options without an index ignore it.
      {"NumberOfInputTray", 500, 2},
      {"MemorySizeInKByte", -1, 1047552},
  };
  for (const NumberCase& c : cases) {
    std::int32_t value = -99;
    EXPECT_EQ(option.get_option(c.name, &value, c.index), 0) << c.name << " " << c.index;
    EXPECT_EQ(value, c.value) << c.name << " " << c.index;
  }
}

struct TextCase {
  const char* name;
  std::int32_t index;
  const char* value;
};

TEST_F(FilledOption, EveryTextOptionLendsItsText) {
  const std::vector<TextCase> cases = {
      {"PrinterRomVersion", 0, kRomText},        {"SysName", 7, "printer-7"},
      {"NetWareSAPUnitName", 0, "NW_PRINTER"},   {"InputTrayName", 1, "Tray 2"},
      {"InputTrayDescription", 0, "Upper tray"}, {"InputTrayMediaType", 1, "recycled"},
  };
  for (const TextCase& c : cases) {
    const char* value = nullptr;
    EXPECT_EQ(option.get_option(c.name, &value, c.index), 0) << c.name;
    EXPECT_STREQ(value, c.value) << c.name;
  }
  const char* lent = nullptr;
  ASSERT_EQ(option.get_option("SysName", &lent, 0), 0);
  EXPECT_EQ(lent, option.values().system_name);
}

TEST_F(FilledOption, IndexedOptionsRefuseIndexesOutsideTheTrays) {
  const std::array<const char*, 8> numbers = {"InputTrayIndex",
                                              "InputTrayType",
                                              "InputTrayMaxCapacityInSheets",
                                              "InputTrayCurrentLevelInPercent",
                                              "InputTrayMediaSize",
                                              "InputTrayMediaDirection",
                                              "InputTrayMediaDimFeedDirChosen",
                                              "InputTrayMediaDimXFeedDirChosen"};
  const std::array<const char*, 3> texts = {"InputTrayName", "InputTrayDescription",
                                            "InputTrayMediaType"};
  for (std::int32_t index : {-1, 2, 500}) {
    for (const char* name : numbers) {
      std::int32_t value = -99;
      EXPECT_EQ(option.get_option(name, &value, index), -11) << name << " " << index;
      EXPECT_EQ(value, -99) << name;
    }
    for (const char* name : texts) {
      const char* value = nullptr;
      EXPECT_EQ(option.get_option(name, &value, index), -11) << name << " " << index;
      EXPECT_EQ(value, nullptr) << name;
    }
  }
}

TEST_F(FilledOption, NamesOfAnotherOverloadOrCaseAreNotOptions) {
  std::int32_t number = -99;
  bool flag = true;
  const char* text = nullptr;
  std::uint32_t unsigned_number = 99;
  for (const char* name : {"SysName", "Scanner", "memorysizeinkbyte", "MEMORYSIZEINKBYTE", ""}) {
    EXPECT_EQ(option.get_option(name, &number, 0), -5) << name;
  }
  for (const char* name : {"scanner", "SCANNER", "MemorySizeInKByte", "SysName", " Scanner"}) {
    EXPECT_EQ(option.get_option(name, &flag, 0), -5) << name;
  }
  for (const char* name : {"sysname", "Scanner", "NumberOfInputTray", "SysName "}) {
    EXPECT_EQ(option.get_option(name, &text, 0), -5) << name;
  }
  for (const char* name : {"MemorySizeInKByte", "Scanner", "SysName", "InputTrayIndex", "x"}) {
    EXPECT_EQ(option.get_option(name, &unsigned_number, 0), -5) << name;
  }
  EXPECT_EQ(number, -99);
  EXPECT_TRUE(flag);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(unsigned_number, 99u);
}

struct DeviceCase {
  const char* name;
  std::int32_t device_index;
};

constexpr std::array<DeviceCase, 6> kDeviceOptions = {{{"Scanner", 102},
                                                       {"Copier", 103},
                                                       {"HardDisk", 11},
                                                       {"RamDisk", 3},
                                                       {"InTrayEx1", 110},
                                                       {"InTrayEx2", 116}}};

TEST(OptionNames, EachDeviceOptionAnswersItsOwnDeviceRow) {
  for (const DeviceCase& installed : kDeviceOptions) {
    OptionProbe option;
    // The row's status does not matter.
    ASSERT_EQ(option.store().hrdevice_rows(
                  std::vector<AgentRow>{hrdevice_row(installed.device_index, "unit", 5)}),
              0);
    for (const DeviceCase& asked : kDeviceOptions) {
      bool value = false;
      EXPECT_EQ(option.get_option(asked.name, &value, 0), 0);
      EXPECT_EQ(value, asked.device_index == installed.device_index)
          << asked.name << " with device " << installed.device_index;
    }
  }
}

TEST(OptionNames, FlagsComeFromMediaPathsAndManualTrays) {
  OptionProbe option;
  bool duplex = true;
  bool manual = true;
  EXPECT_EQ(option.get_option("DuplexModule", &duplex, 0), 0);
  EXPECT_EQ(option.get_option("InTrayMSI", &manual, 0), 0);
  EXPECT_FALSE(duplex);
  EXPECT_FALSE(manual);
  option.store().media_path_rows(vex::test::single_column_rows({4}));
  TrayRow tray;
  tray.type = 5;
  option.store().input_tray_rows(std::vector<AgentRow>{input_tray_row(tray)});
  EXPECT_EQ(option.get_option("DuplexModule", &duplex, -3), 0);
  EXPECT_EQ(option.get_option("InTrayMSI", &manual, 1000), 0);
  EXPECT_TRUE(duplex);
  EXPECT_TRUE(manual);
}

TEST(OptionNames, FreshObjectAnswersZeroEmptyAndFalse) {
  OptionProbe option;
  bool scanner = true;
  const char* rom = nullptr;
  std::int32_t trays = -1;
  EXPECT_EQ(option.get_option("Scanner", &scanner, 0), 0);
  EXPECT_EQ(option.get_option("PrinterRomVersion", &rom, 0), 0);
  EXPECT_EQ(option.get_option("NumberOfInputTray", &trays, 0), 0);
  EXPECT_FALSE(scanner);
  EXPECT_STREQ(rom, "");
  EXPECT_EQ(trays, 0);
  std::int32_t type = -99;
  EXPECT_EQ(option.get_option("InputTrayType", &type, 0), -11);
}

// The device class tests the pointers itself and then asks the common class,
// which tests them again for callers that reach it directly.
TEST(OptionNames, MissingNameOrOutputIsRefusedByEveryOverload) {
  OptionProbe option;
  CDvkDevCommOption& common = option;
  bool flag = false;
  std::int32_t number = 0;
  std::uint32_t unsigned_number = 0;
  const char* text = nullptr;
  EXPECT_EQ(option.get_option(nullptr, &flag, 0), -2);
  EXPECT_EQ(option.get_option("Scanner", static_cast<bool*>(nullptr), 0), -2);
  EXPECT_EQ(option.get_option(nullptr, &number, 0), -2);
  EXPECT_EQ(option.get_option("MemorySizeInKByte", static_cast<std::int32_t*>(nullptr), 0), -2);
  EXPECT_EQ(option.get_option(nullptr, &unsigned_number, 0), -2);
  EXPECT_EQ(option.get_option("x", static_cast<std::uint32_t*>(nullptr), 0), -2);
  EXPECT_EQ(option.get_option(nullptr, &text, 0), -2);
  EXPECT_EQ(option.get_option("SysName", static_cast<const char**>(nullptr), 0), -2);
  EXPECT_EQ(common.CDvkDevCommOption::get_option(nullptr, &flag, 0), -2);
  EXPECT_EQ(common.CDvkDevCommOption::get_option(nullptr, &number, 0), -2);
  EXPECT_EQ(common.CDvkDevCommOption::get_option("SysName", static_cast<const char**>(nullptr), 0),
            -2);
}

}  // namespace
