#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "framework/creator.h"
#include "framework/fixed_text.h"
#include "framework/ownership.h"
#include "framework/process_wide.h"

namespace {

struct Counted {
  explicit Counted(int v) : value(v) { ++alive; }
  ~Counted() { --alive; }
  void destroy() { delete this; }
  int value;
  static inline int alive = 0;
};

TEST(Creator, WritesItsResultWhenAsked) {
  vex::Result result = -99;
  vex::Owned<Counted> made(vex::make_component<Counted>(&result, 7));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(result, vex::kOk);
  EXPECT_EQ(made->value, 7);
}

TEST(Creator, CreatesWithoutAResultPointer) {
  vex::Owned<Counted> made(vex::make_component<Counted>(nullptr, 3));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(Counted::alive, 1);
  made.reset();
  EXPECT_EQ(Counted::alive, 0);
}

struct Slow {
  Slow() {
    ++constructed;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  static inline std::atomic<int> constructed{0};
};

TEST(ProcessWide, ConcurrentFirstUseCreatesOneObject) {
  vex::ProcessWide<Slow> holder;
  std::vector<std::thread> threads;
  std::vector<Slow*> seen(8, nullptr);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    threads.emplace_back([&, i] { seen[i] = holder.get(); });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(Slow::constructed.load(), 1);
  for (Slow* s : seen) EXPECT_EQ(s, seen.front());
}

TEST(FixedText, CopiesAreCutToTheFieldAndZeroFilled) {
  struct Row {
    const char* text;
    std::string expected;
  };
  const Row rows[] = {{"", ""},
                      {"abc", "abc"},
                      {"abcdefg", "abcdefg"},
                      {"abcdefgh", "abcdefg"},
                      {"abcdefghijkl", "abcdefg"},
                      {nullptr, ""}};
  for (const Row& row : rows) {
    char field[10];
    std::memset(field, 'x', sizeof field);
    vex::copy_to_field(field, 8, row.text);
    EXPECT_EQ(std::string(field), row.expected) << (row.text ? row.text : "(null)");
    for (std::size_t i = row.expected.size(); i < 8; ++i) EXPECT_EQ(field[i], '\0');
    EXPECT_EQ(field[8], 'x') << "wrote past the field";
  }
}

TEST(FixedText, FieldViewNeverReadsPastAnUnterminatedField) {
  char field[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(vex::field_view(field), "abcd");
  char target[3];
  vex::copy_to_field(target, vex::field_view(field));
  EXPECT_STREQ(target, "ab");
}

TEST(FixedText, EmptyViewWithoutDataLeavesAnEmptyField) {
  char field[4] = {'a', 'b', 'c', 'd'};
  vex::copy_to_field(field, std::string_view());
  EXPECT_EQ(vex::field_length(field), 0u);
}

}  // namespace
