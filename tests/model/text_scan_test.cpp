#include "snmp/model/text_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(ReadAtol32, ReadsLikeAtolModulo2To32) {
  struct Case {
    const char* text;
    std::uint32_t value;
  };
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"  \t\n+17", 17},
      {"-1", 0xFFFFFFFFU},
      {"4294967295", 0xFFFFFFFFU},
      {"4294967296", 0},
      {"4294967297", 1},
      {"12abc", 12},
      {"1.3.6", 1},
      {"", 0},
      {"abc", 0},
      {"- 5", 0},
      {"--5", 0},
      {"-2147483648", 0x80000000U},
  };
  for (const Case& c : cases) EXPECT_EQ(vex::read_atol32(c.text), c.value) << c.text;
  EXPECT_EQ(vex::read_atol32(nullptr), 0U);
}

TEST(ScanText, CountsConversionsLikeSscanf) {
  struct Case {
    const char* text;
    const char* format;
    int converted;
    std::vector<std::int64_t> numbers;
  };
  const Case cases[] = {
      {"10.0.0.1", "%d.%d.%d.%d", 4, {10, 0, 0, 1}},
      {" 1. 2.\t3.4junk", "%d.%d.%d.%d", 4, {1, 2, 3, 4}},
      {"1.2.3", "%d.%d.%d.%d", 3, {1, 2, 3}},
      {"1..2", "%d.%d", 1, {1}},
      {"-7.+8", "%d.%d", 2, {-7, 8}},
      {"x1", "%d", 0, {}},
      {"", "%d", 0, {}},
      // A number too big for an int must stay out of range, not wrap.
      {"4294967297", "%d", 1, {4294967297}},
      {"99999999999999999999999", "%d", 1, {INT64_MAX}},
      {"-99999999999999999999999", "%d", 1, {-INT64_MAX}},
      {"fe80:1:FFFF", "%x:%x:%x", 3, {0xfe80, 1, 0xffff}},
      {"0x1F", "%x", 1, {0x1f}},
      {"12345", "%2x%2x%2x", 3, {0x12, 0x34, 0x5}},
      {"0a0b:zz", "%2x%2x:%2x", 2, {0x0a, 0x0b}},
      {"123456/ab", "%2x%2x%2x/%x", 4, {0x12, 0x34, 0x56, 0xab}},
      {"-1", "%x", 1, {-1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::int64_t numbers[4] = {};
    EXPECT_EQ(vex::scan_text(c.text, c.format, numbers), c.converted);
    for (std::size_t i = 0; i < c.numbers.size(); ++i) EXPECT_EQ(numbers[i], c.numbers[i]);
  }
}

TEST(ScanText, NeverWritesMoreNumbersThanItIsGiven) {
  std::int64_t numbers[3] = {-9, -9, -9};
  EXPECT_EQ(vex::scan_text("1.2.3.4", "%d.%d.%d.%d", std::span(numbers).first(2)), 2);
  EXPECT_EQ(numbers[2], -9);
  EXPECT_EQ(vex::scan_text(nullptr, "%d", numbers), 0);
}

}  // namespace
