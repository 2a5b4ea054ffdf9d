// Typed getters and setters, raw bytes and positions of the value classes.
#include <gtest/gtest.h>

#include <vector>

#include "model_test_support.h"

namespace {

using namespace model_test;
namespace tag = vex::tag;
using Bytes = std::vector<std::uint8_t>;

TEST(NumberValues, IntegerHoldsSigned32Bits) {
  const Owned<IVsnValue> value = make_value(tag::kInteger);
  for (std::int32_t n : {0, 1, -1, INT32_MIN, INT32_MAX}) {
    ASSERT_EQ(value->set_long(n), vex::kOk);
    Result err = 1;
    EXPECT_EQ(value->get_long(&err), n);
    EXPECT_EQ(err, vex::kOk);
  }
  EXPECT_EQ(value->set_ulong(5), vex::kNotSupported);
  EXPECT_EQ(value->get_long(nullptr), INT32_MAX) << "a refused setter keeps the number";
}

TEST(NumberValues, GaugeFamilyHoldsUnsigned32Bits) {
  for (std::int32_t t : {tag::kGauge32, tag::kCounter32, tag::kTimeTicks}) {
    const Owned<IVsnValue> value = make_value(t);
    ASSERT_EQ(value->set_ulong(4294967295U), vex::kOk);
    Result err = 1;
    EXPECT_EQ(value->get_ulong(&err), 4294967295U);
    EXPECT_EQ(err, vex::kOk);
    EXPECT_EQ(value->set_long(1), vex::kNotSupported);
    EXPECT_EQ(value->get_ulong(nullptr), 4294967295U);
  }
}

TEST(NumberValues, Counter64Halves) {
  const Owned<IVsnValue> value(vsn_create_counter64(0xDEADBEEF, 0x12345678));
  EXPECT_EQ(value->get_high32(nullptr), 0xDEADBEEFU);
  EXPECT_EQ(value->get_low32(nullptr), 0x12345678U);
  EXPECT_EQ(value->get_ulong(nullptr), 0x12345678U) << "read as 32 bits it is the low half";
  EXPECT_EQ(text_of(*value), "16045690981402826360");
  ASSERT_EQ(value->set_ulong(9), vex::kOk);
  EXPECT_EQ(value->get_high32(nullptr), 0U) << "set_ulong clears the high half";
  EXPECT_EQ(value->get_low32(nullptr), 9U);
  ASSERT_EQ(value->set_high32(1), vex::kOk);
  ASSERT_EQ(value->set_low32(0), vex::kOk);
  EXPECT_EQ(text_of(*value), "4294967296");
  EXPECT_EQ(value->set_long(1), vex::kNotSupported);
}

TEST(AddressValues, IpAddressAsABigEndianNumber) {
  const Owned<IVsnValue> ip(vsn_create_value_text("10.0.0.1", tag::kIpAddress));
  EXPECT_EQ(ip->get_ulong(nullptr), 0x0A000001U);
  ASSERT_EQ(ip->set_ulong(0xC0A80102), vex::kOk);
  EXPECT_EQ(text_of(*ip), "192.168.1.2");
  EXPECT_EQ(bytes_of(*ip), (Bytes{192, 168, 1, 2}));
}

TEST(AddressValues, UdpAddressKeepsAddressAndPortApart) {
  const Owned<IVsnValue> udp(vsn_create_value_text("10.0.0.1/161", tag::kUdpAddress));
  EXPECT_EQ(bytes_of(*udp), (Bytes{10, 0, 0, 1, 0, 161}));
  EXPECT_EQ(udp->get_ulong(nullptr), 0x0A000001U);
  Result err = 1;
  EXPECT_EQ(udp->get_port(&err), 161);
  EXPECT_EQ(err, vex::kOk);
  ASSERT_EQ(udp->set_ulong(0x7F000001), vex::kOk);
  EXPECT_EQ(text_of(*udp), "127.0.0.1/161") << "set_ulong leaves the port";
  ASSERT_EQ(udp->set_port(0xABCD), vex::kOk);
  EXPECT_EQ(bytes_of(*udp), (Bytes{127, 0, 0, 1, 0xAB, 0xCD}));
}

TEST(AddressValues, IpxSocketIsTheLastTwoBytes) {
  const Owned<IVsnValue> ipx(vsn_create_value_text("01020304:05060708090a/8f0b", tag::kIpxAddress));
  EXPECT_EQ(bytes_of(*ipx), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x8F, 0x0B}));
  EXPECT_EQ(ipx->get_port(nullptr), 0x8F0B);
  ASSERT_EQ(ipx->set_port(36879), vex::kOk);
  EXPECT_EQ(text_of(*ipx), std::string("01020304:05060708090a/900f\0", 27));
  EXPECT_EQ(ipx->get_ulong(nullptr), 0xFFFFFFFFU);
}

