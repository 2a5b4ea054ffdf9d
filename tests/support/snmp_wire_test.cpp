#include "tests/support/snmp_wire.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vex::test::wire {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An SNMPv1 GetRequest for sysName.0, request-id 1, community "public", as
// Net-SNMP's snmpget sends it.
const Bytes kGetSysName = {0x30, 0x26, 0x02, 0x01, 0x00, 0x04, 0x06, 'p',  'u',  'b',
                           'l',  'i',  'c',  0xA0, 0x19, 0x02, 0x01, 0x01, 0x02, 0x01,
                           0x00, 0x02, 0x01, 0x00, 0x30, 0x0E, 0x30, 0x0C, 0x06, 0x08,
                           0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x05, 0x00, 0x05, 0x00};

TEST(SnmpWire, EncodesAGetRequestAsNetSnmpDoes) {
  EXPECT_EQ(encode(request(kGet, 1, {"1.3.6.1.2.1.1.5.0"})), kGetSysName);
}

TEST(SnmpWire, DecodesWhatItEncodes) {
  Message message = request(kResponse, -5, {}, "private", 1);
  message.error_status = 2;
  message.error_index = 1;
  const std::string long_text(300, 'x');  // needs a two-byte length
  message.bindings = {{"1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66", Value::integer(1414)},
                      {"1.3.6.1.2.1.25.3.2.1.3.1", Value::octets(long_text)},
                      {"1.3.6.1.2.1.1.2.0", Value::object_id("1.3.6.1.4.1.119.1.40.297.93")}};
  const auto decoded = decode(encode(message));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->version, 1);
  EXPECT_EQ(decoded->community, "private");
  EXPECT_EQ(decoded->pdu_type, kResponse);
  EXPECT_EQ(decoded->request_id, -5);
  EXPECT_EQ(decoded->error_status, 2);
  EXPECT_EQ(decoded->error_index, 1);
  ASSERT_EQ(decoded->bindings.size(), 3u);
  EXPECT_EQ(decoded->bindings[0].oid, "1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66");
  EXPECT_EQ(decoded->bindings[0].value.as_integer(), 1414);
  EXPECT_EQ(decoded->bindings[1].value.as_text(), long_text);
  EXPECT_EQ(decoded->bindings[2].value.as_object_id(), "1.3.6.1.4.1.119.1.40.297.93");
}

TEST(SnmpWire, IntegersKeepSignAndWidth) {
  struct Case {
    std::int64_t number;
    Bytes content;
  };
  const Case cases[] = {{0, {0x00}},          {127, {0x7F}},
                        {128, {0x00, 0x80}},  {-1, {0xFF}},
                        {-128, {0x80}},       {-129, {0xFF, 0x7F}},
                        {1414, {0x05, 0x86}}, {2147483647, {0x7F, 0xFF, 0xFF, 0xFF}}};
  for (const auto& c : cases) {
    const Value value = Value::integer(c.number);
    EXPECT_EQ(value.content, c.content) << c.number;
    EXPECT_EQ(value.as_integer(), c.number) << c.number;
  }
  EXPECT_EQ((Value{0x42, {0x00, 0xFF, 0xFF, 0xFF, 0xFF}}.as_integer()), 4294967295)
      << "Gauge32 reads unsigned";
}

TEST(SnmpWire, RefusesMalformedMessages) {
  Bytes cut(kGetSysName.begin(), kGetSysName.end() - 1);
  Bytes trailing = kGetSysName;
  trailing.push_back(0x00);
  Bytes junk(16, 0xFF);
  for (const Bytes& bytes : {cut, trailing, junk, Bytes{}}) EXPECT_FALSE(decode(bytes));
}

}  // namespace
}  // namespace vex::test::wire
