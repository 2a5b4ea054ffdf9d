#include <gtest/gtest.h>

#include <optional>
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
using Lines = std::vector<std::string>;

const char* const kGetRequest =
    "30 26 02 01 01 04 06 70 75 62 6C 69 63 A0 19 02 01 01 02 01 00 02 01 00"
    " 30 0E 30 0C 06 08 2B 06 01 02 01 01 02 00 05 00";

TEST(Decoder, GetRequestOfOneNullBinding) {
  const Decoded out = decode(hex(kGetRequest));
  ASSERT_EQ(out.result, vex::kOk);
  EXPECT_EQ(out.target->version(), vex::snmp_version::kV2c);
  EXPECT_EQ(community_of(out.target.get()), "public");
  EXPECT_EQ(out.pdu->type(), pdu_type::kGet);
  EXPECT_EQ(out.pdu->request_id(), 1);
  EXPECT_EQ(out.pdu->error_status(), 0);
  EXPECT_EQ(out.pdu->error_index(), 0);
  EXPECT_EQ(describe(*out.pdu), Lines{"1.3.6.1.2.1.1.2.0|5|"});
}

TEST(Decoder, DatagramLongerThanTheMessageIsCutDown) {
  vex::test::LogCapture capture("snmp");
  const Decoded out = decode(join({hex(kGetRequest), hex("00 00")}));
  EXPECT_EQ(out.result, vex::kOk);
  EXPECT_EQ(describe(*out.pdu), Lines{"1.3.6.1.2.1.1.2.0|5|"});
  EXPECT_EQ(capture.messages(), Lines{"received packet is redundancy. be cut down."});
  EXPECT_NE(capture.lines().at(0).find("Info"), std::string::npos) << capture.lines().at(0);
}

TEST(Decoder, DatagramShorterThanTheMessageIsRefused) {
  vex::test::LogCapture capture("snmp");
  Bytes cut = hex(kGetRequest);
  cut.pop_back();
  EXPECT_EQ(decode(cut).result, vex::kUndecodable);
  EXPECT_EQ(capture.messages(),
            Lines{"decode error: lack of received packet. can't go on decoding any more."});
}

TEST(Decoder, MessageMayStartInsideTheBuffer) {
  const Bytes bytes = join({hex("FF FF FF"), hex(kGetRequest)});
  PacketBuffer buffer;
  load(buffer, bytes);
  buffer.set_message_start(3);
  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  EXPECT_EQ(TranslatorRegistry::instance()->decode(&buffer, pdu.get(), nullptr, 0), vex::kOk);
  EXPECT_EQ(pdu->request_id(), 1);
}

TEST(Decoder, MessageLengthInEveryDefiniteForm) {
  const std::string body = std::string(kGetRequest).substr(6);
  for (const char* header : {"30 81 26", "30 82 00 26", "30 84 00 00 00 26"}) {
    const Decoded out = decode(hex(std::string(header) + body));
    EXPECT_EQ(out.result, vex::kOk) << header;
    EXPECT_EQ(out.pdu->request_id(), 1) << header;
  }
  EXPECT_EQ(decode(hex("30 80" + body + " 00 00")).result, vex::kUndecodable);
}

struct ValueCase {
  const char* element;
  std::int32_t tag;  // of the decoded value
  const char* text;  // its text form
  Result result = vex::kOk;
  const char* log = nullptr;  // the one line logged, if any
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.element; }

class DecodedValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(DecodedValues, DecodeIntoTheirValueClass) {
  const ValueCase& c = GetParam();
  vex::test::LogCapture capture("snmp");
  const Decoded out = decode(response(bindings({binding("1.3.6.1", hex(c.element))})));
  ASSERT_EQ(out.result, c.result);
  if (c.result == vex::kOk) {
    const IVsnValue* value = out.pdu->varbinds()->at(0)->value();
    EXPECT_EQ(value->type(), c.tag);
    EXPECT_EQ(text_of(value), c.text);
  }
  EXPECT_EQ(capture.messages(), c.log != nullptr ? Lines{c.log} : Lines{});
}

const char* const kUnknownType = "decode error: unknown asn type.";

