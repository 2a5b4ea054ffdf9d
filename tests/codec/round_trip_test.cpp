#include <gtest/gtest.h>

#include <random>
#include <string>

#include "snmp/model/vsn_oid.h"
#include "tests/codec/codec_test_support.h"

namespace {

using namespace codec_test;
namespace tag = vex::tag;
namespace pdu_type = vex::pdu_type;

// Random messages of every value type and PDU kind both sides handle.
class Messages {
 public:
  explicit Messages(unsigned seed) : random_(seed) {}

  std::uint32_t number() {
    switch (pick(6)) {
      case 0:
        return pick(2);
      case 1:
        return 127 + pick(3);
      case 2:
        return 0x7FFFFFFF + pick(3);
      case 3:
        return 0xFFFFFFFF - pick(2);
      case 4:
        return 0x7FFF + pick(3);
      default:
        return static_cast<std::uint32_t>(random_());
    }
  }

  std::string oid_text() {
    std::string text = std::to_string(pick(3)) + "." + std::to_string(pick(40));
    for (std::uint32_t n = pick(14); n != 0; --n) text += "." + std::to_string(number());
    return text;
  }

  Bytes bytes(std::uint32_t n) {
    Bytes out(n);
    for (auto& b : out) b = static_cast<std::uint8_t>(random_());
    return out;
  }

  IVsnValue* value() {
    static const std::int32_t tags[] = {tag::kInteger,     tag::kOctetString,  tag::kNull,
                                        tag::kObjectId,    tag::kIpAddress,    tag::kCounter32,
                                        tag::kGauge32,     tag::kTimeTicks,    tag::kOpaque,
                                        tag::kCounter64,   tag::kNoSuchObject, tag::kNoSuchInstance,
                                        tag::kEndOfMibView};
    const std::int32_t t = tags[pick(std::size(tags))];
    switch (t) {
      case tag::kInteger:
        return integer_value(static_cast<std::int32_t>(number()));
      case tag::kOctetString:
      case tag::kOpaque:
        return bytes_value(bytes(pick(2) == 0 ? pick(8) : pick(400)), t);
      case tag::kIpAddress:
        return bytes_value(bytes(4), t);
      case tag::kObjectId:
        return oid_value(oid_text().c_str());
      case tag::kCounter32:
      case tag::kGauge32:
      case tag::kTimeTicks:
        return unsigned_value(number(), t);
      case tag::kCounter64:
        return counter64_value(pick(2) == 0 ? 0 : number(), number());
      default:
        return empty_value(t);
    }
  }

  Owned<IVsnPdu> pdu(std::int32_t version) {
    static const std::int32_t types[] = {pdu_type::kGet,    pdu_type::kGetNext, pdu_type::kResponse,
                                         pdu_type::kSet,    pdu_type::kGetBulk, pdu_type::kInform,
                                         pdu_type::kReport, pdu_type::kTrap};
    const std::int32_t type = types[pick(version == vex::snmp_version::kV1 ? 8 : 7)];
    Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
    pdu->set_type(type);
    pdu->set_varbinds(vsn_create_varbind_list(nullptr));
    if (type == pdu_type::kTrap) {
      const std::string trap_oid = pick(3) == 0
                                       ? "1.3.6.1.6.3.1.1.5.0." + std::to_string(1 + pick(6))
                                       : oid_text() + ".0." + std::to_string(number() >> 1);
      pdu->set_trap_oid(oid_value(trap_oid.c_str()));
      pdu->set_time_stamp(unsigned_value(number(), tag::kTimeTicks));
    } else {
      pdu->set_request_id(static_cast<std::int32_t>(number()));
      pdu->set_error_status(static_cast<std::int32_t>(pick(19)));
      pdu->set_error_index(static_cast<std::int32_t>(pick(30)));
    }
    for (std::uint32_t n = pick(3) == 0 ? pick(80) : pick(12); n != 0; --n) {
      EXPECT_EQ(pdu->add(oid_value(oid_text().c_str()), value()), vex::kOk);
    }
    // What the decoder reports for the bindings after an answer.
    if (type != pdu_type::kTrap && pdu->error_status() != 0) {
      pdu->varbinds()->mark_error(pdu->error_status(), pdu->error_index());
    }
    return pdu;
  }

