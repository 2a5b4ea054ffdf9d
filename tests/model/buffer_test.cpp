#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vex_buffer.h"

namespace {

using vex::Owned;

Owned<IVexBuffer> buffer_with(const char* text) {
  Owned<IVexBuffer> buffer(vex_create_buffer());
  EXPECT_EQ(buffer->assign_text(text), vex::kOk);
  return buffer;
}

// The content is the n bytes and, one past them, a NUL that is not counted.
void expect_content(const IVexBuffer& buffer, const std::string& expected) {
  ASSERT_EQ(buffer.length(), static_cast<std::int32_t>(expected.size()));
  if (expected.empty()) {
    EXPECT_EQ(buffer.data(), nullptr);
    return;
  }
  ASSERT_NE(buffer.data(), nullptr);
  EXPECT_EQ(std::string(buffer.data(), expected.size()), expected);
  EXPECT_EQ(buffer.data()[expected.size()], '\0');
}

TEST(VexBuffer, NewBufferIsEmptyWithoutContent) {
  vex::Result err = 1;
  const Owned<IVexBuffer> buffer(vex_create_buffer(&err));
  EXPECT_EQ(err, vex::kOk);
  expect_content(*buffer, "");
  const Owned<IVexBuffer> without_result(vex_create_buffer());
  EXPECT_NE(without_result, nullptr);
}

TEST(VexBuffer, AssignAndAppend) {
  struct Case {
    const char* name;
    const char* start;
    std::function<vex::Result(IVexBuffer&)> change;
    vex::Result result;
    std::string expected;
  };
  const Case cases[] = {
      {"assign bytes with a zero inside", "x", [](IVexBuffer& b) { return b.assign("a\0b", 3); },
       vex::kOk, std::string("a\0b", 3)},
      {"assign of length 0 empties", "abc", [](IVexBuffer& b) { return b.assign("zz", 0); },
       vex::kOk, ""},
      {"assign_text null empties", "abc", [](IVexBuffer& b) { return b.assign_text(nullptr); },
       vex::kOk, ""},
      {"append to empty", "", [](IVexBuffer& b) { return b.append("de", 2); }, vex::kOk, "de"},
      {"append keeps the old content first", "abc",
       [](IVexBuffer& b) { return b.append_text("de"); }, vex::kOk, "abcde"},
      {"append_text null changes nothing", "abc",
       [](IVexBuffer& b) { return b.append_text(nullptr); }, vex::kOk, "abc"},
      {"append_buffer null changes nothing", "abc",
       [](IVexBuffer& b) { return b.append_buffer(nullptr); }, vex::kOk, "abc"},
      {"append of own content doubles it", "abc",
       [](IVexBuffer& b) { return b.append(b.data(), b.length()); }, vex::kOk, "abcabc"},
      {"assign of part of own content", "abcdef",
       [](IVexBuffer& b) { return b.assign(b.data() + 2, 3); }, vex::kOk, "cde"},
      {"append_buffer of itself", "ab", [](IVexBuffer& b) { return b.append_buffer(&b); }, vex::kOk,
       "abab"},
      {"negative length is refused", "abc", [](IVexBuffer& b) { return b.assign("x", -1); },
       vex::kInvalidArgument, "abc"},
      {"null bytes with a length are refused", "abc",
       [](IVexBuffer& b) { return b.append(nullptr, 2); }, vex::kInvalidArgument, "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Owned<IVexBuffer> buffer = buffer_with(c.start);
    EXPECT_EQ(c.change(*buffer), c.result);
    expect_content(*buffer, c.expected);
  }
}

TEST(VexBuffer, Equality) {
  const Owned<IVexBuffer> abc = buffer_with("abc");
  const Owned<IVexBuffer> empty = buffer_with("");
  EXPECT_TRUE(abc->equals("abc", 3));
  EXPECT_FALSE(abc->equals("abd", 3));
  EXPECT_FALSE(abc->equals("ab", 2));
  EXPECT_TRUE(empty->equals("ignored", 0));
  EXPECT_FALSE(abc->equals("ignored", 0));
  EXPECT_TRUE(abc->equals_text("abc"));
  EXPECT_FALSE(abc->equals_text(nullptr));
  EXPECT_FALSE(empty->equals_text(nullptr));
  EXPECT_TRUE(empty->equals_text(""));
  EXPECT_TRUE(abc->equals_buffer(buffer_with("abc").get()));
  EXPECT_FALSE(abc->equals_buffer(nullptr));
}

TEST(VexBuffer, CloneCopiesTheContent) {
  const Owned<IVexBuffer> original = buffer_with("text");
  IVexBuffer* raw = nullptr;
  ASSERT_EQ(original->clone(&raw), vex::kOk);
  const Owned<IVexBuffer> copy(raw);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy->data(), original->data());
  expect_content(*copy, "text");

  EXPECT_EQ(original->clone(nullptr), vex::kInvalidArgument);
}

TEST(VexBuffer, ExhaustedMemoryKeepsTheOldContent) {
  const Owned<IVexBuffer> buffer = buffer_with("old");
  {
    const vex::AllocationLimit none(0);
    EXPECT_EQ(buffer->assign("new", 3), vex::kOutOfMemory);
    EXPECT_EQ(buffer->append("more", 4), vex::kOutOfMemory);
    vex::Result err = 1;
    EXPECT_EQ(vex_create_buffer(&err), nullptr);
    EXPECT_EQ(err, vex::kOutOfMemory);
  }
  expect_content(*buffer, "old");
}

TEST(VexBuffer, CloneThatCannotCopyTheContentFails) {
  const Owned<IVexBuffer> original = buffer_with("text");
  IVexBuffer* copy = original.get();
  {
    const vex::AllocationLimit only_the_object(1);
    EXPECT_EQ(original->clone(&copy), vex::kOutOfMemory);
  }
  EXPECT_EQ(copy, nullptr);
  IVexBuffer* not_made = original.get();
  {
    const vex::AllocationLimit none(0);
    EXPECT_EQ(original->clone(&not_made), vex::kOutOfMemory);
  }
  EXPECT_EQ(not_made, nullptr);
}

}  // namespace