INSTANTIATE_TEST_SUITE_P(
    Table, DecodedValues,
    ::testing::Values(
        ValueCase{"02 01 05", tag::kInteger, "5"}, ValueCase{"02 00", tag::kInteger, "0"},
        ValueCase{"02 05 00 FF FF FF FF", tag::kInteger, "-1"},
        ValueCase{"02 05 01 00 00 00 00", 0, "", vex::kUndecodable},
        ValueCase{"02 02 FF 7F", tag::kInteger, "-129"},
        ValueCase{"42 05 00 FF FF FF FF", tag::kGauge32, "4294967295"},
        ValueCase{"42 01 FF", tag::kGauge32, "4294967295"},
        ValueCase{"41 02 00 80", tag::kCounter32, "128"},
        ValueCase{"43 01 00", tag::kTimeTicks, "0"},
        ValueCase{"43 04 00 01 E2 40", tag::kTimeTicks, "123456"},
        ValueCase{"46 09 00 FF FF FF FF FF FF FF FF", tag::kCounter64, "18446744073709551615"},
        ValueCase{"46 05 01 00 00 00 00", tag::kCounter64, "4294967296"},
        ValueCase{"46 00", tag::kCounter64, "0"}, ValueCase{"46 02 01 00", tag::kCounter64, "256"},
        ValueCase{"06 00", tag::kObjectId, ""}, ValueCase{"06 01 2B", tag::kObjectId, "1.3"},
        ValueCase{"06 02 88 37", tag::kObjectId, "2.999"},
        ValueCase{"06 03 81 34 03", tag::kObjectId, "2.100.3"},
        ValueCase{"06 01 00", tag::kObjectId, "0.0"}, ValueCase{"06 01 27", tag::kObjectId, "0.39"},
        ValueCase{"06 01 28", tag::kObjectId, "1.0"}, ValueCase{"06 01 4F", tag::kObjectId, "1.39"},
        ValueCase{"06 01 50", tag::kObjectId, "2.0"},
        ValueCase{"06 04 2B 81 80 00", tag::kObjectId, "1.3.16384"},
        ValueCase{"06 06 2B 8F FF FF FF 7F", tag::kObjectId, "1.3.4294967295"},
        ValueCase{"04 00", tag::kOctetString, ""},
        ValueCase{"04 81 03 61 62 63", tag::kOctetString, "abc"},
        ValueCase{"04 04 61 62", 0, "", vex::kUndecodable},
        ValueCase{"44 02 61 62", tag::kOpaque, "ab"},
        ValueCase{"40 04 0A 00 00 01", tag::kIpAddress, "10.0.0.1"},
        ValueCase{"40 03 0A 00 00", 0, "", vex::kUndecodable},
        ValueCase{"40 05 0A 00 00 01 02", 0, "", vex::kUndecodable},
        ValueCase{"05 00", tag::kNull, ""}, ValueCase{"05 01 00", 0, "", vex::kUndecodable},
        ValueCase{"80 00", tag::kNoSuchObject, ""}, ValueCase{"81 00", tag::kNoSuchInstance, ""},
        ValueCase{"82 00", tag::kEndOfMibView, ""}, ValueCase{"82 01 00", 0, "", vex::kUndecodable},
        ValueCase{"47 00", 0, "", vex::kUndecodable, kUnknownType},
        ValueCase{"48 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01", 0, "", vex::kUndecodable,
                  kUnknownType},
        ValueCase{"45 00", 0, "", vex::kUndecodable, kUnknownType},
        ValueCase{"30 00", 0, "", vex::kUndecodable, kUnknownType},
        ValueCase{"A2 00", 0, "", vex::kUndecodable, kUnknownType},
        ValueCase{"83 00", 0, "", vex::kUndecodable, kUnknownType},
        ValueCase{"46 09 00 FF", 0, "", vex::kUndecodable,
                  "decode error: counter64 format is wrong."},
        ValueCase{"06 02 2B 86", 0, "", vex::kUndecodable, "decode error. oid format is wrong."}));

TEST(Decoder, OctetStringKeepsZeroOctets) {
  const Decoded out = decode(response(bindings({binding("1.3", hex("04 03 61 00 62"))})));
  ASSERT_EQ(out.result, vex::kOk);
  EXPECT_EQ(text_of(out.pdu->varbinds()->at(0)->value()), std::string("a\0b", 3));
}

