#include "plugin/option_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr char kUntouched = '#';

// A host buffer of the documented size with guard bytes after it.
std::array<char, DVK_OPTION_TEXT_SIZE + 16> guarded_buffer() {
  std::array<char, DVK_OPTION_TEXT_SIZE + 16> buffer;
  buffer.fill(kUntouched);
  return buffer;
}

TEST(OptionText, LongestOptionTextFitsTheBuffer) {
  EXPECT_EQ(DVK_OPTION_TEXT_SIZE, 256);
  auto buffer = guarded_buffer();
  const std::string text(255, 'n');
  vex::copy_option_text(buffer.data(), text.c_str());
  EXPECT_EQ(std::string(buffer.data()), text);
  for (std::size_t i = DVK_OPTION_TEXT_SIZE; i < buffer.size(); ++i)
    EXPECT_EQ(buffer[i], kUntouched);
}

TEST(OptionText, LongerTextIsCutAtTheBufferSize) {
  auto buffer = guarded_buffer();
  const std::string text(400, 'n');
  vex::copy_option_text(buffer.data(), text.c_str());
  EXPECT_EQ(std::string(buffer.data()), text.substr(0, 255));
  for (std::size_t i = DVK_OPTION_TEXT_SIZE; i < buffer.size(); ++i)
    EXPECT_EQ(buffer[i], kUntouched);
}

TEST(OptionText, WritesOnlyTheTextAndItsNul) {
  auto buffer = guarded_buffer();
  vex::copy_option_text(buffer.data(), "SysName");
  EXPECT_STREQ(buffer.data(), "SysName");
  EXPECT_EQ(buffer[8], kUntouched);
  vex::copy_option_text(buffer.data(), nullptr);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], 'y');
}

}  // namespace
