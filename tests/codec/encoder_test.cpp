#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "snmp/model/model_heap.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_usm_target.h"
#include "tests/codec/codec_test_support.h"
#include "tests/logging/log_capture.h"

namespace {

using namespace codec_test;
namespace tag = vex::tag;
namespace pdu_type = vex::pdu_type;

constexpr std::int32_t kV1 = vex::snmp_version::kV1;
constexpr std::int32_t kV2c = vex::snmp_version::kV2c;

const char* const kGetRequest =
    "30 26 02 01 01 04 06 70 75 62 6C 69 63 A0 19 02 01 01 02 01 00 02 01 00"
    " 30 0E 30 0C 06 08 2B 06 01 02 01 01 02 00 05 00";

TEST(Encoder, GetRequestOfOneNullBinding) {
  auto pdu = make_pdu(pdu_type::kGet, 1, {{"1.3.6.1.2.1.1.2.0", empty_value(tag::kNull)}});
  auto target = make_target(kV2c);
  const Encoded out = encode(pdu.get(), target.get());
  ASSERT_EQ(out.result, vex::kOk);
  EXPECT_EQ(hex_of(out.bytes), kGetRequest);
  EXPECT_EQ(out.bytes.size(), 40u);
  EXPECT_EQ(out.written, 1u);
}

struct ValueCase {
  const char* label;
  std::function<IVsnValue*()> make;
  const char* element;  // the value element as it ends the message
  Result decoded = vex::kOk;
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.label; }

class EncodedValues : public ::testing::TestWithParam<ValueCase> {};

// The value is the last element of the message; decoding it back must give
// an equal value, except for the IPv6 address, which only this side writes.
TEST_P(EncodedValues, AreWrittenInTheirMinimalForm) {
  const ValueCase& c = GetParam();
  auto pdu = make_pdu(pdu_type::kSet, 7, {{"1.3", c.make()}});
  auto target = make_target(kV2c, "public", 70000);
  const Encoded out = encode(pdu.get(), target.get());
  ASSERT_EQ(out.result, vex::kOk);
  const Bytes expected = hex(c.element);
  ASSERT_GE(out.bytes.size(), expected.size());
  const Bytes tail(out.bytes.end() - static_cast<std::ptrdiff_t>(expected.size()), out.bytes.end());
  EXPECT_EQ(hex_of(tail), hex_of(expected));

  const Decoded back = decode(out.bytes);
  ASSERT_EQ(back.result, c.decoded);
  if (c.decoded == vex::kOk) {
    EXPECT_TRUE(back.pdu->equals(pdu.get()));
  }
}

std::string repeated(const char* pair, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += std::string(" ") + pair;
  return out;
}

const std::string kLong127 = "04 7F" + repeated("61", 127);
const std::string kLong200 = "04 81 C8" + repeated("61", 200);
const std::string kLong300 = "04 82 01 2C" + repeated("61", 300);
const std::string kLong65536 = "04 83 01 00 00" + repeated("61", 65536);

INSTANTIATE_TEST_SUITE_P(
    Table, EncodedValues,
    ::testing::Values(
        ValueCase{"int_0", [] { return integer_value(0); }, "02 01 00"},
        ValueCase{"int_127", [] { return integer_value(127); }, "02 01 7F"},
        ValueCase{"int_128", [] { return integer_value(128); }, "02 02 00 80"},
        ValueCase{"int_minus_1", [] { return integer_value(-1); }, "02 01 FF"},
        ValueCase{"int_minus_128", [] { return integer_value(-128); }, "02 01 80"},
        ValueCase{"int_minus_129", [] { return integer_value(-129); }, "02 02 FF 7F"},
        ValueCase{"int_32767", [] { return integer_value(32767); }, "02 02 7F FF"},
        ValueCase{"int_32768", [] { return integer_value(32768); }, "02 03 00 80 00"},
        ValueCase{"int_max", [] { return integer_value(2147483647); }, "02 04 7F FF FF FF"},
        ValueCase{"int_min", [] { return integer_value(-2147483647 - 1); }, "02 04 80 00 00 00"},
        ValueCase{"gauge_max", [] { return unsigned_value(0xFFFFFFFF, tag::kGauge32); },
                  "42 05 00 FF FF FF FF"},
        ValueCase{"gauge_0x800000", [] { return unsigned_value(0x800000, tag::kGauge32); },
                  "42 04 00 80 00 00"},
        ValueCase{"timeticks_0", [] { return unsigned_value(0, tag::kTimeTicks); }, "43 01 00"},
        ValueCase{"counter32_128", [] { return unsigned_value(128, tag::kCounter32); },
                  "41 02 00 80"},
        ValueCase{"counter64_high_1", [] { return counter64_value(1, 0); }, "46 05 01 00 00 00 00"},
        ValueCase{"counter64_low_top_bit", [] { return counter64_value(0, 0x80000000); },
                  "46 05 00 80 00 00 00"},
        ValueCase{"counter64_0", [] { return counter64_value(0, 0); }, "46 01 00"},
        ValueCase{"counter64_max", [] { return counter64_value(0xFFFFFFFF, 0xFFFFFFFF); },
                  "46 09 00 FF FF FF FF FF FF FF FF"},
        ValueCase{"counter64_high_0x80", [] { return counter64_value(0x80, 1); },
                  "46 06 00 80 00 00 00 01"},
        ValueCase{"oid_2_100_3", [] { return oid_value("2.100.3"); }, "06 03 81 34 03"},
        ValueCase{"oid_2_999", [] { return oid_value("2.999"); }, "06 02 88 37"},
        ValueCase{"oid_subid_128", [] { return oid_value("1.3.128"); }, "06 03 2B 81 00"},
        ValueCase{"oid_subid_16383", [] { return oid_value("1.3.16383"); }, "06 03 2B FF 7F"},
        ValueCase{"oid_subid_16384", [] { return oid_value("1.3.16384"); }, "06 04 2B 81 80 00"},
        ValueCase{"oid_subid_max", [] { return oid_value("1.3.4294967295"); },
                  "06 06 2B 8F FF FF FF 7F"},
        ValueCase{"oid_subid_0", [] { return oid_value("0.0.0"); }, "06 02 00 00"},
        ValueCase{"oid_empty", [] { return oid_value(""); }, "06 00"},
        ValueCase{"octets_empty", [] { return bytes_value({}, tag::kOctetString); }, "04 00"},
        ValueCase{"octets_127", [] { return bytes_value(Bytes(127, 0x61), tag::kOctetString); },
                  kLong127.c_str()},
        ValueCase{"octets_200", [] { return bytes_value(Bytes(200, 0x61), tag::kOctetString); },
                  kLong200.c_str()},
        ValueCase{"octets_300", [] { return bytes_value(Bytes(300, 0x61), tag::kOctetString); },
                  kLong300.c_str()},
        ValueCase{"octets_65536", [] { return bytes_value(Bytes(65536, 0x61), tag::kOctetString); },
                  kLong65536.c_str()},
        ValueCase{"opaque", [] { return bytes_value(hex("9F 78 04"), tag::kOpaque); },
                  "44 03 9F 78 04"},
        ValueCase{"ip_address", [] { return bytes_value(hex("0A 00 00 01"), tag::kIpAddress); },
                  "40 04 0A 00 00 01"},
        ValueCase{"ipv6_address",
                  [] {
                    return bytes_value(hex("FE 80 00 00 00 00 00 00 00 00 00 00 00 00 00 01"),
                                       tag::kIpv6Address);
                  },
                  "48 10 FE 80 00 00 00 00 00 00 00 00 00 00 00 00 00 01", vex::kUndecodable},
        ValueCase{"null", [] { return empty_value(tag::kNull); }, "05 00"},
        ValueCase{"no_such_object", [] { return empty_value(tag::kNoSuchObject); }, "80 00"},
        ValueCase{"no_such_instance", [] { return empty_value(tag::kNoSuchInstance); }, "81 00"},
        ValueCase{"end_of_mib_view", [] { return empty_value(tag::kEndOfMibView); }, "82 00"}),
    [](const auto& test_info) { return std::string(test_info.param.label); });

TEST(Encoder, PduWithoutBindingsGetsAnEmptyList) {
  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  pdu->set_type(pdu_type::kGetNext);
  auto target = make_target(kV1, "");
  const Encoded out = encode(pdu.get(), target.get());
  ASSERT_EQ(out.result, vex::kOk);
  EXPECT_EQ(hex_of(out.bytes), "30 12 02 01 00 04 00 A1 0B 02 01 00 02 01 00 02 01 00 30 00");
  EXPECT_NE(pdu->varbinds(), nullptr);
  EXPECT_EQ(out.written, 0u);
}

struct TagCase {
  std::int32_t type;
  std::int32_t version;
  std::uint8_t tag;
};

TEST(Encoder, PduTagFollowsTypeAndVersion) {
  const TagCase cases[] = {{pdu_type::kGet, kV1, 0xA0},      {pdu_type::kGetNext, kV2c, 0xA1},
                           {pdu_type::kResponse, kV1, 0xA2}, {pdu_type::kSet, kV2c, 0xA3},
                           {pdu_type::kGetBulk, kV2c, 0xA5}, {pdu_type::kInform, kV2c, 0xA6},
                           {pdu_type::kReport, kV2c, 0xA8}};
  for (const TagCase& c : cases) {
    auto pdu = make_pdu(c.type, 5);
    auto target = make_target(c.version, "x");
    const Encoded out = encode(pdu.get(), target.get());
    ASSERT_EQ(out.result, vex::kOk) << c.type;
    EXPECT_EQ(out.bytes.at(2 + 3 + 3), c.tag) << c.type;  // after sequence, version, community
    EXPECT_EQ(out.bytes.at(4), c.version) << c.type;
  }
}

TEST(Encoder, GetBulkCarriesNonRepeatersAndMaxRepetitionsInTheErrorFields) {
  auto pdu = make_pdu(pdu_type::kGetBulk, 3, {{"1.3.6.1.2.1.2.2", empty_value(tag::kNull)}});
  pdu->set_error_status(1);
  pdu->set_error_index(25);
  auto target = make_target(kV2c);
  const Encoded out = encode(pdu.get(), target.get());
  ASSERT_EQ(out.result, vex::kOk);
  const Bytes expected = message(
      1, "public", 0xA5,
      join({request_fields(3, 1, 25), bindings({binding("1.3.6.1.2.1.2.2", hex("05 00"))})}));
  EXPECT_EQ(hex_of(out.bytes), hex_of(expected));
}

struct TrapCase {
  const char* trap_oid;
  const char* enterprise;
  std::int32_t generic;
  std::int32_t specific;
};

TEST(Encoder, TrapIdentifierMapsToTheV1TrapHeader) {
  const TrapCase cases[] = {
      {"1.3.6.1.6.3.1.1.5.0.1", "1.3.6.1.6.3.1.1.5", 0, 0},
      {"1.3.6.1.6.3.1.1.5.0.3", "1.3.6.1.6.3.1.1.5", 2, 0},
      {"1.3.6.1.6.3.1.1.5.0.6", "1.3.6.1.6.3.1.1.5", 5, 0},
      {"1.3.6.1.4.1.253.0.7", "1.3.6.1.4.1.253", 6, 7},
      {"1.3.6.1.4.1.119.2.0.12", "1.3.6.1.4.1.119.2", 6, 12},
      {"1.3.6.1.4.1.253.0.0", "1.3.6.1.4.1.253", 6, 0},
      {"1.3.6.1.6.3.1.1.5.3.0.9", "1.3.6.1.6.3.1.1.5.3", 6, 9},
      {"0.9", "", 6, 9},
  };
  for (const TrapCase& c : cases) {
    auto pdu = make_trap(c.trap_oid, 4321, {{"1.3.6.1.2.1.1.3.0", integer_value(1)}});
    auto target = make_target(kV1);
    const Encoded out = encode(pdu.get(), target.get());
    ASSERT_EQ(out.result, vex::kOk) << c.trap_oid;
    const Bytes expected = message(
        0, "public", 0xA4,
        join({oid(c.enterprise), hex("40 04 00 00 00 00"), integer(c.generic), integer(c.specific),
              integer(4321, 0x43), bindings({binding("1.3.6.1.2.1.1.3.0", integer(1))})}));
    EXPECT_EQ(hex_of(out.bytes), hex_of(expected)) << c.trap_oid;
  }
}

TEST(Encoder, TrapsThatHaveNoV1FormAreRefused) {
  const struct {
    const char* trap_oid;
    Result expected;
  } cases[] = {
      {"", vex::kInvalidArgument},
      {"1", vex::kInvalidArgument},
      {"1.3.6.1.4.1.253.1.7", vex::kInvalidArgument},    // next-to-last arc not 0
      {"1.3.6.1.6.3.1.1.5.0.0", vex::kInvalidArgument},  // no generic trap -1
      {"1.3.6.1.6.3.1.1.5.0.7", vex::kInvalidArgument},  // nor 6 under snmpTraps
      {"1.0.7", vex::kInvalidArgument},                  // enterprise of one arc
  };
  for (const auto& c : cases) {
    auto pdu = make_trap(c.trap_oid, 1);
    auto target = make_target(kV1);
    EXPECT_EQ(encode(pdu.get(), target.get()).result, c.expected) << c.trap_oid;
  }
  auto untimed = make_pdu(pdu_type::kTrap, 0);
  untimed->set_trap_oid(oid_value("1.3.6.1.4.1.253.0.1"));
  auto target = make_target(kV1);
  EXPECT_EQ(encode(untimed.get(), target.get()).result, vex::kInvalidArgument);
  auto unnamed = make_pdu(pdu_type::kTrap, 0);
  unnamed->set_time_stamp(unsigned_value(1, tag::kTimeTicks));
  EXPECT_EQ(encode(unnamed.get(), target.get()).result, vex::kInvalidArgument);
}

TEST(Encoder, TrapUnderSnmpV2cIsNotWritten) {
  auto pdu = make_trap("1.3.6.1.6.3.1.1.5.0.1", 1);
  auto target = make_target(kV2c);
  EXPECT_EQ(encode(pdu.get(), target.get()).result, vex::kNotSupported);
}

TEST(Encoder, OneArcIdentifierIsRefusedWithItsLogLine) {
  vex::test::LogCapture capture("snmp");
  auto named = make_pdu(pdu_type::kGet, 1, {{"1", empty_value(tag::kNull)}});
  auto target = make_target(kV1);
  EXPECT_EQ(encode(named.get(), target.get()).result, vex::kInvalidArgument);
  EXPECT_EQ(capture.messages(), std::vector<std::string>{"encode error:oid size is 1."});
  capture.clear();
  auto valued = make_pdu(pdu_type::kSet, 1, {{"1.3.6", oid_value("7")}});
  EXPECT_EQ(encode(valued.get(), target.get()).result, vex::kInvalidArgument);
  EXPECT_TRUE(capture.contains("encode error:oid size is 1."));
}

TEST(Encoder, ValuesTargetsAndPdusWithoutAnSnmpV1V2cFormAreRefused) {
  auto target = make_target(kV2c);
  for (const std::int32_t address : {tag::kUdpAddress, tag::kIpxAddress}) {
    auto pdu = make_pdu(pdu_type::kSet, 1,
                        {{"1.3.6.1", integer_value(1)}, {"1.3.6.2", empty_value(address)}});
    EXPECT_EQ(encode(pdu.get(), target.get()).result, vex::kNotSupported) << address;
  }
  for (const std::int32_t type : {pdu_type::kUnset, 7, 9}) {
    auto pdu = make_pdu(type, 1);
    EXPECT_EQ(encode(pdu.get(), target.get()).result, vex::kNotSupported) << type;
  }
  auto pdu = make_pdu(pdu_type::kGet, 1, {{"1.3.6.1", empty_value(tag::kNull)}});
  for (const std::int32_t version : {vex::snmp_version::kUnset, vex::snmp_version::kV3}) {
    auto odd = make_target(version);
    EXPECT_EQ(encode(pdu.get(), odd.get()).result, vex::kNotSupported) << version;
  }
  Owned<IVsnSnmpTarget> usm(vsn_create_usm_target(nullptr));
  usm->set_version(vex::snmp_version::kV3);
  usm->set_max_size(1500);
  EXPECT_EQ(encode(pdu.get(), usm.get()).result, vex::kNotSupported);
}

TEST(Encoder, MissingPartsAreInvalid) {
  auto pdu = make_pdu(pdu_type::kGet, 1);
  auto target = make_target(kV1);
  EXPECT_EQ(encode(nullptr, target.get()).result, vex::kInvalidArgument);
  EXPECT_EQ(encode(pdu.get(), nullptr).result, vex::kInvalidArgument);
  std::uint32_t written = 0;
  EXPECT_EQ(TranslatorRegistry::instance()->encode(pdu.get(), target.get(), nullptr, &written),
            vex::kInvalidArgument);
  EXPECT_EQ(TranslatorRegistry::instance()->encode_packet(nullptr, nullptr, nullptr),
            vex::kInvalidArgument);

  IVsnVarBind* nameless = vsn_create_varbind(nullptr);
  nameless->set_value(integer_value(1));
  ASSERT_EQ(pdu->append(nameless), vex::kOk);
  EXPECT_EQ(encode(pdu.get(), target.get()).result, vex::kInvalidArgument);
  nameless->set_name(oid_value("1.3.6"));
  nameless->set_value(nullptr);
  EXPECT_EQ(encode(pdu.get(), target.get()).result, vex::kInvalidArgument);
}

TEST(Encoder, CommunityBytesAreWrittenWithoutTerminator) {
  auto pdu = make_pdu(pdu_type::kGet, 0x12345678);
  Owned<IVsnSnmpTarget> target(vsn_create_community_target(nullptr));
  target->set_version(kV1);
  target->set_max_size(100);  // and no community at all
  const Encoded none = encode(pdu.get(), target.get());
  ASSERT_EQ(none.result, vex::kOk);
  EXPECT_EQ(hex_of(none.bytes),
            hex_of(message(0, "", 0xA0, join({request_fields(0x12345678, 0, 0), hex("30 00")}))));
}

// The bindings are written from the last to the first, so a buffer of any
// size holds the largest tail of the list that fits, and the count says how
// long that tail is.
TEST(Encoder, TooSmallBufferGivesMinus211AndTheBindingsThatFitted) {
  const char* names[] = {"1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.5.0",
                         "1.3.6.1.4.1.253.8.51.10.2.1.7.1"};
  const std::string text(100, 'x');
  std::vector<std::size_t> sizes;
  for (const char* name : names) sizes.push_back(binding(name, octets(text)).size());
  auto pdu =
      make_pdu(pdu_type::kResponse, 9,
               {{names[0], bytes_value(Bytes(text.begin(), text.end()), tag::kOctetString)},
                {names[1], bytes_value(Bytes(text.begin(), text.end()), tag::kOctetString)},
                {names[2], bytes_value(Bytes(text.begin(), text.end()), tag::kOctetString)}});
  auto target = make_target(kV1);
  const Encoded full = encode(pdu.get(), target.get());
  ASSERT_EQ(full.result, vex::kOk);
  EXPECT_EQ(full.written, 3u);
  const auto length = static_cast<std::int32_t>(full.bytes.size());
  for (std::int32_t max = 0; max < length; ++max) {
    target->set_max_size(max);
    PacketBuffer buffer;
    std::uint32_t written = 0xFFFF;
    ASSERT_EQ(TranslatorRegistry::instance()->encode(pdu.get(), target.get(), &buffer, &written),
              vex::kDoesNotFit)
        << max;
    std::uint32_t fitting = 0;
    std::size_t used = 0;
    for (std::size_t i = sizes.size(); i-- > 0 && used + sizes[i] <= std::size_t(max);) {
      used += sizes[i];
      ++fitting;
    }
    EXPECT_EQ(written, fitting) << max;
    EXPECT_EQ(buffer.size(), std::uint32_t(max));
    EXPECT_EQ(buffer.message_start(), buffer.data());
  }
  target->set_max_size(length);
  const Encoded exact = encode(pdu.get(), target.get());
  ASSERT_EQ(exact.result, vex::kOk);
  EXPECT_EQ(exact.bytes, full.bytes);
}

TEST(Encoder, OneByteShortOfTheGetRequest) {
  auto pdu = make_pdu(pdu_type::kGet, 1, {{"1.3.6.1.2.1.1.2.0", empty_value(tag::kNull)}});
  auto target = make_target(kV2c, "public", 39);
  const Encoded out = encode(pdu.get(), target.get());
  EXPECT_EQ(out.result, vex::kDoesNotFit);
  EXPECT_EQ(out.written, 1u);
}

// Every allocation the encoder makes may fail; each failure answers -3 and
// leaves nothing behind (the sanitizer builds check for leaks).
TEST(Encoder, EachFailedAllocationAnswersMinus3) {
  auto target = make_target(kV1);
  Result result = vex::kOutOfMemory;
  for (int allowed = 0; allowed < 20 && result == vex::kOutOfMemory; ++allowed) {
    Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
    pdu->set_type(pdu_type::kGet);
    const vex::AllocationLimit limit(allowed);
    result = encode(pdu.get(), target.get()).result;
    EXPECT_TRUE(result == vex::kOk || result == vex::kOutOfMemory) << allowed << ": " << result;
  }
  EXPECT_EQ(result, vex::kOk);
}

}  // namespace