TEST(Decoder, OidRunningPastItsLengthIsRefusedSilentlyWhileDataFollows) {
  vex::test::LogCapture capture("snmp");
  const Bytes list = tlv(0x30, tlv(0x30, hex("06 02 2B 86 05 00")));
  EXPECT_EQ(decode(response(list)).result, vex::kUndecodable);
  EXPECT_EQ(capture.messages(), Lines{});
}

struct RefusalCase {
  const char* label;
  Bytes bytes;
  Result result;
  const char* log;  // null: no line at all
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.label; }

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, AnswerTheirResultAndLogLine) {
  const RefusalCase& c = GetParam();
  vex::test::LogCapture capture("snmp");
  EXPECT_EQ(decode(c.bytes).result, c.result);
  EXPECT_EQ(capture.messages(), c.log != nullptr ? Lines{c.log} : Lines{});
}

Bytes get_request_with(const char* from, const char* to) {
  std::string text = kGetRequest;
  text.replace(text.find(from), std::string(from).size(), to);
  return hex(text);
}

Bytes with_fields(std::int64_t version, std::uint8_t pdu_tag, const Bytes& fields) {
  return message(version, "public", pdu_tag,
                 join({fields, bindings({binding("1.3.6.1.2.1.1.1.0", hex("05 00"))})}));
}

const Bytes kNoBindings = hex("30 00");

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    ::testing::Values(
        RefusalCase{"empty", {}, vex::kUndecodable, nullptr},
        RefusalCase{"not_a_sequence", hex("31 00"), vex::kUndecodable, nullptr},
        RefusalCase{"indefinite_length", hex("30 80 00 00"), vex::kUndecodable, nullptr},
        RefusalCase{"version_2", with_fields(2, 0xA0, request_fields(1, 0, 0)), vex::kUndecodable,
                    "decode error: unsupported snmp version."},
        RefusalCase{"version_minus_1", with_fields(-1, 0xA0, request_fields(1, 0, 0)),
                    vex::kUndecodable, "decode error: unsupported snmp version."},
        RefusalCase{"version_not_integer", get_request_with("02 01 01 04", "04 01 01 04"),
                    vex::kUndecodable, nullptr},
        RefusalCase{"community_not_octets", get_request_with("04 06", "05 06"), vex::kUndecodable,
                    nullptr},
        RefusalCase{"pdu_tag_A9", with_fields(1, 0xA9, request_fields(1, 0, 0)), vex::kUndecodable,
                    "decode error: unknown pdu type."},
        RefusalCase{"pdu_tag_30", with_fields(1, 0x30, request_fields(1, 0, 0)), vex::kUndecodable,
                    "decode error: unknown pdu type."},
        RefusalCase{"pdu_shorter", get_request_with("A0 19", "A0 18"), vex::kUndecodable,
                    "decode error: pdu length is wrong."},
        RefusalCase{"pdu_longer", get_request_with("A0 19", "A0 1A"), vex::kUndecodable,
                    "decode error: pdu length is wrong."},
        RefusalCase{"pdu_indefinite", get_request_with("A0 19", "A0 80"), vex::kUndecodable,
                    nullptr},
        RefusalCase{"error_status_19", with_fields(1, 0xA2, request_fields(1, 19, 1)),
                    vex::kUndecodable, "decode error: error_status's value is wrong."},
        RefusalCase{"error_status_negative", with_fields(1, 0xA2, request_fields(1, -1, 1)),
                    vex::kUndecodable, "decode error: error_status's value is wrong."},
        RefusalCase{"non_repeaters_19", with_fields(1, 0xA5, request_fields(1, 19, 10)),
                    vex::kUndecodable, "decode error: error_status's value is wrong."},
        RefusalCase{"request_id_not_integer", get_request_with("A0 19 02", "A0 19 04"),
                    vex::kUndecodable, nullptr},
        RefusalCase{"generic_trap_7",
                    message(0, "public", 0xA4,
                            join({trap_fields("1.3.6.1.4.1.253", 7, 0, 1), kNoBindings})),
                    vex::kUndecodable, "decode error: generic trap No. > 6."},
        RefusalCase{"generic_trap_minus_1",
                    message(0, "public", 0xA4,
                            join({trap_fields("1.3.6.1.4.1.253", -1, 0, 1), kNoBindings})),
                    vex::kUndecodable, "decode error: generic trap No. > 6."},
        RefusalCase{"agent_address_of_3_bytes",
                    message(0, "public", 0xA4,
                            join({oid("1.3.6.1.4.1.253"), hex("40 03 0A 00 00"), integer(6),
                                  integer(1), integer(1, 0x43), kNoBindings})),
                    vex::kUndecodable, nullptr},
        RefusalCase{"time_stamp_not_timeticks",
                    message(0, "public", 0xA4,
                            join({oid("1.3.6.1.4.1.253"), hex("40 04 0A 00 00 01"), integer(6),
                                  integer(1), integer(1, 0x42), kNoBindings})),
                    vex::kUndecodable, nullptr},
        RefusalCase{"list_shorter", get_request_with("30 0E", "30 0D"), vex::kUndecodable,
                    "decode error: length of var bind list is wrong."},
        RefusalCase{"list_not_a_sequence", get_request_with("30 0E", "31 0E"), vex::kUndecodable,
                    nullptr},
        RefusalCase{"binding_shorter", get_request_with("30 0C", "30 0B"), vex::kUndecodable,
                    "decode error: length of var bind is wrong."},
        RefusalCase{"binding_longer", get_request_with("30 0C", "30 0D"), vex::kUndecodable,
                    "decode error: length of var bind is wrong."},
        RefusalCase{"name_not_an_oid", get_request_with("06 08 2B", "04 08 2B"), vex::kUndecodable,
                    nullptr},
        RefusalCase{"v2c_trap", with_fields(1, 0xA7, request_fields(1, 0, 0)), vex::kNotSupported,
                    nullptr}),
    [](const auto& test_info) { return std::string(test_info.param.label); });

