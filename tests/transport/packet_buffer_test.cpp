#include "snmp/transport/packet_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

TEST(PacketBuffer, StartsEmptyAndOwned) {
  PacketBuffer buffer;
  EXPECT_EQ(buffer.data(), nullptr);
  EXPECT_EQ(buffer.size(), 0u);
  EXPECT_EQ(buffer.remaining_length(), 0u);
  EXPECT_EQ(buffer.ownership(), PacketBuffer::kFrameworkAllocated);
}

TEST(PacketBuffer, MessageStartAndRemainingLength) {
  PacketBuffer buffer;
  ASSERT_TRUE(buffer.allocate(100));
  EXPECT_EQ(buffer.message_start(), buffer.data());
  EXPECT_EQ(buffer.remaining_length(), 100u);
  EXPECT_EQ(buffer.set_message_start(60), buffer.data() + 60);
  EXPECT_EQ(buffer.remaining_length(), 40u);
  // An offset past the end stops at the end rather than pointing outside.
  EXPECT_EQ(buffer.set_message_start(500), buffer.data() + 100);
  EXPECT_EQ(buffer.remaining_length(), 0u);
}

TEST(PacketBuffer, MallocAreaIsFreedWithFreeAndDetachHandsItOver) {
  // Leak and mismatch checks of the sanitizer builds watch these paths.
  auto* area = static_cast<std::uint8_t*>(std::malloc(32));
  {
    PacketBuffer buffer;
    buffer.attach(area, 32, PacketBuffer::kMallocAllocated);
  }
  auto* kept = static_cast<std::uint8_t*>(std::malloc(16));
  std::uint32_t size = 0;
  {
    PacketBuffer buffer;
    buffer.attach(kept, 16, PacketBuffer::kMallocAllocated);
    EXPECT_EQ(buffer.detach(&size), kept);
    EXPECT_EQ(buffer.data(), nullptr);
  }
  EXPECT_EQ(size, 16u);
  std::free(kept);
}

TEST(PacketBuffer, BorrowedAreaIsNeverFreed) {
  std::uint8_t stack_area[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  {
    PacketBuffer buffer;
    buffer.attach(stack_area, sizeof stack_area, PacketBuffer::kBorrowed);
    EXPECT_EQ(buffer.remaining_length(), 8u);
    buffer.attach(nullptr, 0, PacketBuffer::kBorrowed);
  }
  EXPECT_EQ(stack_area[7], 8);
}

TEST(PacketBuffer, AllocateReplacesTheOldArea) {
  PacketBuffer buffer;
  ASSERT_TRUE(buffer.allocate(10));
  std::memset(buffer.data(), 0xAB, 10);
  ASSERT_TRUE(buffer.allocate(20));
  EXPECT_EQ(buffer.size(), 20u);
  EXPECT_EQ(buffer.message_start(), buffer.data());
}

}  // namespace