  Owned<IVsnSnmpTarget> target(std::int32_t version) {
    std::string community;
    for (std::uint32_t n = pick(40); n != 0; --n) community += static_cast<char>(1 + pick(255));
    return make_target(version, community.c_str(), 70000);
  }

  // A random message of either version with its encoding.
  struct Sample {
    std::int32_t version;
    Owned<IVsnPdu> pdu;
    Owned<IVsnSnmpTarget> target;
    Encoded encoded;
  };
  Sample sample() {
    const auto version = static_cast<std::int32_t>(pick(2));
    Sample s{version, pdu(version), target(version), {}};
    s.encoded = encode(s.pdu.get(), s.target.get());
    EXPECT_EQ(s.encoded.result, vex::kOk);
    return s;
  }

  std::uint32_t pick(std::size_t n) {
    return static_cast<std::uint32_t>(random_() % static_cast<std::uint32_t>(n));
  }

 private:
  std::mt19937 random_;
};

TEST(RoundTrip, RandomMessagesDecodeToWhatWasEncoded) {
  Messages messages(20240611);
  for (int i = 0; i < 2000; ++i) {
    const auto [version, pdu, target, out] = messages.sample();
    ASSERT_EQ(out.result, vex::kOk) << i;
    EXPECT_EQ(out.written, static_cast<std::uint32_t>(pdu->varbinds()->count()));
    const Decoded back = decode(out.bytes);
    ASSERT_EQ(back.result, vex::kOk) << i << ": " << hex_of(out.bytes);
    EXPECT_TRUE(back.pdu->equals(pdu.get())) << i << ": " << hex_of(out.bytes);
    EXPECT_EQ(back.target->version(), version);
    EXPECT_TRUE(back.target->equals(target.get())) << i;
  }
}

// The largest message that fits a buffer is exactly as long as the buffer.
TEST(RoundTrip, BufferOfTheMessageLengthFitsAndOneByteLessDoesNot) {
  Messages messages(77);
  for (int i = 0; i < 300; ++i) {
    const auto [version, pdu, target, out] = messages.sample();
    ASSERT_EQ(out.result, vex::kOk);
    target->set_max_size(static_cast<std::int32_t>(out.bytes.size()));
    EXPECT_EQ(encode(pdu.get(), target.get()).bytes, out.bytes);
    target->set_max_size(static_cast<std::int32_t>(out.bytes.size()) - 1);
    EXPECT_EQ(encode(pdu.get(), target.get()).result, vex::kDoesNotFit);
  }
}

// Decoding one answer after another into the same PDU and target, as the
// sessions do, gives what decoding each into fresh objects gives.
TEST(RoundTrip, DecodingIntoAUsedPduEqualsDecodingIntoANewOne) {
  Messages messages(5);
  Owned<IVsnPdu> reused(vsn_create_pdu(nullptr));
  Owned<IVsnSnmpTarget> reused_target(vsn_create_target(0, nullptr));
  for (int i = 0; i < 500; ++i) {
    const Messages::Sample sample = messages.sample();
    const Encoded& out = sample.encoded;
    ASSERT_EQ(out.result, vex::kOk);
    ASSERT_EQ(decode_into(out.bytes, reused.get(), reused_target.get()), vex::kOk);
    const Decoded fresh = decode(out.bytes);
    ASSERT_EQ(fresh.result, vex::kOk);
    EXPECT_TRUE(reused->equals(fresh.pdu.get())) << i;
    EXPECT_EQ(describe(*reused), describe(*fresh.pdu)) << i;
    EXPECT_EQ(statuses(*reused), statuses(*fresh.pdu)) << i;
    EXPECT_TRUE(reused_target->equals(fresh.target.get())) << i;
  }
}

}  // namespace