TEST(Decoder, SnmpV1MessageWithTheV2TrapTagIsReadAsAV1Trap) {
  const Decoded out = decode(
      message(0, "public", 0xA7, join({trap_fields("1.3.6.1.4.1.253", 6, 3, 77), kNoBindings})));
  ASSERT_EQ(out.result, vex::kOk);
  EXPECT_EQ(out.pdu->type(), pdu_type::kTrap);
  EXPECT_STREQ(out.pdu->trap_oid()->text(), "1.3.6.1.4.1.253.0.3");
}

struct TrapCase {
  const char* enterprise;
  std::int32_t generic;
  std::int32_t specific;
  const char* trap_oid;
};

TEST(Decoder, V1TrapHeaderMapsToTheTrapIdentifier) {
  const TrapCase cases[] = {
      {"1.3.6.1.4.1.119.2", 6, 12, "1.3.6.1.4.1.119.2.0.12"},
      {"1.3.6.1.4.1.253", 6, 7, "1.3.6.1.4.1.253.0.7"},
      {"1.3.6.1.4.1.253", 6, 0, "1.3.6.1.4.1.253.0.0"},
      {"1.3.6.1.4.1.253", 0, 0, "1.3.6.1.6.3.1.1.5.0.1"},
      {"1.3.6.1.4.1.119", 2, 9, "1.3.6.1.6.3.1.1.5.0.3"},
      {"1.3.6.1.6.3.1.1.5", 5, 0, "1.3.6.1.6.3.1.1.5.0.6"},
      {"", 6, 4, "0.4"},
  };
  for (const TrapCase& c : cases) {
    const Decoded out =
        decode(message(0, "public", 0xA4,
                       join({trap_fields(c.enterprise, c.generic, c.specific, 4321),
                             bindings({binding("1.3.6.1.2.1.1.3.0", integer(9))})})));
    ASSERT_EQ(out.result, vex::kOk) << c.trap_oid;
    EXPECT_EQ(out.pdu->type(), pdu_type::kTrap);
    EXPECT_STREQ(out.pdu->trap_oid()->text(), c.trap_oid);
    EXPECT_EQ(out.pdu->time_stamp()->type(), tag::kTimeTicks);
    EXPECT_EQ(out.pdu->time_stamp()->get_ulong(nullptr), 4321u);
    EXPECT_EQ(describe(*out.pdu), Lines{"1.3.6.1.2.1.1.3.0|2|9"});
    EXPECT_EQ(statuses(*out.pdu), std::vector<std::int32_t>{0});
  }
}

