#include "snmp/codec/ber_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "tests/codec/ber_builder.h"

namespace {

using codec_test::Bytes;
using codec_test::hex;

// The bytes in a heap block of exactly their size, so that the address
// sanitizer sees any read past them.
struct Exact {
  explicit Exact(const Bytes& bytes)
      : data(new std::uint8_t[bytes.size() + 1]), size(bytes.size()) {
    std::copy(bytes.begin(), bytes.end(), data.get());
  }
  vex::BerReader reader() const { return vex::BerReader(data.get(), data.get() + size); }
  std::unique_ptr<std::uint8_t[]> data;
  std::size_t size;
};

struct LengthCase {
  const char* bytes;
  std::optional<std::uint32_t> length;  // nothing: refused
};

TEST(BerReader, LengthForms) {
  const LengthCase cases[] = {
      {"05", 5},
      {"81 05", 5},
      {"82 00 05", 5},
      {"84 00 00 00 05", 5},
      {"7F", 127},
      {"81 80", 128},
      {"81 C8", 200},
      {"82 01 2C", 300},
      {"83 01 00 00", 65536},
      {"84 FF FF FF FF", 0xFFFFFFFF},
      {"85 01 00 00 00 05", 5},  // octets past the fourth push the first ones out
      {"80", std::nullopt},      // indefinite form
      {"81", std::nullopt},
      {"82 01", std::nullopt},
      {"", std::nullopt},
  };
  for (const LengthCase& c : cases) {
    const Exact in(hex(c.bytes));
    vex::BerReader reader = in.reader();
    std::uint32_t length = 99;
    const vex::Result result = reader.read_length(&length);
    if (c.length) {
      EXPECT_EQ(result, vex::kOk) << c.bytes;
      EXPECT_EQ(length, *c.length) << c.bytes;
      EXPECT_TRUE(reader.at_end()) << c.bytes;
    } else {
      EXPECT_EQ(result, vex::kUndecodable) << c.bytes;
    }
  }
}

struct IntegerCase {
  const char* element;
  std::optional<std::int32_t> value;
};

TEST(BerReader, IntegerContents) {
  const IntegerCase cases[] = {
      {"02 00", 0},
      {"02 01 00", 0},
      {"02 01 7F", 127},
      {"02 01 80", -128},
      {"02 02 00 80", 128},
      {"02 02 FF 7F", -129},
      {"02 04 7F FF FF FF", 2147483647},
      {"02 04 80 00 00 00", -2147483647 - 1},
      {"02 05 00 FF FF FF FF", -1},
      {"02 05 00 80 00 00 00", -2147483647 - 1},
      {"02 05 01 00 00 00 00", std::nullopt},  // five octets must open with 0x00
      {"02 05 FF FF FF FF FF", std::nullopt},
      {"02 06 01 02 03 04 05 06", 0x03040506},  // the low 32 bits stay
      {"02 02 00", std::nullopt},
      {"02 81 01 05", 5},
      {"04 01 05", std::nullopt},  // not an INTEGER
  };
  for (const IntegerCase& c : cases) {
    const Exact in(hex(c.element));
    vex::BerReader reader = in.reader();
    std::uint32_t length = 0;
    std::int32_t value = 99;
    vex::Result result = reader.read_header(0x02, &length);
    if (vex::succeeded(result)) result = reader.read_integer(length, &value);
    if (c.value) {
      EXPECT_EQ(result, vex::kOk) << c.element;
      EXPECT_EQ(value, *c.value) << c.element;
    } else {
      EXPECT_EQ(result, vex::kUndecodable) << c.element;
    }
  }
}

TEST(BerReader, TakingBytesNeverPassesTheEnd) {
  const Exact in(hex("01 02 03"));
  vex::BerReader reader = in.reader();
  const std::uint8_t* bytes = nullptr;
  EXPECT_EQ(reader.take_bytes(4, &bytes), vex::kUndecodable);
  EXPECT_EQ(bytes, nullptr);
  EXPECT_EQ(reader.remaining(), 3u);
  EXPECT_EQ(reader.take_bytes(0xFFFFFFFF, &bytes), vex::kUndecodable);
  ASSERT_EQ(reader.take_bytes(2, &bytes), vex::kOk);
  EXPECT_EQ(bytes, in.data.get());
  EXPECT_EQ(reader.remaining(), 1u);
  EXPECT_FALSE(reader.exhausted());
}

TEST(BerReader, ReadingAtTheEndYieldsZeroAndMarksTheReaderExhausted) {
  const Exact in(hex("2A"));
  vex::BerReader reader = in.reader();
  std::uint8_t octet = 0;
  ASSERT_EQ(reader.peek_octet(&octet), vex::kOk);
  EXPECT_EQ(octet, 0x2A);
  ASSERT_EQ(reader.read_octet(&octet), vex::kOk);
  EXPECT_FALSE(reader.exhausted());
  octet = 7;
  EXPECT_EQ(reader.read_octet(&octet), vex::kUndecodable);
  EXPECT_EQ(octet, 0);
  EXPECT_TRUE(reader.exhausted());
  EXPECT_EQ(reader.peek_octet(&octet), vex::kUndecodable);
  EXPECT_TRUE(reader.exhausted());
}

TEST(BerReader, LimitOnlyShortens) {
  const Exact in(hex("01 02 03 04"));
  vex::BerReader reader = in.reader();
  reader.limit_to(10);
  EXPECT_EQ(reader.remaining(), 4u);
  reader.limit_to(2);
  EXPECT_EQ(reader.remaining(), 2u);
}

}  // namespace
