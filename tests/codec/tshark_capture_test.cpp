#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/codec/codec_test_support.h"
#include "tests/support/child_process.h"
#include "tests/support/loopback.h"
#include "tests/support/requirements.h"
#include "tests/support/temp_folder.h"
#include "tests/support/udp_client.h"

namespace {

using namespace codec_test;
using namespace std::chrono_literals;
namespace tag = vex::tag;
namespace pdu_type = vex::pdu_type;
using Fields = std::map<std::string, std::string>;

constexpr const char* kTshark = "/usr/bin/tshark";
constexpr std::int32_t kV1 = vex::snmp_version::kV1;
constexpr std::int32_t kV2c = vex::snmp_version::kV2c;

std::string tshark_unavailable() {
  if (::access(kTshark, X_OK) != 0) return "tshark is not installed (Debian: tshark)";
  if (::geteuid() != 0) return "capturing with tshark needs root";
  return {};
}

// The fields read from every captured frame, in this order.
const std::vector<std::string> kFieldNames = {
    "snmp.version",         "snmp.community",    "snmp.data",          "snmp.request_id",
    "snmp.error_status",    "snmp.error_index",  "snmp.non_repeaters", "snmp.max_repetitions",
    "snmp.enterprise",      "snmp.agent_addr",   "snmp.generic_trap",  "snmp.specific_trap",
    "snmp.time_stamp",      "snmp.name",         "snmp.value.int",     "snmp.value.octets",
    "snmp.value.oid",       "snmp.value.ipv4",   "snmp.value.counter", "snmp.value.g32",
    "snmp.value.timeticks", "snmp.value.opaque", "snmp.value.null",    "snmp.noSuchObject",
    "snmp.noSuchInstance",  "snmp.endOfMibView", "_ws.malformed",      "_ws.expert.severity",
    "_ws.expert.message"};

struct Case {
  Bytes bytes;
  Fields expected;  // fields that must read so; the others are not looked at
};

Case encoded(IVsnPdu* pdu, std::int32_t version, const char* community, Fields expected) {
  auto target = make_target(version, community);
  const Encoded out = encode(pdu, target.get());
  EXPECT_EQ(out.result, vex::kOk);
  return {out.bytes, std::move(expected)};
}

std::vector<Case> cases() {
  std::vector<Case> all;
  auto get = make_pdu(pdu_type::kGet, 1, {{"1.3.6.1.2.1.1.2.0", empty_value(tag::kNull)}});
  all.push_back(encoded(get.get(), kV2c, "public",
                        {{"snmp.version", "1"},
                         {"snmp.community", "public"},
                         {"snmp.data", "0"},
                         {"snmp.request_id", "1"},
                         {"snmp.name", "1.3.6.1.2.1.1.2.0"}}));
  auto v1_types = make_pdu(
      pdu_type::kResponse, -77,
      {{"1.3.6.1.2.1.1.1.0", bytes_value(hex("70 72 69 6E 74 65 72"), tag::kOctetString)},
       {"1.3.6.1.2.1.1.2.0", oid_value("1.3.6.1.4.1.253.8.62.1")},
       {"1.3.6.1.2.1.1.3.0", unsigned_value(123456, tag::kTimeTicks)},
       {"1.3.6.1.2.1.4.20.1.1.10.0.0.1", bytes_value(hex("0A 00 00 01"), tag::kIpAddress)},
       {"1.3.6.1.2.1.2.2.1.10.1", unsigned_value(0xFFFFFFFF, tag::kCounter32)},
       {"1.3.6.1.2.1.2.2.1.5.1", unsigned_value(100000000, tag::kGauge32)},
       {"1.3.6.1.2.1.25.3.2.1.5.1", integer_value(-129)},
       {"1.3.6.1.4.1.2021.100.1", bytes_value(hex("9F 78 04 3F 80 00 00"), tag::kOpaque)}});
  v1_types->set_error_status(2);
  v1_types->set_error_index(7);
  all.push_back(encoded(v1_types.get(), kV1, "private",
                        {{"snmp.version", "0"},
                         {"snmp.community", "private"},
                         {"snmp.data", "2"},
                         {"snmp.request_id", "-77"},
                         {"snmp.error_status", "2"},
                         {"snmp.error_index", "7"},
                         {"snmp.value.octets", "7072696e746572"},
                         {"snmp.value.opaque", "9f78043f800000"},
                         {"snmp.value.oid", "1.3.6.1.4.1.253.8.62.1"},
                         {"snmp.value.timeticks", "123456"},
                         {"snmp.value.ipv4", "10.0.0.1"},
                         {"snmp.value.int", "-129"}}));
  auto v2_types = make_pdu(pdu_type::kResponse, 2147483647,
                           {{"1.3.6.1.2.1.31.1.1.1.6.1", counter64_value(0xFFFFFFFF, 0xFFFFFFFF)},
                            {"1.3.6.1.2.1.1.9.0", empty_value(tag::kNoSuchObject)},
                            {"1.3.6.1.2.1.1.9.1", empty_value(tag::kNoSuchInstance)},
                            {"1.3.6.1.2.1.1.9.2", empty_value(tag::kEndOfMibView)}});
  all.push_back(encoded(v2_types.get(), kV2c, "public",
                        {{"snmp.data", "2"},
                         {"snmp.request_id", "2147483647"},
                         {"snmp.value.counter", "18446744073709551615"},
                         {"snmp.name",
                          "1.3.6.1.2.1.31.1.1.1.6.1,1.3.6.1.2.1.1.9.0,1.3.6.1.2.1.1.9.1,"
                          "1.3.6.1.2.1.1.9.2"}}));
  auto bulk = make_pdu(pdu_type::kGetBulk, 5, {{"1.3.6.1.2.1.2.2.1", nullptr}});
  bulk->set_error_status(1);
  bulk->set_error_index(10);
  all.push_back(
      encoded(bulk.get(), kV2c, "public",
              {{"snmp.data", "5"}, {"snmp.non_repeaters", "1"}, {"snmp.max_repetitions", "10"}}));
  auto specific = make_trap("1.3.6.1.4.1.253.0.7", 4321, {{"1.3.6.1.2.1.1.5.0", nullptr}});
  all.push_back(encoded(specific.get(), kV1, "public",
                        {{"snmp.data", "4"},
                         {"snmp.enterprise", "1.3.6.1.4.1.253"},
                         {"snmp.agent_addr", "0.0.0.0"},
                         {"snmp.generic_trap", "6"},
                         {"snmp.specific_trap", "7"},
                         {"snmp.time_stamp", "4321"}}));
  auto cold_start = make_trap("1.3.6.1.6.3.1.1.5.0.1", 0);
  all.push_back(encoded(cold_start.get(), kV1, "public",
                        {{"snmp.enterprise", "1.3.6.1.6.3.1.1.5"},
                         {"snmp.generic_trap", "0"},
                         {"snmp.specific_trap", "0"}}));
  const std::int32_t kinds[] = {pdu_type::kGetNext, pdu_type::kSet, pdu_type::kInform,
                                pdu_type::kReport};
  for (const std::int32_t kind : kinds) {
    auto pdu = make_pdu(kind, 1000 + kind, {{"1.3.6.1.2.1.1.4.0", integer_value(kind)}});
    all.push_back(encoded(
        pdu.get(), kV2c, "public",
        {{"snmp.data", std::to_string(kind)}, {"snmp.request_id", std::to_string(1000 + kind)}}));
  }
  // Long-form lengths of two octets on every level.
  auto long_one = make_pdu(
      pdu_type::kSet, 9, {{"1.3.6.1.2.1.1.6.0", bytes_value(Bytes(300, 'a'), tag::kOctetString)}});
  std::string long_value;
  for (int i = 0; i < 300; ++i) long_value += "61";
  all.push_back(encoded(long_one.get(), kV1, "private", {{"snmp.value.octets", long_value}}));
  return all;
}

Fields fields_of(const std::string& line) {
  Fields out;
  std::size_t at = 0;
  for (const std::string& name : kFieldNames) {
    const std::size_t bar = line.find('|', at);
    out[name] = line.substr(at, bar == std::string::npos ? std::string::npos : bar - at);
    at = bar == std::string::npos ? line.size() : bar + 1;
  }
  return out;
}

bool wait_for_text(const std::string& path, const std::string& text,
                   std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (vex::test::read_file(path).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

// Messages this encoder writes, sent over loopback and captured, are SNMP to
// Wireshark's own dissector, without a malformed-packet mark.
TEST(Tshark, EncodedMessagesDissectAsWellFormedSnmp) {
  DVK_REQUIRE(tshark_unavailable());
  const std::vector<Case> all = cases();

  const vex::test::LoopbackAddress address = vex::test::LoopbackAddress::ipv4();
  ASSERT_TRUE(address.valid());
  vex::test::TempFolder folder("dvk-codec-tshark");
  const std::string capture = folder.file("capture.pcap");
  const std::string log = folder.file("tshark.log");
  std::string error;
  vex::test::ChildProcess tshark = vex::test::ChildProcess::spawn(
      {.argv = {kTshark, "-n", "-i", "lo", "-f", "udp and host " + address.text() + " and port 161",
                "-c", std::to_string(all.size()), "-a", "duration:30", "-w", capture},
       .output_path = log},
      &error);
  ASSERT_TRUE(tshark.started()) << error;
  ASSERT_TRUE(wait_for_text(log, "Capturing on", 15000ms)) << vex::test::read_file(log);
  std::this_thread::sleep_for(200ms);  // the filter is in place shortly after the message

  vex::test::UdpClient receiver(AF_INET);
  ASSERT_TRUE(receiver.bind(address.text(), 161));
  vex::test::UdpClient sender(AF_INET);
  for (const Case& c : all) ASSERT_TRUE(sender.send_to(address.text(), 161, c.bytes));
  EXPECT_EQ(receiver.receive_all(300ms).size(), all.size());
  const auto ended = tshark.wait_for(10000ms);
  if (!ended) tshark.stop();
  ASSERT_TRUE(ended) << "tshark did not capture every message: " << vex::test::read_file(log);

  std::vector<std::string> arguments = {kTshark, "-n",     "-r", capture,
                                        "-T",    "fields", "-E", "separator=|"};
  for (const std::string& name : kFieldNames) {
    arguments.push_back("-e");
    arguments.push_back(name);
  }
  const vex::test::CommandResult dissected = vex::test::run_command(arguments, {}, 20000ms);
  ASSERT_EQ(dissected.exit_code, 0) << dissected.output;
  std::vector<Fields> frames;
  std::istringstream lines(dissected.output);
  for (std::string line; std::getline(lines, line);) {
    if (line.find('|') != std::string::npos) frames.push_back(fields_of(line));
  }
  ASSERT_EQ(frames.size(), all.size()) << dissected.output;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Fields& frame = frames[i];
    EXPECT_EQ(frame.at("_ws.malformed"), "") << i << ": " << hex_of(all[i].bytes);
    // Notes (no MIB loaded) are fine; warnings and errors are not.
    std::istringstream severities(frame.at("_ws.expert.severity"));
    for (std::string severity; std::getline(severities, severity, ',');) {
      EXPECT_LT(std::stoul(severity), 0x600000UL) << i << ": " << frame.at("_ws.expert.message");
    }
    for (const auto& [name, value] : all[i].expected) {
      EXPECT_EQ(frame.at(name), value) << i << " " << name;
    }
  }
}

}  // namespace
