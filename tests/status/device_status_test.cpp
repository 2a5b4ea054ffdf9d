#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/status/dvk_device_status.h"
#include "plugin/plugin_usm.h"
#include "scripted_requests.h"

namespace {

using namespace status_test;

const std::string kStorageType = "1.3.6.1.2.1.25.2.1";

class DeviceStatusTest : public ::testing::Test {
 protected:
  DeviceStatusTest() { EXPECT_EQ(init(IVexNetworkAddress::PROTOCOL_IPV4), vex::kOk); }

  vex::Result init(EProtocol protocol, const char* address = "192.0.2.7") {
    return status.init(protocol, address, &usm, 500, 2, 0);
  }

  std::vector<RowSpec>& table(const vex::TableColumns& columns) {
    return requests.tables[columns.root];
  }

  CDvkPluginUSM usm;
  ScriptedRequests requests;
  CDvkDeviceStatus status{requests};
};

TEST_F(DeviceStatusTest, InitChoosesThePortByProtocol) {
  struct Case {
    EProtocol protocol;
    vex::Result result;
    std::uint16_t port;
  };
  const Case cases[] = {{IVexNetworkAddress::PROTOCOL_IPV4, vex::kOk, 161},
                        {IVexNetworkAddress::PROTOCOL_IPV6, vex::kOk, 161},
                        {IVexNetworkAddress::PROTOCOL_IPX, vex::kOk, 36879},
                        {IVexNetworkAddress::PROTOCOL_OTHER, vex::kInvalidArgument, 0},
                        {IVexNetworkAddress::PROTOCOL_NONE, vex::kInvalidArgument, 0}};
  for (const Case& c : cases) {
    CDvkDeviceStatus fresh(requests);
    EXPECT_EQ(fresh.init(c.protocol, "printer", &usm, 300, 1, 0), c.result) << c.protocol;
    EXPECT_EQ(fresh.session().port, c.port) << c.protocol;
    EXPECT_EQ(fresh.session().protocol, c.protocol);
    EXPECT_STREQ(fresh.session().address, "printer");
  }
}

TEST_F(DeviceStatusTest, InitWithProtocolThreeKeepsOnlyAddressAndProtocol) {
  DvkUsmParameters block{};
  ASSERT_EQ(usm.set_parameters(2, block), vex::kOk);
  CDvkDeviceStatus fresh(requests);
  EXPECT_EQ(fresh.init(IVexNetworkAddress::PROTOCOL_OTHER, "10.0.0.1", &usm, 300, 4, 0),
            vex::kInvalidArgument);
  EXPECT_EQ(fresh.session().timeout_ms, 0u);
  EXPECT_EQ(fresh.session().retries, 0u);
  EXPECT_EQ(fresh.session().snmp_mode, -1);
  EXPECT_STREQ(fresh.session().user_name, "");
}

TEST_F(DeviceStatusTest, InitCopiesNumbersAndRefersToTheParameterTexts) {
  DvkUsmParameters block{};
  std::strcpy(block.user_name, "operator");
  block.security_level = 1;
  block.auth_protocol = 2;
  block.priv_protocol = 2;
  ASSERT_EQ(usm.set_parameters(2, block), vex::kOk);
  CDvkDeviceStatus fresh(requests);
  const std::string address(80, '7');
  ASSERT_EQ(fresh.init(IVexNetworkAddress::PROTOCOL_IPV6, address.c_str(), &usm, 250, 3, 0),
            vex::kOk);
  const vex::StatusSession& session = fresh.session();
  EXPECT_EQ(std::string(session.address), address.substr(0, 63));
  EXPECT_EQ(session.timeout_ms, 250u);
  EXPECT_EQ(session.retries, 3u);
  EXPECT_EQ(session.max_message_size, 0u);
  EXPECT_EQ(session.snmp_mode, 2);
  EXPECT_EQ(session.security_level, 1);
  EXPECT_EQ(session.auth_protocol, 2);
  EXPECT_EQ(session.priv_protocol, 2);
  EXPECT_STREQ(session.user_name, "operator");
  EXPECT_STREQ(session.auth_pass_phrase, "Wq7bLm3xTr9vKp2zHn4d");

  // A later search reloads the handle's parameters: the texts follow, the numbers stay.
  ASSERT_EQ(usm.set_parameters(0, DvkUsmParameters{}), vex::kOk);
  EXPECT_STREQ(session.user_name, "Mdevices");
  EXPECT_EQ(session.snmp_mode, 2);
  EXPECT_EQ(session.security_level, 1);

  EXPECT_EQ(fresh.init(IVexNetworkAddress::PROTOCOL_IPV4, nullptr, &usm, 1, 1, 0),
            vex::kInvalidArgument);
  EXPECT_EQ(fresh.init(IVexNetworkAddress::PROTOCOL_IPV4, "x", nullptr, 1, 1, 0),
            vex::kInvalidArgument);
  EXPECT_EQ(std::string(session.address), address.substr(0, 63));
}

TEST_F(DeviceStatusTest, CommunitiesStartAsReadUnsetAndWritePrivate) {
  EXPECT_FALSE(status.session().read_community_given);
  EXPECT_STREQ(status.session().read_community, "");
  EXPECT_STREQ(status.session().write_community, "private");

  const std::string long_text(300, 'c');
  status.set_read_community(long_text.c_str());
  status.set_write_community("secret");
  EXPECT_TRUE(status.session().read_community_given);
  EXPECT_EQ(std::string(status.session().read_community), long_text.substr(0, 255));
  EXPECT_STREQ(status.session().write_community, "secret");

  status.set_write_community(nullptr);
  EXPECT_STREQ(status.session().write_community, "secret");
}

TEST_F(DeviceStatusTest, ReadsThroughTheReadersOwnSession) {
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_alerts(&count), vex::kOk);
  EXPECT_EQ(requests.last_session, &status.session());
  EXPECT_EQ(requests.requests, std::vector<std::string>{"walk 1.3.6.1.2.1.43.18.1.1.2"});
}