// Decoding and encoding again gives the same trap identifier, whichever way
// the header was written.
TEST(Decoder, TrapMappingIsTheInverseOfTheEncoders) {
  for (const char* trap_oid : {"1.3.6.1.6.3.1.1.5.0.1", "1.3.6.1.6.3.1.1.5.0.6",
                               "1.3.6.1.4.1.253.0.7", "1.3.6.1.4.1.119.2.0.0"}) {
    auto pdu = make_trap(trap_oid, 5, {{"1.3.6.1.2.1.1.3.0", integer_value(1)}});
    auto target = make_target(vex::snmp_version::kV1);
    const Encoded out = encode(pdu.get(), target.get());
    ASSERT_EQ(out.result, vex::kOk) << trap_oid;
    const Decoded back = decode(out.bytes);
    ASSERT_EQ(back.result, vex::kOk) << trap_oid;
    EXPECT_TRUE(back.pdu->equals(pdu.get())) << trap_oid;
  }
}

TEST(Decoder, TrapReusesTheIdentifierAndTimeStampThePduHolds) {
  auto pdu = make_trap("9.9", 1);
  const IVsnOid* trap_oid = pdu->trap_oid();
  const IVsnValue* time_stamp = pdu->time_stamp();
  ASSERT_EQ(decode_into(
                message(0, "c", 0xA4, join({trap_fields("1.3.6.1.4.1.253", 6, 1, 2), kNoBindings})),
                pdu.get(), nullptr),
            vex::kOk);
  EXPECT_EQ(pdu->trap_oid(), trap_oid);
  EXPECT_EQ(pdu->time_stamp(), time_stamp);
  EXPECT_STREQ(trap_oid->text(), "1.3.6.1.4.1.253.0.1");
  EXPECT_EQ(time_stamp->get_ulong(nullptr), 2u);
}

class IntoRequest : public ::testing::Test {
 protected:
  // A request of two bindings whose values are NULL and an INTEGER.
  void SetUp() override {
    pdu_ = make_pdu(
        pdu_type::kGet, 44,
        {{"1.3.6.1.2.1.1.1.0", empty_value(tag::kNull)}, {"1.3.6.1.2.1.1.3.0", integer_value(0)}});
    for (std::int32_t i = 0; i < 2; ++i) {
      before_.push_back(pdu_->varbinds()->at(i));
      pdu_->varbinds()->at(i)->set_status(7);
    }
    old_value_ = before_[1]->value();
  }

  Result answer(std::initializer_list<Bytes> items, std::int32_t error_status = 0,
                std::int32_t error_index = 0) {
    return decode_into(
        message(0, "public", 0xA2,
                join({request_fields(44, error_status, error_index), tlv(0x30, join(items))})),
        pdu_.get(), nullptr);
  }

  Owned<IVsnPdu> pdu_;
  std::vector<IVsnVarBind*> before_;
  const IVsnValue* old_value_ = nullptr;
};

TEST_F(IntoRequest, MoreBindingsGrowTheList) {
  ASSERT_EQ(answer({binding("1.3.6.1.2.1.1.1.0", octets("printer")),
                    binding("1.3.6.1.2.1.1.3.0", integer(55)),
                    binding("1.3.6.1.2.1.1.5.0", octets("name"))}),
            vex::kOk);
  EXPECT_EQ(pdu_->type(), pdu_type::kResponse);
  EXPECT_EQ(describe(*pdu_), (Lines{"1.3.6.1.2.1.1.1.0|4|printer", "1.3.6.1.2.1.1.3.0|2|55",
                                    "1.3.6.1.2.1.1.5.0|4|name"}));
  EXPECT_EQ(pdu_->varbinds()->at(0), before_[0]);
  EXPECT_EQ(pdu_->varbinds()->at(1), before_[1]);
  EXPECT_EQ(pdu_->varbinds()->at(1)->value(), old_value_);  // same type: reused
  EXPECT_EQ(statuses(*pdu_), (std::vector<std::int32_t>{0, 0, 0}));
}

TEST_F(IntoRequest, FewerBindingsShrinkTheList) {
  ASSERT_EQ(answer({binding("1.3.6.1.2.1.1.9.0", octets("x"))}), vex::kOk);
  EXPECT_EQ(describe(*pdu_), Lines{"1.3.6.1.2.1.1.9.0|4|x"});
  EXPECT_EQ(pdu_->varbinds()->at(0), before_[0]);
  ASSERT_EQ(answer({}), vex::kOk);
  EXPECT_EQ(pdu_->varbinds()->count(), 0);
}

