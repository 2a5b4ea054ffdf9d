#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <ctime>

namespace vex {

inline constexpr std::size_t kLogLineSize = 1024;  // with the terminating NUL

// Text shown when a caller logs without a format.
inline constexpr const char* kNullMessageText = "(client was about to output null message...)";

// Where and when a line is written.
struct LogStamp {
  std::tm local_time{};
  int millisecond = 0;
  long process_id = 0;
  long thread_id = 0;
};

// What the logger contributes to a line.
struct LogLineFields {
  const char* name = "";
  std::uint32_t level = 0;
  std::int32_t format = 0;
  std::int32_t radix = 10;
  const char* indent = "";
};

// The stamp of the current moment, process and thread.
LogStamp current_log_stamp() noexcept;

// Builds one line into `line`: time stamp, process id, thread id, name, level
// text, indentation and message, each cut to the space left. Answers the length.
std::size_t format_log_line(char (&line)[kLogLineSize], const LogLineFields& fields,
                            const LogStamp& stamp, const char* format, va_list arguments) noexcept
    __attribute__((format(printf, 4, 0)));

}  // namespace vex