TEST_F(DeviceStatusTest, StorageCountKeepsOneRecordPerRow) {
  table(vex::kStorageTable) = {
      row_at(vex::kStorageTable, "1",
             {oid_value(kStorageType + ".2"), integer(1024), integer(65536), octets("RAM")}),
      row_at(vex::kStorageTable, "2",
             {oid_value(kStorageType + ".4"), integer(4096), integer(1000000), octets("HDD")})};
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_storage(&count), vex::kOk);
  EXPECT_EQ(count, 2);
  auto record = dirty<DvkStorageInfo>();
  ASSERT_EQ(status.get_storage(1, &record), vex::kOk);
  EXPECT_EQ(bytes_of(record),
            ExpectedBytes(268).i32(0, 4).i32(4, 4096).i32(8, 1000000).text(12, "HDD").bytes());
  ASSERT_EQ(status.get_storage(0, &record), vex::kOk);
  EXPECT_EQ(record.storage_type, 2);
}

TEST_F(DeviceStatusTest, GettersAnswerMinusElevenOutsideTheLastReading) {
  auto untouched = dirty<DvkOutputTrayInfo>();
  const auto before = bytes_of(untouched);
  EXPECT_EQ(status.get_output_tray(0, &untouched), vex::kIndexOutOfRange);  // nothing read yet

  for (int bin = 1; bin <= 3; ++bin) {
    table(vex::kOutputTrayTable)
        .push_back(row_at(
            vex::kOutputTrayTable, "1." + std::to_string(bin),
            {integer(3), integer(0), octets("Bin " + std::to_string(bin)), octets("Output bin")}));
  }
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_output_trays(&count), vex::kOk);
  EXPECT_EQ(count, 3);
  for (const std::uint32_t index : {3u, 4u, 0x80000000u, 0xFFFFFFFFu}) {
    EXPECT_EQ(status.get_output_tray(index, &untouched), vex::kIndexOutOfRange) << index;
  }
  EXPECT_EQ(bytes_of(untouched), before);
  DvkOutputTrayInfo last;
  ASSERT_EQ(status.get_output_tray(2, &last), vex::kOk);
  EXPECT_STREQ(last.output_name, "Bin 3");
}

TEST_F(DeviceStatusTest, ASmallerSecondReadingDropsTheOldLastRecord) {
  for (const char* index : {"1", "2", "3"}) {
    table(vex::kDeviceTable)
        .push_back(row_at(vex::kDeviceTable, index,
                          {oid_value("1.3.6.1.2.1.25.3.1.5"), integer(2), octets("device")}));
  }
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_devices(&count), vex::kOk);
  ASSERT_EQ(count, 3);
  table(vex::kDeviceTable).pop_back();
  ASSERT_EQ(status.number_of_devices(&count), vex::kOk);
  EXPECT_EQ(count, 2);
  DvkDeviceInfo record;
  EXPECT_EQ(status.get_device(2, &record), vex::kIndexOutOfRange);
  EXPECT_EQ(status.get_device(1, &record), vex::kOk);
}

TEST_F(DeviceStatusTest, AFailedReadingEmptiesTheRecordsAndWritesNoCount) {
  table(vex::kAlertTable) = {row_at(
      vex::kAlertTable, "1.1",
      {integer(3), integer(8), integer(1), integer(808), integer(801), octets("Tray 1 empty")})};
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_alerts(&count), vex::kOk);
  ASSERT_EQ(count, 1);
  requests.walk_failures[vex::kAlertTable.root] = vex::kTimeout;
  count = 99;
  EXPECT_EQ(status.number_of_alerts(&count), vex::kTimeout);
  EXPECT_EQ(count, 99);
  DvkAlertInfo record;
  EXPECT_EQ(status.get_alert(0, &record), vex::kIndexOutOfRange);
}

