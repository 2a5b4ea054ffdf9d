// Reading and writing the text form of every value class.
#include <gtest/gtest.h>

#include <string>

#include "model_test_support.h"

namespace {

using namespace model_test;
namespace tag = vex::tag;

struct TextCase {
  std::int32_t tag;
  const char* input;
  Result result;
  std::string text;  // the text form afterwards
};

const std::string kZeroIpx("00000000:000000000000/0\0", 24);

const TextCase kTextCases[] = {
    // INTEGER: read like atol, modulo 2^32.
    {tag::kInteger, "42", vex::kOk, "42"},
    {tag::kInteger, "4294967295", vex::kOk, "-1"},
    {tag::kInteger, "-2147483648", vex::kOk, "-2147483648"},
    {tag::kInteger, "2147483648", vex::kOk, "-2147483648"},
    {tag::kInteger, "12abc", vex::kOk, "12"},
    {tag::kInteger, "  +7", vex::kOk, "7"},
    {tag::kInteger, "", vex::kOk, "0"},
    {tag::kInteger, nullptr, vex::kInvalidArgument, "0"},
    // The Gauge32 family reads the same way, unsigned.
    {tag::kGauge32, "4294967295", vex::kOk, "4294967295"},
    {tag::kGauge32, "-1", vex::kOk, "4294967295"},
    {tag::kGauge32, "4294967296", vex::kOk, "0"},
    {tag::kGauge32, nullptr, vex::kInvalidArgument, "0"},
    {tag::kCounter32, "3000000000", vex::kOk, "3000000000"},
    {tag::kTimeTicks, "8640000 ticks", vex::kOk, "8640000"},
    // Counter64: digits only, modulo 2^64.
    {tag::kCounter64, "4294967296", vex::kOk, "4294967296"},
    {tag::kCounter64, "18446744073709551615", vex::kOk, "18446744073709551615"},
    {tag::kCounter64, "18446744073709551616", vex::kOk, "0"},
    {tag::kCounter64, "12x", vex::kInvalidArgument, "12"},
    {tag::kCounter64, "+1", vex::kInvalidArgument, "0"},
    {tag::kCounter64, " 1", vex::kInvalidArgument, "0"},
    {tag::kCounter64, "", vex::kOk, "0"},
    {tag::kCounter64, nullptr, vex::kInvalidArgument, "0"},
    // OCTET STRING and Opaque hold the text's bytes.
    {tag::kOctetString, "public", vex::kOk, "public"},
    {tag::kOctetString, "", vex::kOk, ""},
    {tag::kOctetString, nullptr, vex::kOk, ""},
    {tag::kOpaque, "\x9f\x78", vex::kOk, "\x9f\x78"},
    // IpAddress: four numbers 0-255, stored in order until one is outside.
    {tag::kIpAddress, "10.0.0.1", vex::kOk, "10.0.0.1"},
    {tag::kIpAddress, "255.255.255.255", vex::kOk, "255.255.255.255"},
    {tag::kIpAddress, "1.2.3.256", vex::kInvalidArgument, "1.2.3.0"},
    {tag::kIpAddress, "1.300.3.4", vex::kInvalidArgument, "1.0.0.0"},
    {tag::kIpAddress, "-1.2.3.4", vex::kInvalidArgument, "0.0.0.0"},
    {tag::kIpAddress, "4294967297.2.3.4", vex::kInvalidArgument, "0.0.0.0"},
    {tag::kIpAddress, "1.2.3", vex::kInvalidArgument, "0.0.0.0"},
    {tag::kIpAddress, "1.2.3.4x", vex::kOk, "1.2.3.4"},
    {tag::kIpAddress, "010.001.000.009", vex::kOk, "10.1.0.9"},
    {tag::kIpAddress, nullptr, vex::kInvalidArgument, "0.0.0.0"},
    // IPv6: eight hexadecimal groups, low 16 bits of each kept.
    {tag::kIpv6Address, "fe80:0:0:0:0:0:0:1", vex::kOk, "fe80:0:0:0:0:0:0:1"},
    {tag::kIpv6Address, "FE80:0:0:0:0:0:0:ABCD", vex::kOk, "fe80:0:0:0:0:0:0:abcd"},
    {tag::kIpv6Address, "0012:3:4:5:6:7:8:12345", vex::kOk, "12:3:4:5:6:7:8:2345"},
    {tag::kIpv6Address, "::1", vex::kInvalidArgument, "0:0:0:0:0:0:0:0"},
    {tag::kIpv6Address, "1:2:3:4:5:6:7", vex::kInvalidArgument, "0:0:0:0:0:0:0:0"},
    // UdpAddress: address and port.
    {tag::kUdpAddress, "10.0.0.1/161", vex::kOk, "10.0.0.1/161"},
    {tag::kUdpAddress, "10.0.0.1/65535", vex::kOk, "10.0.0.1/65535"},
    {tag::kUdpAddress, "10.0.0.1/65536", vex::kInvalidArgument, "10.0.0.1/0"},
    {tag::kUdpAddress, "10.0.0.256/161", vex::kInvalidArgument, "10.0.0.0/0"},
    {tag::kUdpAddress, "10.0.0.1", vex::kInvalidArgument, "0.0.0.0/0"},
    // IpxAddress: network:node/socket in hexadecimal; the length counts the NUL.
    {tag::kIpxAddress, "01020304:0a0b0c0d0e0f/451", vex::kOk,
     std::string("01020304:0a0b0c0d0e0f/451\0", 26)},
    {tag::kIpxAddress, "0000000A:00000000000B/FFFF", vex::kOk,
     std::string("0000000a:00000000000b/ffff\0", 27)},
    {tag::kIpxAddress, "00000000:000000000000/10000", vex::kInvalidArgument, kZeroIpx},
    {tag::kIpxAddress, "00000000:0000000000/1", vex::kInvalidArgument, kZeroIpx},
    {tag::kIpxAddress, "00000000-000000000000/1", vex::kInvalidArgument, kZeroIpx},
    // Object identifiers keep any text as it is.
    {tag::kObjectId, "1.3.6.1.2.1", vex::kOk, "1.3.6.1.2.1"},
    {tag::kObjectId, "not.an.oid", vex::kOk, "not.an.oid"},
    {tag::kObjectId, nullptr, vex::kOk, ""},
};

TEST(TextForm, SetTextThenWriteText) {
  for (const TextCase& c : kTextCases) {
    SCOPED_TRACE(testing::Message()
                 << "tag " << c.tag << " text " << (c.input != nullptr ? c.input : "(null)"));
    const Owned<IVsnValue> value = make_value(c.tag);
    EXPECT_EQ(value->set_text(c.input), c.result);
    Result written = 1;
    EXPECT_EQ(text_of(*value, &written), c.text);
    EXPECT_EQ(written, vex::kOk);
  }
}

TEST(TextForm, NewValuesWriteTheirInitialText) {
  const struct {
    std::int32_t tag;
    std::string text;
  } cases[] = {
      {tag::kInteger, "0"},
      {tag::kGauge32, "0"},
      {tag::kCounter64, "0"},
      {tag::kOctetString, ""},
      {tag::kIpAddress, "0.0.0.0"},
      {tag::kIpv6Address, "0:0:0:0:0:0:0:0"},
      {tag::kUdpAddress, "0.0.0.0/0"},
      {tag::kIpxAddress, kZeroIpx},
      {tag::kObjectId, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(text_of(*make_value(c.tag)), c.text) << c.tag;
}

TEST(TextForm, ClassesWithoutTextAnswerMinus5WithAnEmptyBuffer) {
  for (std::int32_t t :
       {tag::kNull, tag::kNoSuchObject, tag::kNoSuchInstance, tag::kEndOfMibView}) {
    SCOPED_TRACE(t);
    const Owned<IVsnValue> value = make_value(t);
    Result err = 1;
    const Owned<IVexBuffer> buffer(value->to_text(&err));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(err, vex::kNotSupported);
    EXPECT_EQ(buffer->length(), 0);
    EXPECT_EQ(value->set_text("1"), vex::kNotSupported);
  }
}

TEST(TextForm, WriteTextReplacesTheBufferAndRefusesNull) {
  const Owned<IVsnValue> value(vsn_create_value_long(-5, tag::kInteger));
  const Owned<IVexBuffer> buffer(vex_create_buffer());
  ASSERT_EQ(buffer->assign_text("old content"), vex::kOk);
  EXPECT_EQ(value->write_text(buffer.get()), vex::kOk);
  EXPECT_EQ(buffer_text(*buffer), "-5");
  for (std::int32_t t : all_tags()) {
    const Owned<IVsnValue> any = make_value(t);
    Result has_text = 1;
    text_of(*any, &has_text);
    const Result expected = has_text == vex::kOk ? vex::kInvalidArgument : vex::kNotSupported;
    EXPECT_EQ(any->write_text(nullptr), expected) << "tag " << t;
  }
}

TEST(TextForm, OctetStringHandsOverEmbeddedZeroBytes) {
  const std::uint8_t bytes[] = {0x61, 0x00, 0x62};
  const Owned<IVsnValue> value = make_value(tag::kOctetString);
  ASSERT_EQ(value->set_bytes(bytes, 3), vex::kOk);
  EXPECT_EQ(value->length(), 3);
  EXPECT_EQ(text_of(*value), std::string("a\0b", 3));
  Result err = 1;
  const Owned<IVexBuffer> raw(value->to_bytes(&err));
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(buffer_text(*raw), std::string("a\0b", 3));
}

TEST(TextForm, SetTextFromABuffer) {
  const Owned<IVexBuffer> buffer(vex_create_buffer());
  ASSERT_EQ(buffer->assign_text("10.1.2.3/99"), vex::kOk);
  const Owned<IVsnValue> udp = make_value(tag::kUdpAddress);
  EXPECT_EQ(udp->set_text_from(buffer.get()), vex::kOk);
  EXPECT_EQ(text_of(*udp), "10.1.2.3/99");
  EXPECT_EQ(udp->set_text_from(nullptr), vex::kInvalidArgument);
  // An empty buffer has no content: numbers refuse it, strings become empty.
  const Owned<IVexBuffer> empty(vex_create_buffer());
  EXPECT_EQ(make_value(tag::kInteger)->set_text_from(empty.get()), vex::kInvalidArgument);
  const Owned<IVsnValue> octets(vsn_create_value_text("x", tag::kOctetString));
  EXPECT_EQ(octets->set_text_from(empty.get()), vex::kOk);
  EXPECT_EQ(octets->length(), 0);
}

}  // namespace
