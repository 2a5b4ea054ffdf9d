// The text forms of IPv6, IPX and IPv4 addresses, without the name service.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "net/ipv4_text.h"
#include "net/ipv6_text.h"
#include "net/ipx_text.h"

namespace {

using Bytes16 = std::array<std::uint8_t, 16>;

struct Ipv6Case {
  const char* text;
  vex::Result result;
  Bytes16 bytes;
};

TEST(Ipv6TextToBytes, WidensDoubleColonAndReadsEightGroups) {
  const Ipv6Case cases[] = {
      {"ff02::1", 0, {0xff, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}},
      {"fe80::1", 0, {0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}},
      {"::1", 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}},
      {"fe80::1%4", 0, {0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}},
      {"2001:db8::a:b", 0, {0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x0a, 0, 0x0b}},
      {"1:2:3:4:5:6:7:8", 0, {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8}},
      {"1:2:3:4:5:6::8", 0, {0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 0, 0, 8}},
      {"::2:3:4:5:6:7:8", 0, {0, 0, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8}},
      {"12345::1", 0, {0x23, 0x45, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01}},  // high bits go
      {"fe80::", -2, {}},
      {"::", -2, {}},
      {"1:2:3:4:5:6:7", -2, {}},
      {"printer", -2, {}},
      {"", -2, {}},
  };
  for (const Ipv6Case& c : cases) {
    Bytes16 bytes{};
    EXPECT_EQ(vex_ipv6_text_to_bytes(c.text, bytes.data()), c.result) << c.text;
    if (c.result == 0) {
      EXPECT_EQ(bytes, c.bytes) << c.text;
    }
  }
  Bytes16 bytes{};
  EXPECT_EQ(vex_ipv6_text_to_bytes(nullptr, bytes.data()), -2);
  EXPECT_EQ(vex_ipv6_text_to_bytes("::1", nullptr), -2);
}

TEST(Ipv6TextToBytes, FullTextWritesEveryGroup) {
  Bytes16 bytes{};
  ASSERT_EQ(vex_ipv6_text_to_bytes("FE80::A:1", bytes.data()), 0);
  char text[40];
  vex::ipv6_bytes_to_full_text(bytes.data(), text);
  EXPECT_STREQ(text, "fe80:0000:0000:0000:0000:0000:000a:0001");
}

TEST(IpxText, ExactlyTwentyOneCharactersWithTheColonAfterTheNetwork) {
  const struct {
    const char* text;
    bool is_ipx;
  } cases[] = {
      {"0000000a:00a0b1c2d3e4", true},
      {"0000000A:00A0B1C2D3E4", true},
      {"00000000:000000000000", true},
      {"0000000a:00a0b1c2d3e", false},    // 20 characters
      {"0000000a:00a0b1c2d3e45", false},  // 22 characters
      {"0000000a-00a0b1c2d3e4", false},   // no colon
      {"0000000g:00a0b1c2d3e4", false},   // not hexadecimal
      {"192.168.100.100:12345", false},   // 21 characters, not IPX
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(vex::is_ipx_text(c.text), c.is_ipx) << c.text;
  EXPECT_FALSE(vex::is_ipx_text(nullptr));
}

TEST(IpxText, BytesRoundTripAndMissingFieldsStayZero) {
  std::uint8_t bytes[vex::kIpxAddressBytes];
  vex::ipx_text_to_bytes("0000000A:00a0b1c2d3e4", bytes);
  char text[vex::kIpxTextLength + 1];
  vex::ipx_bytes_to_text(bytes, text);
  EXPECT_STREQ(text, "0000000a:00a0b1c2d3e4");

  vex::ipx_text_to_bytes("0102", bytes);
  vex::ipx_bytes_to_text(bytes, text);
  EXPECT_STREQ(text, "01020000:000000000000");
}

TEST(StrictDottedIpv4, FourNumbersBelow256AndNothingAfter) {
  const struct {
    const char* text;
    bool accepted;
    std::uint32_t value;
  } cases[] = {
      {"192.168.1.10", true, 0xC0A8010Au},
      {"010.000.000.001", true, 0x0A000001u},  // decimal, never octal
      {"255.255.255.255", true, 0xFFFFFFFFu},
      {"1. 2.3.4", true, 0x01020304u},  // a number may start with white space
      {"192.168.1.300", false, 0},
      {"1.2.3.4x", false, 0},
      {"1.2.3.4 ", false, 0},
      {"1.2.3", false, 0},
      {"1.2.3.-4", false, 0},
      {"4294967297.0.0.1", false, 0},  // never wraps around
      {"", false, 0},
  };
  for (const auto& c : cases) {
    std::uint32_t value = 0;
    EXPECT_EQ(vex::parse_strict_dotted_ipv4(c.text, &value), c.accepted) << c.text;
    if (c.accepted) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  EXPECT_FALSE(vex::parse_strict_dotted_ipv4(nullptr, nullptr));
}

}  // namespace