TEST_F(DeviceStatusTest, TonerCountSkipsEverySupplyButToner) {
  const std::int32_t types[] = {3, 9, 3, 9, 4, 3, 9, 3, 9};  // toners, drums, a waste box
  for (std::size_t i = 0; i < std::size(types); ++i) {
    table(vex::kTonerTable)
        .push_back(row_at(vex::kTonerTable, "1." + std::to_string(i + 1),
                          {integer(types[i]), integer(13), integer(100),
                           integer(types[i] == 3 ? static_cast<std::int32_t>(i) : 50),
                           octets("supply " + std::to_string(i + 1))}));
  }
  table(vex::kTonerTable)[5][3].value = integer(-3);
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_toners(&count), vex::kOk);
  EXPECT_EQ(count, 4);
  const char* expected[] = {"supply 1", "supply 3", "supply 6", "supply 8"};
  for (std::uint32_t i = 0; i < 4; ++i) {
    DvkTonerInfo record;
    ASSERT_EQ(status.get_toner(i, &record), vex::kOk);
    EXPECT_STREQ(record.description, expected[i]);
  }
  DvkTonerInfo third;
  ASSERT_EQ(status.get_toner(2, &third), vex::kOk);
  EXPECT_EQ(third.level, -3);
}

TEST_F(DeviceStatusTest, NoAlertsGiveCountZero) {
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_alerts(&count), vex::kOk);
  EXPECT_EQ(count, 0);
  DvkAlertInfo record;
  EXPECT_EQ(status.get_alert(0, &record), vex::kIndexOutOfRange);
}

TEST_F(DeviceStatusTest, InputTrayCountPassesTheRowsThrough) {
  table(vex::kInputTrayTable) = {
      row_at(vex::kInputTrayTable, "1.1",
             {integer(5), integer(4), integer(-1), integer(-1), integer(-1), integer(-1),
              integer(8), integer(50), integer(-3), integer(0), octets("plain"), octets("Bypass"),
              octets("MPT"), octets("stationery"), octets("white")})};
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_input_trays(&count), vex::kOk);
  ASSERT_EQ(count, 1);
  DvkInputTrayInfo record;
  ASSERT_EQ(status.get_input_tray(0, &record), vex::kOk);
  EXPECT_EQ(record.input_type, 5);
  EXPECT_EQ(record.current_level, -3);
  EXPECT_STREQ(record.media_color, "white");
}

TEST_F(DeviceStatusTest, PrinterInfoKeepsTheLastRowAndZeroesBeforeReading) {
  table(vex::kPrinterTable) = {
      row_at(vex::kPrinterTable, "1", {integer(3), octets(std::string("\x00\x40", 2))}),
      row_at(vex::kPrinterTable, "2", {integer(5), octets("\x80")})};
  auto record = dirty<DvkPrinterInfo>();
  ASSERT_EQ(status.printer_info(&record), vex::kOk);
  EXPECT_EQ(bytes_of(record), ExpectedBytes(8).i32(0, 5).raw(4, {0x80, 0, 0, 0}).bytes());

  table(vex::kPrinterTable).clear();
  ASSERT_EQ(status.printer_info(&record), vex::kOk);
  EXPECT_EQ(bytes_of(record), ExpectedBytes(8).bytes());

  requests.walk_failures[vex::kPrinterTable.root] = vex::kTimeout;
  record = dirty<DvkPrinterInfo>();
  const auto before = bytes_of(record);
  EXPECT_EQ(status.printer_info(&record), vex::kTimeout);
  EXPECT_EQ(bytes_of(record), before);
}

TEST_F(DeviceStatusTest, CountsRefuseAMissingCount) {
  EXPECT_EQ(status.number_of_storage(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(status.printer_info(nullptr), vex::kInvalidArgument);
  EXPECT_TRUE(requests.requests.empty());
}

// Until the get-data client exists a status reader has nobody to ask.
TEST(UnwiredDeviceStatus, AnswersEveryReadWithNotSupported) {
  CDvkPluginUSM usm;
  CDvkDeviceStatus status;
  ASSERT_EQ(status.init(IVexNetworkAddress::PROTOCOL_IPV4, "127.0.0.1", &usm, 100, 0, 0), vex::kOk);
  std::int32_t count = 42;
  EXPECT_EQ(status.number_of_storage(&count), vex::kNotSupported);
  EXPECT_EQ(status.number_of_devices(&count), vex::kNotSupported);
  EXPECT_EQ(status.number_of_input_trays(&count), vex::kNotSupported);
  EXPECT_EQ(status.number_of_output_trays(&count), vex::kNotSupported);
  EXPECT_EQ(status.number_of_toners(&count), vex::kNotSupported);
  EXPECT_EQ(status.number_of_alerts(&count), vex::kNotSupported);
  EXPECT_EQ(status.number_of_jobs(0, &count), vex::kNotSupported);
  EXPECT_EQ(count, 42);
  DvkPrinterInfo printer;
  EXPECT_EQ(status.printer_info(&printer), vex::kNotSupported);
  std::int32_t value = 7;
  EXPECT_EQ(status.character_set(0, &value), vex::kNotSupported);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(status.cancel_job("AB"), vex::kNotSupported);
  DvkStorageInfo storage;
  EXPECT_EQ(status.get_storage(0, &storage), vex::kIndexOutOfRange);
}

}  // namespace
