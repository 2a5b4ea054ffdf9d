#include "logging/line_format.h"

#include <sys/types.h>
#include <unistd.h>

#include <cstdio>

#include "logging/vex_log.h"

namespace vex {
namespace {

// Appends formatted text to a fixed buffer, never past its end.
class LineWriter {
 public:
  explicit LineWriter(char (&line)[kLogLineSize]) noexcept : line_(line) { line_[0] = '\0'; }

  [[gnu::format(printf, 2, 0)]] void append_v(const char* format, va_list arguments) noexcept {
    if (room() <= 1) return;
    // The analyser loses the va_start of append() when it checks several files in one run.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
    advance(std::vsnprintf(line_ + length_, room(), format, arguments));
  }

  std::size_t length() const noexcept { return length_; }

 private:
  std::size_t room() const noexcept { return kLogLineSize - length_; }

  // vsnprintf answers the length it wanted; only what fitted was written.
  void advance(int written) noexcept {
    if (written < 0) {
      line_[length_] = '\0';
      return;
    }
    const std::size_t wanted = static_cast<std::size_t>(written);
    length_ += wanted < room() ? wanted : room() - 1;
  }

  char (&line_)[kLogLineSize];
  std::size_t length_ = 0;
};

[[gnu::format(printf, 2, 3)]] void append(LineWriter& writer, const char* format, ...) noexcept {
  va_list arguments;
  va_start(arguments, format);
  writer.append_v(format, arguments);
  va_end(arguments);
}

const char* level_text(std::uint32_t level) noexcept {
  switch (level) {
    case kLogError:
      return "Error, ";
    case kLogWarn:
      return "Warn , ";
    case kLogInfo:
      return "Info , ";
    case kLogDebug:
      return "Debug, ";
    case kLogTrace:
      return "Trace, ";
    case kLogAll:
      return "All  , ";
    default:
      return "";
  }
}

void append_id(LineWriter& writer, bool shown, long id, std::int32_t radix) noexcept {
  if (!shown) {
    append(writer, "        ");
  } else if (radix == 16) {
    append(writer, "%08lX", static_cast<unsigned long>(id));
  } else {
    append(writer, "%8ld", id);
  }
}

}  // namespace

LogStamp current_log_stamp() noexcept {
  LogStamp stamp;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  localtime_r(&now.tv_sec, &stamp.local_time);
  stamp.millisecond = static_cast<int>(now.tv_nsec / 1000000);
  stamp.process_id = getpid();
  stamp.thread_id = gettid();
  return stamp;
}

std::size_t format_log_line(char (&line)[kLogLineSize], const LogLineFields& fields,
                            const LogStamp& stamp, const char* format, va_list arguments) noexcept {
  LineWriter writer(line);
  if ((fields.format & kLogTimeStamp) != 0) {
    const std::tm& t = stamp.local_time;
    append(writer, "%04d/%02d/%02d %02d:%02d:%02d:%03d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
           t.tm_hour, t.tm_min, t.tm_sec, stamp.millisecond);
  } else {
    append(writer, "%23s", "");
  }
  append(writer, ", ");
  append_id(writer, (fields.format & kLogProcessId) != 0, stamp.process_id, fields.radix);
  append(writer, ", ");
  append_id(writer, (fields.format & kLogThreadId) != 0, stamp.thread_id, fields.radix);
  append(writer, ", %-16.16s, %s%s", fields.name != nullptr ? fields.name : "",
         level_text(fields.level), fields.indent != nullptr ? fields.indent : "");
  if (format == nullptr) {
    append(writer, "%s", kNullMessageText);
  } else {
    writer.append_v(format, arguments);
  }
  return writer.length();
}

}  // namespace vex