TEST(ByteValues, SetBytesAndFixedByteCounts) {
  struct Case {
    std::int32_t tag;
    std::int32_t n;
    bool null_pointer;
    Result result;
  };
  const Case cases[] = {
      {tag::kOctetString, 0, false, vex::kOk},
      {tag::kOctetString, 300, false, vex::kOk},
      {tag::kOctetString, 3, true, vex::kOk},
      {tag::kOctetString, -1, false, vex::kInvalidArgument},
      {tag::kOpaque, 5, false, vex::kOk},
      {tag::kIpAddress, 4, false, vex::kOk},
      {tag::kIpAddress, 3, false, vex::kInvalidArgument},
      {tag::kIpAddress, 5, false, vex::kInvalidArgument},
      {tag::kIpAddress, 4, true, vex::kInvalidArgument},
      {tag::kIpv6Address, 16, false, vex::kOk},
      {tag::kIpv6Address, 4, false, vex::kInvalidArgument},
      {tag::kUdpAddress, 6, false, vex::kOk},
      {tag::kUdpAddress, 4, false, vex::kInvalidArgument},
      {tag::kIpxAddress, 12, false, vex::kOk},
      {tag::kIpxAddress, 10, false, vex::kInvalidArgument},
  };
  std::vector<std::uint8_t> source(300);
  for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<std::uint8_t>(i * 7);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "tag " << c.tag << " n " << c.n);
    const Owned<IVsnValue> value = sample_value(c.tag);
    const Bytes before = bytes_of(*value);
    const Result result = value->set_bytes(c.null_pointer ? nullptr : source.data(), c.n);
    EXPECT_EQ(result, c.result);
    if (result != vex::kOk) {
      EXPECT_EQ(bytes_of(*value), before) << "a refused setter keeps the content";
    } else if (c.null_pointer) {
      EXPECT_EQ(value->length(), 0);
    } else {
      EXPECT_EQ(bytes_of(*value), Bytes(source.begin(), source.begin() + c.n));
    }
  }
}

TEST(ByteValues, SetBytesFromABuffer) {
  const Owned<IVexBuffer> buffer(vex_create_buffer());
  ASSERT_EQ(buffer->assign("\x0a\x00\x00\x02", 4), vex::kOk);
  const Owned<IVsnValue> ip = make_value(tag::kIpAddress);
  EXPECT_EQ(ip->set_bytes_from(buffer.get()), vex::kOk);
  EXPECT_EQ(text_of(*ip), "10.0.0.2");
  EXPECT_EQ(ip->set_bytes_from(nullptr), vex::kInvalidArgument);
  Result err = 1;
  const Owned<IVexBuffer> raw(ip->to_bytes(&err));
  EXPECT_EQ(err, vex::kOk);
  EXPECT_TRUE(raw->equals("\x0a\x00\x00\x02", 4));
  EXPECT_EQ(ip->write_bytes(nullptr), vex::kInvalidArgument);
  const Owned<IVexBuffer> none(make_value(tag::kGauge32)->to_bytes(&err));
  EXPECT_EQ(err, vex::kNotSupported);
  EXPECT_EQ(none->length(), 0);
}

TEST(ByteValues, GetBytesNeedsALengthPointer) {
  const Owned<IVsnValue> value = sample_value(tag::kOctetString);
  Result err = 1;
  EXPECT_EQ(value->get_bytes(nullptr, &err), nullptr);
  EXPECT_EQ(err, vex::kInvalidArgument);
}

TEST(ByteValues, ElementAtReadsBytesWithinTheLength) {
  const Owned<IVsnValue> ip(vsn_create_value_text("10.20.30.255", tag::kIpAddress));
  Result err = 1;
  EXPECT_EQ(ip->element_at(3, &err), 255);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(ip->element_at(4, &err), -1);
  EXPECT_EQ(err, vex::kInvalidArgument);
  EXPECT_EQ(make_value(tag::kOctetString)->element_at(0, &err), -1);
  EXPECT_EQ(err, vex::kInvalidArgument);
  EXPECT_EQ(make_value(tag::kInteger)->element_at(0, &err), -1);
  EXPECT_EQ(err, vex::kNotSupported);
}

TEST(ByteValues, ClearEmptiesStringsAndZeroesAddresses) {
  const Owned<IVsnValue> octets = sample_value(tag::kOctetString);
  octets->clear();
  EXPECT_EQ(octets->length(), 0);
  const Owned<IVsnValue> ipv6 = sample_value(tag::kIpv6Address);
  ipv6->clear();
  EXPECT_EQ(bytes_of(*ipv6), Bytes(16, 0));
}

}  // namespace