TEST_F(IntoRequest, ErrorAnswerMarksTheNamedBinding) {
  ASSERT_EQ(answer({binding("1.3.6.1.2.1.1.1.0", hex("05 00")),
                    binding("1.3.6.1.2.1.1.3.0", hex("05 00"))},
                   2, 2),
            vex::kOk);
  EXPECT_EQ(pdu_->error_status(), 2);
  EXPECT_EQ(pdu_->error_index(), 2);
  EXPECT_EQ(statuses(*pdu_), (std::vector<std::int32_t>{100, 2}));
  ASSERT_EQ(answer({binding("1.3.6.1.2.1.1.1.0", hex("05 00")),
                    binding("1.3.6.1.2.1.1.3.0", hex("05 00"))},
                   5, 0),
            vex::kOk);
  EXPECT_EQ(statuses(*pdu_), (std::vector<std::int32_t>{100, 100}));
  ASSERT_EQ(answer({binding("1.3.6.1.2.1.1.1.0", hex("05 00")),
                    binding("1.3.6.1.2.1.1.3.0", hex("05 00"))}),
            vex::kOk);
  EXPECT_EQ(statuses(*pdu_), (std::vector<std::int32_t>{0, 0}));
}

TEST_F(IntoRequest, TheRequestFieldsComeFromTheAnswer) {
  ASSERT_EQ(
      decode_into(message(1, "public", 0xA2, join({request_fields(-5, 18, 300), tlv(0x30, {})})),
                  pdu_.get(), nullptr),
      vex::kOk);
  EXPECT_EQ(pdu_->request_id(), -5);
  EXPECT_EQ(pdu_->error_status(), 18);
  EXPECT_EQ(pdu_->error_index(), 300);
}

TEST(Decoder, TargetTakesVersionAndCommunity) {
  Owned<IVsnSnmpTarget> target = make_target(vex::snmp_version::kV1, "old");
  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  ASSERT_EQ(decode_into(hex(kGetRequest), pdu.get(), target.get()), vex::kOk);
  EXPECT_EQ(target->version(), vex::snmp_version::kV2c);
  EXPECT_EQ(community_of(target.get()), "public");
  ASSERT_EQ(decode_into(message(0, std::string("ab\0cd", 5), 0xA2,
                                join({request_fields(1, 0, 0), kNoBindings})),
                        pdu.get(), target.get()),
            vex::kOk);
  EXPECT_EQ(target->version(), vex::snmp_version::kV1);
  EXPECT_EQ(community_of(target.get()), "ab");  // a text ends at its first zero
}

TEST(Decoder, LongCommunity) {
  const std::string community(1000, 'c');
  const Decoded out =
      decode(message(1, community, 0xA2, join({request_fields(1, 0, 0), kNoBindings})));
  ASSERT_EQ(out.result, vex::kOk);
  EXPECT_EQ(community_of(out.target.get()), community);
}

TEST(Decoder, TargetIsMadeOnlyForAKnownTranslateType) {
  vex::test::LogCapture capture("snmp");
  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  EXPECT_EQ(decode_into(hex(kGetRequest), pdu.get(), nullptr, vex::target_kind::kCommunity),
            vex::kOk);
  EXPECT_EQ(decode_into(hex(kGetRequest), pdu.get(), nullptr, -1), vex::kInvalidArgument);
  EXPECT_EQ(capture.messages(), Lines{"decode error: unknown translate type."});
  EXPECT_EQ(decode_into(hex(kGetRequest), pdu.get(), nullptr, vex::target_kind::kUsm),
            vex::kInvalidArgument);
  Owned<IVsnSnmpTarget> usm(vsn_create_usm_target(nullptr));
  EXPECT_EQ(decode_into(hex(kGetRequest), pdu.get(), usm.get()), vex::kNotSupported);
  EXPECT_EQ(decode_into(hex(kGetRequest), nullptr, nullptr), vex::kOk);
}

TEST(Decoder, MissingBufferIsInvalid) {
  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  EXPECT_EQ(TranslatorRegistry::instance()->decode(nullptr, pdu.get(), nullptr, 0),
            vex::kInvalidArgument);
  EXPECT_EQ(TranslatorRegistry::instance()->decode_packet(nullptr, nullptr, 0),
            vex::kInvalidArgument);
  PacketBuffer empty;
  EXPECT_EQ(TranslatorRegistry::instance()->decode(&empty, pdu.get(), nullptr, 0),
            vex::kUndecodable);
}

