#include "device/status/host_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "status_test_support.h"

namespace {

using namespace status_test;

const std::string kStorageType = "1.3.6.1.2.1.25.2.1";

template <class Record, class Convert>
Record convert_row(Convert convert, const RowSpec& layout, vex::Result expected = vex::kOk) {
  const vex::StatusRow row = build(layout);
  auto record = dirty<Record>();
  EXPECT_EQ(convert(row, &record), expected);
  return record;
}

TEST(StorageRecord, CarriesTypeCodeNumbersAndDescriptionByteForByte) {
  struct Case {
    std::string type;
    std::int32_t code;
  };
  const Case cases[] = {{kStorageType + ".2", 2},
                        {kStorageType + ".4", 4},
                        {kStorageType + ".9", 0},
                        {"1.3.6.1.4.1.253.8.52.1.2", 0}};
  for (const Case& c : cases) {
    const auto record = convert_row<DvkStorageInfo>(
        vex::storage_record,
        row_at(vex::kStorageTable, "1",
               {oid_value(c.type), integer(1024), integer(-3), octets("RAM")}));
    EXPECT_EQ(bytes_of(record),
              ExpectedBytes(268).i32(0, c.code).i32(4, 1024).i32(8, -3).text(12, "RAM").bytes())
        << c.type;
  }
}

TEST(StorageRecord, CutsALongDescriptionToItsField) {
  const std::string long_text(300, 'd');
  const auto record = convert_row<DvkStorageInfo>(
      vex::storage_record,
      row_at(vex::kStorageTable, "7",
             {oid_value(kStorageType + ".4"), integer(4096), integer(1), octets(long_text)}));
  EXPECT_EQ(bytes_of(record), ExpectedBytes(268)
                                  .i32(0, 4)
                                  .i32(4, 4096)
                                  .i32(8, 1)
                                  .text(12, long_text.substr(0, 255))
                                  .bytes());
}

// Missing cells read as 0 and the empty text: a short row, a cell the agent
// answered from beyond its column. A value of another type (NULL included)
// reads as the value model answers.
TEST(StorageRecord, ReadsMissingAndMistypedCellsSafely) {
  RowSpec beyond = row_at(vex::kStorageTable, "3",
                          {oid_value(kStorageType + ".2"), integer(512), integer(8), octets("x")});
  beyond[3].name = "1.3.6.1.2.1.25.3.2.1.1.1";  // past hrStorageDescr, into hrDeviceTable
  struct Case {
    const char* what;
    RowSpec row;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"short row", row_at(vex::kStorageTable, "1", {oid_value(kStorageType + ".2"), integer(512)}),
       ExpectedBytes(268).i32(0, 2).i32(4, 512).bytes()},
      {"beyond its column", beyond, ExpectedBytes(268).i32(0, 2).i32(4, 512).i32(8, 8).bytes()},
      {"empty row", {}, ExpectedBytes(268).bytes()},
      {"null values",
       row_at(vex::kStorageTable, "1", {null_value(), null_value(), null_value(), null_value()}),
       ExpectedBytes(268).i32(4, -1).i32(8, -1).bytes()},
      {"string where integers are expected",
       row_at(vex::kStorageTable, "1",
              {octets(kStorageType + ".2"), octets("12"), gauge(5), integer(42)}),
       ExpectedBytes(268).i32(0, 2).i32(4, -1).i32(8, -1).text(12, "42").bytes()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bytes_of(convert_row<DvkStorageInfo>(vex::storage_record, c.row)), c.bytes) << c.what;
  }
}

TEST(DeviceRecord, MapsStandardAndPrivateDeviceTypes) {
  struct Case {
    std::string type;
    std::int32_t code;
  };
  const Case cases[] = {{"1.3.6.1.2.1.25.3.1.5", 5},
                        {"1.3.6.1.4.1.253.8.52.2.151", 151},
                        {"1.3.6.1.4.1.253.8.52.2.110", 0}};
  for (const Case& c : cases) {
    const auto record = convert_row<DvkDeviceInfo>(
        vex::device_record,
        row_at(vex::kDeviceTable, "2", {oid_value(c.type), integer(2), octets("Finisher")}));
    EXPECT_EQ(bytes_of(record),
              ExpectedBytes(264).i32(0, c.code).i32(4, 2).text(8, "Finisher").bytes())
        << c.type;
  }
}

