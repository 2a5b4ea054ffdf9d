// The paths that answer -3: nothing half-made is handed out, nothing leaks,
// and what existed before keeps its content.
#include <gtest/gtest.h>

#include <string>

#include "model_test_support.h"
#include "snmp/model/model_heap.h"

namespace {

using namespace model_test;
namespace tag = vex::tag;

TEST(OutOfMemory, CreatorsAnswerMinus3AndNull) {
  for (std::int32_t t : all_tags()) {
    const vex::AllocationLimit none(0);
    Result err = 1;
    EXPECT_EQ(vsn_create_value(t, &err), nullptr) << t;
    EXPECT_EQ(err, vex::kOutOfMemory) << t;
  }
  const vex::AllocationLimit none(0);
  Result err = 1;
  EXPECT_EQ(vsn_create_oid(&err), nullptr);
  EXPECT_EQ(err, vex::kOutOfMemory);
  EXPECT_EQ(vsn_create_counter64(1, 2, &err), nullptr);
  EXPECT_EQ(err, vex::kOutOfMemory);
}

TEST(OutOfMemory, FixedSizeValueWithoutItsZeroBytesIsDeleted) {
  for (std::int32_t t : {tag::kIpAddress, tag::kIpv6Address, tag::kUdpAddress, tag::kIpxAddress}) {
    const vex::AllocationLimit only_the_object(1);
    Result err = 1;
    EXPECT_EQ(vsn_create_value(t, &err), nullptr) << t;
    EXPECT_EQ(err, vex::kOutOfMemory) << t;
  }
}

TEST(OutOfMemory, CreatorsThatFillTheValueDeleteItWhenFillingFails) {
  const vex::AllocationLimit only_the_object(1);
  Result err = 1;
  EXPECT_EQ(vsn_create_value_text("public", tag::kOctetString, &err), nullptr);
  EXPECT_EQ(err, vex::kOutOfMemory);
}

TEST(OutOfMemory, SettersKeepTheOldContent) {
  const Owned<IVsnValue> octets(vsn_create_value_text("old", tag::kOctetString));
  const Owned<IVsnOid> oid = make_oid("1.3.6");
  const Owned<IVsnValue> long_octets = make_value(tag::kOctetString);
  const std::string long_text(300, 'x');
  ASSERT_EQ(long_octets->set_text(long_text.c_str()), vex::kOk);
  {
    const vex::AllocationLimit none(0);
    EXPECT_EQ(octets->set_text(long_text.c_str()), vex::kOutOfMemory);
    EXPECT_EQ(octets->set_bytes(reinterpret_cast<const std::uint8_t*>(long_text.data()), 300),
              vex::kOutOfMemory);
    EXPECT_EQ(octets->assign(long_octets.get()), vex::kOutOfMemory);
    EXPECT_EQ(oid->set_text(long_text.c_str()), vex::kOutOfMemory);
    EXPECT_EQ(oid->append_text(long_text.c_str()), vex::kOutOfMemory);
  }
  EXPECT_EQ(text_of(*octets), "old");
  EXPECT_STREQ(oid->text(), "1.3.6");
  EXPECT_EQ(oid->length(), 3) << "the cached count stays right";
}

TEST(OutOfMemory, GrowingAnIdentifierPastItsCapacity) {
  const Owned<IVsnOid> oid = make_oid();
  int appended = 0;
  {
    // The first block holds 127 characters and the NUL; growing needs another.
    const vex::AllocationLimit one_block(1);
    while (oid->append_subid(1) == vex::kOk) ++appended;
  }
  EXPECT_EQ(appended, 64);
  EXPECT_EQ(oid->length(), 64);
  EXPECT_EQ(std::string(oid->text()).size(), 127U);
  EXPECT_EQ(oid->append_subid(1), vex::kOk);
}

TEST(OutOfMemory, CopiesAndTextBuffers) {
  const Owned<IVsnValue> octets(vsn_create_value_text("abc", tag::kOctetString));
  const Owned<IVsnOid> oid = make_oid("1.3.6.1");
  Result err = 1;
  {
    const vex::AllocationLimit only_the_object(1);
    EXPECT_EQ(octets->clone(&err), nullptr);
    EXPECT_EQ(err, vex::kOutOfMemory);
  }
  {
    const vex::AllocationLimit only_the_object(1);
    EXPECT_EQ(oid->clone(&err), nullptr);
    EXPECT_EQ(err, vex::kOutOfMemory);
  }
  {
    const vex::AllocationLimit none(0);
    EXPECT_EQ(octets->to_text(&err), nullptr);
    EXPECT_EQ(err, vex::kOutOfMemory);
  }
  {
    // The buffer is made but cannot take the text: it is still handed out.
    const vex::AllocationLimit only_the_buffer(1);
    const Owned<IVexBuffer> buffer(octets->to_text(&err));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(err, vex::kOutOfMemory);
    EXPECT_EQ(buffer->length(), 0);
  }
  {
    const vex::AllocationLimit only_the_object(1);
    EXPECT_EQ(oid->take_prefix_oid(2, &err), nullptr);
    EXPECT_EQ(err, vex::kOutOfMemory);
    EXPECT_EQ(oid->take_prefix_buffer(2, &err), nullptr);
    EXPECT_EQ(err, vex::kOutOfMemory);
  }
  EXPECT_STREQ(oid->text(), "1.3.6.1") << "a failed take removes nothing";
}

}  // namespace