// Every proper prefix of a message is refused, and no byte outside it is
// read: each prefix lies in a heap block of exactly its size.
TEST(Decoder, EveryPrefixOfAMessageIsRefused) {
  auto pdu = make_pdu(pdu_type::kResponse, 70000,
                      {{"1.3.6.1.2.1.1.1.0", bytes_value(Bytes(150, 'p'), tag::kOctetString)},
                       {"1.3.6.1.4.1.2021.10.1.3.1", oid_value("1.3.6.1.4.1.4294967295")},
                       {"1.3.6.1.2.1.31.1.1.1.6.1", counter64_value(0x12345678, 0x9ABCDEF0)},
                       {"1.3.6.1.2.1.1.3.0", unsigned_value(0xFFFFFFFF, tag::kTimeTicks)}});
  auto target = make_target(vex::snmp_version::kV2c);
  const Encoded full = encode(pdu.get(), target.get());
  ASSERT_EQ(full.result, vex::kOk);
  for (std::size_t n = 0; n < full.bytes.size(); ++n) {
    const Bytes prefix(full.bytes.begin(), full.bytes.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(decode(prefix).result, vex::kUndecodable) << n;
  }
  EXPECT_EQ(decode(full.bytes).result, vex::kOk);
}

TEST(Decoder, EachFailedAllocationAnswersMinus3) {
  const Bytes bytes = response(bindings({binding("1.3.6.1.2.1.1.1.0", octets("printer")),
                                         binding("1.3.6.1.2.1.1.2.0", oid("1.3.6.1.4.1.253")),
                                         binding("1.3.6.1.2.1.1.3.0", integer(5, 0x43))}));
  Result result = vex::kOutOfMemory;
  for (int allowed = 0; allowed < 40 && result == vex::kOutOfMemory; ++allowed) {
    const vex::AllocationLimit limit(allowed);
    result = decode_into(bytes, nullptr, nullptr);
    EXPECT_TRUE(result == vex::kOk || result == vex::kOutOfMemory) << allowed << ": " << result;
  }
  EXPECT_EQ(result, vex::kOk);
}

TEST(Peek, ReadsRequestIdAndErrorStatusOnly) {
  // The bindings after the header are broken; peek does not look at them.
  const Bytes bytes =
      message(1, "public", 0xA2, join({request_fields(123456, 1, 0), hex("30 03 30 01 FF")}));
  PacketBuffer buffer;
  load(buffer, bytes);
  std::int32_t status = -9;
  std::int32_t id = -9;
  EXPECT_EQ(TranslatorRegistry::instance()->peek(&buffer, &status, &id, 0), vex::kOk);
  EXPECT_EQ(id, 123456);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(decode(bytes).result, vex::kUndecodable);
}

TEST(Peek, RefusesWhatDecodeRefusesUpToTheHeader) {
  auto* registry = TranslatorRegistry::instance();
  std::int32_t status = 0;
  std::int32_t id = 0;
  PacketBuffer buffer;
  EXPECT_EQ(registry->peek(nullptr, &status, &id, 0), vex::kInvalidArgument);
  EXPECT_EQ(registry->peek(&buffer, nullptr, &id, 0), vex::kInvalidArgument);
  EXPECT_EQ(registry->peek(&buffer, &status, nullptr, 0), vex::kInvalidArgument);
  Bytes cut = hex(kGetRequest);
  cut.pop_back();
  load(buffer, cut);
  EXPECT_EQ(registry->peek(&buffer, &status, &id, 0), vex::kUndecodable);
  load(buffer, hex(kGetRequest));
  EXPECT_EQ(registry->peek(&buffer, &status, &id, -1), vex::kInvalidArgument);
  EXPECT_EQ(registry->peek(&buffer, &status, &id, 0), vex::kOk);
  EXPECT_EQ(id, 1);
  load(buffer, with_fields(1, 0xA2, request_fields(1, 19, 0)));
  EXPECT_EQ(registry->peek(&buffer, &status, &id, 0), vex::kUndecodable);
}

}  // namespace