TEST(PrinterStatus, TakesTheFirstFourErrorStateOctets) {
  struct Case {
    std::string octets;
    std::vector<std::uint8_t> field;
  };
  const Case cases[] = {{std::string("\x00\x40", 2), {0x00, 0x40, 0x00, 0x00}},
                        {"\x80", {0x80, 0x00, 0x00, 0x00}},
                        {"", {0, 0, 0, 0}},
                        {"\x01\x02\x03\x04\x05", {0x01, 0x02, 0x03, 0x04}}};
  for (const Case& c : cases) {
    const auto status = convert_row<DvkPrinterInfo>(
        vex::printer_status, row_at(vex::kPrinterTable, "1", {integer(3), octets(c.octets)}));
    EXPECT_EQ(bytes_of(status), ExpectedBytes(8).i32(0, 3).raw(4, c.field).bytes());
  }
}

TEST(InputTrayRecord, PassesTenIntegersAndFiveTextsThrough) {
  const std::string media_name(70, 'm');
  const auto record = convert_row<DvkInputTrayInfo>(
      vex::input_tray_record,
      row_at(vex::kInputTrayTable, "1.2",
             {integer(5), integer(4), integer(297000), integer(210000), integer(-1), integer(-2),
              integer(8), integer(100), integer(-3), integer(0), octets(media_name),
              octets("Bypass"), octets("Bypass tray"), octets("plain"), octets("white")}));
  EXPECT_EQ(bytes_of(record), ExpectedBytes(552)
                                  .i32(0, 5)
                                  .i32(4, 4)
                                  .i32(8, 297000)
                                  .i32(12, 210000)
                                  .i32(16, -1)
                                  .i32(20, -2)
                                  .i32(24, 8)
                                  .i32(28, 100)
                                  .i32(32, -3)
                                  .i32(36, 0)
                                  .text(40, media_name.substr(0, 63))
                                  .text(104, "Bypass")
                                  .text(168, "Bypass tray")
                                  .text(424, "plain")
                                  .text(488, "white")
                                  .bytes());
}

TEST(OutputTrayRecord, CarriesTypeStatusNameAndDescription) {
  const auto record = convert_row<DvkOutputTrayInfo>(
      vex::output_tray_record,
      row_at(vex::kOutputTrayTable, "1.3",
             {integer(3), integer(-3), octets("Bin 3"), octets("Face-down bin")}));
  EXPECT_EQ(
      bytes_of(record),
      ExpectedBytes(328).i32(0, 3).i32(4, -3).text(8, "Bin 3").text(72, "Face-down bin").bytes());
}

TEST(TonerRecord, KeepsOnlySupplyTypeThreeAndPassesLevelsThrough) {
  struct Case {
    std::int32_t type;
    bool toner;
  };
  const Case cases[] = {{3, true}, {4, false}, {9, false}, {1, false}};
  for (const Case& c : cases) {
    const vex::StatusRow row = build(
        row_at(vex::kTonerTable, "1.1",
               {integer(c.type), integer(13), integer(20000), integer(-3), octets("Black Toner")}));
    EXPECT_EQ(vex::is_toner_row(row), c.toner) << c.type;
  }
  const auto record = convert_row<DvkTonerInfo>(
      vex::toner_record,
      row_at(vex::kTonerTable, "1.1",
             {integer(3), integer(13), integer(20000), integer(-3), octets("Black Toner")}));
  EXPECT_EQ(bytes_of(record),
            ExpectedBytes(268).i32(0, 13).i32(4, 20000).i32(8, -3).text(12, "Black Toner").bytes());
  EXPECT_FALSE(vex::is_toner_row(build({})));
}

TEST(AlertRecord, CarriesFiveIntegersAndTheDescription) {
  const auto record = convert_row<DvkAlertInfo>(
      vex::alert_record, row_at(vex::kAlertTable, "1.4",
                                {integer(3), integer(8), integer(1), integer(808), integer(801),
                                 octets("Tray 1 empty")}));
  EXPECT_EQ(bytes_of(record), ExpectedBytes(276)
                                  .i32(0, 3)
                                  .i32(4, 8)
                                  .i32(8, 1)
                                  .i32(12, 808)
                                  .i32(16, 801)
                                  .text(20, "Tray 1 empty")
                                  .bytes());
}

TEST(HostRecords, RefuseANullRecord) {
  const vex::StatusRow row;
  EXPECT_EQ(vex::storage_record(row, nullptr), vex::kInvalidArgument);
  EXPECT_EQ(vex::printer_status(row, nullptr), vex::kInvalidArgument);
  EXPECT_EQ(vex::alert_record(row, nullptr), vex::kInvalidArgument);
}

}  // namespace
