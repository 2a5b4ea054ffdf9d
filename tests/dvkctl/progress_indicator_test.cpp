// The search's progress line: drawn at once, cleared at the end.
#include "tools/dvkctl/progress_indicator.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

namespace dvkctl {
namespace {

std::string drain(int fd) {
  std::string text;
  char chunk[512];
  for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;) {
    text.append(chunk, static_cast<std::size_t>(got));
  }
  return text;
}

TEST(ProgressIndicator, DrawsItsLineAndClearsItWhenTheWaitEnds) {
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
  {
    const ProgressIndicator progress(ends[1], "searching for printers",
                                     std::chrono::milliseconds(1500));
  }
  ::close(ends[1]);
  const std::string text = drain(ends[0]);
  ::close(ends[0]);
  ASSERT_EQ(text.rfind("\r| searching for printers: 0.", 0), 0u) << text;
  EXPECT_NE(text.find("of at most 1.5 s"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("\r\033[K")) << text;
  EXPECT_EQ(text.find('\n'), std::string::npos) << "it keeps to one line";
}

TEST(ProgressIndicator, ExpectedWaitCountsTheFirstRequestAndEveryRetry) {
  EXPECT_EQ(expected_wait(500, 2), std::chrono::milliseconds(1500));
  EXPECT_EQ(expected_wait(500, 0), std::chrono::milliseconds(500));
  EXPECT_EQ(expected_wait(UINT32_MAX, 1), std::chrono::milliseconds(2 * std::int64_t{UINT32_MAX}));
  EXPECT_EQ(expected_wait(UINT32_MAX, UINT32_MAX), std::chrono::milliseconds::max());
}

}  // namespace
}  // namespace dvkctl
