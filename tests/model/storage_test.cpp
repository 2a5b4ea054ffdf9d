#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "snmp/model/byte_storage.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/text_storage.h"

namespace {

using vex::ByteStorage;
using vex::TextStorage;

TEST(ByteStorage, CapacityGrowsInStepsOf128) {
  struct Case {
    std::size_t request;
    std::size_t capacity;
  };
  const Case cases[] = {{1, 128}, {127, 128}, {128, 256}, {255, 256}, {256, 384}, {1000, 1024}};
  for (const Case& c : cases) {
    ByteStorage storage;
    ASSERT_EQ(storage.reserve(c.request), vex::kOk);
    EXPECT_EQ(storage.capacity(), c.capacity) << "request " << c.request;
    EXPECT_EQ(storage.size(), 0U);
  }
  ByteStorage empty;
  EXPECT_EQ(empty.reserve(0), vex::kOk);
  EXPECT_EQ(empty.capacity(), 0U) << "nothing is allocated for nothing";
}

TEST(ByteStorage, AppendingOneByteToAFullArrayAsksForOneMore) {
  ByteStorage storage;
  for (int i = 0; i < 128; ++i)
    ASSERT_EQ(storage.push_back(static_cast<std::uint8_t>(i)), vex::kOk);
  EXPECT_EQ(storage.capacity(), 128U);
  ASSERT_EQ(storage.push_back(200), vex::kOk);
  EXPECT_EQ(storage.capacity(), 256U);
  EXPECT_EQ(storage.size(), 129U);
  EXPECT_EQ(storage.data()[127], 127);
  EXPECT_EQ(storage.data()[128], 200);
}

TEST(ByteStorage, SourcesInsideTheArraySurviveItsGrowth) {
  ByteStorage storage;
  const std::string start(120, 'a');
  ASSERT_EQ(storage.assign(start.data(), start.size()), vex::kOk);
  storage.data()[0] = 'b';
  // Appending itself needs a bigger block, so the source moves.
  ASSERT_EQ(storage.append(storage.data(), storage.size()), vex::kOk);
  ASSERT_EQ(storage.size(), 240U);
  EXPECT_EQ(storage.data()[120], 'b');
  EXPECT_EQ(storage.chars().substr(121), std::string(119, 'a'));

  ASSERT_EQ(storage.assign(storage.data() + 120, 10), vex::kOk);
  EXPECT_EQ(storage.chars(), "b" + std::string(9, 'a'));
}

TEST(ByteStorage, ExhaustedMemoryKeepsContentAndCapacity) {
  ByteStorage storage;
  ASSERT_EQ(storage.assign("abc", 3), vex::kOk);
  {
    const vex::AllocationLimit none(0);
    const std::string big(300, 'x');
    EXPECT_EQ(storage.assign(big.data(), big.size()), vex::kOutOfMemory);
    EXPECT_EQ(storage.append(big.data(), big.size()), vex::kOutOfMemory);
    EXPECT_EQ(storage.assign_zeros(500), vex::kOutOfMemory);
    // What fits in the capacity needs no allocation.
    EXPECT_EQ(storage.append("d", 1), vex::kOk);
  }
  EXPECT_EQ(storage.chars(), "abcd");
  EXPECT_EQ(storage.capacity(), 128U);
}

TEST(ByteStorage, EraseAndZero) {
  ByteStorage storage;
  ASSERT_EQ(storage.assign("abcdef", 6), vex::kOk);
  storage.erase(1, 2);
  EXPECT_EQ(storage.chars(), "adef");
  storage.erase(3, 100);
  EXPECT_EQ(storage.chars(), "ade");
  storage.erase(7, 1);
  EXPECT_EQ(storage.chars(), "ade");
  storage.fill_zero();
  EXPECT_EQ(storage.chars(), std::string(3, '\0'));
  ASSERT_EQ(storage.assign_zeros(12), vex::kOk);
  EXPECT_EQ(storage.chars(), std::string(12, '\0'));
}

TEST(TextStorage, StaysTerminatedAndJoinsParts) {
  TextStorage text;
  EXPECT_STREQ(text.c_str(), "");
  ASSERT_EQ(text.append_separated('.', "1"), vex::kOk);
  ASSERT_EQ(text.append_number('.', 4294967295U), vex::kOk);
  EXPECT_STREQ(text.c_str(), "1.4294967295");
  ASSERT_EQ(text.append_separated('.', text.view()), vex::kOk);
  EXPECT_STREQ(text.c_str(), "1.4294967295.1.4294967295");
  text.erase(1, 11);
  EXPECT_STREQ(text.c_str(), "1.1.4294967295");
  // A text that exactly fills the capacity still has room for its NUL.
  ASSERT_EQ(text.assign(std::string(127, '7')), vex::kOk);
  ASSERT_EQ(text.append("8"), vex::kOk);
  EXPECT_EQ(std::strlen(text.c_str()), 128U);
}

TEST(TextStorage, AppendingItselfAcrossAGrowth) {
  TextStorage text;
  const std::string start(100, '5');
  ASSERT_EQ(text.assign(start), vex::kOk);
  ASSERT_EQ(text.append_separated('.', text.view()), vex::kOk);
  EXPECT_EQ(text.view(), start + "." + start);
}

TEST(TextStorage, ExhaustedMemoryKeepsTheText) {
  TextStorage text;
  ASSERT_EQ(text.assign("1.3"), vex::kOk);
  const std::string long_part(200, '6');
  const vex::AllocationLimit none(0);
  EXPECT_EQ(text.append_separated('.', long_part), vex::kOutOfMemory);
  EXPECT_EQ(text.assign(long_part), vex::kOutOfMemory);
  EXPECT_STREQ(text.c_str(), "1.3");
}

TEST(AllocationLimit, CountsAllocationsAndNests) {
  const vex::AllocationLimit outer(1);
  {
    const vex::AllocationLimit inner(0);
    EXPECT_FALSE(vex::model_may_allocate());
  }
  EXPECT_TRUE(vex::model_may_allocate());
  EXPECT_FALSE(vex::model_may_allocate());
  EXPECT_EQ(outer.remaining(), 0);
}

}  // namespace
