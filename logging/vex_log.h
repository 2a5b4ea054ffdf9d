#pragma once

#include <cstdarg>
#include <cstdint>

#include "framework/result_codes.h"
#include "logging/vex_interface.h"

class IVexLogSink;

namespace vex {

// Log levels are bits of a mask.
inline constexpr std::uint32_t kLogError = 1;
inline constexpr std::uint32_t kLogWarn = 2;
inline constexpr std::uint32_t kLogInfo = 4;
inline constexpr std::uint32_t kLogDebug = 8;
inline constexpr std::uint32_t kLogTrace = 16;
inline constexpr std::uint32_t kLogAll = 31;

// Format flags: which fields open a line.
inline constexpr std::int32_t kLogTimeStamp = 1;
inline constexpr std::int32_t kLogProcessId = 2;
inline constexpr std::int32_t kLogThreadId = 4;
inline constexpr std::int32_t kLogDefaultFormat = 7;

}  // namespace vex

// A named logger. Lines whose level is not in the mask cost one lock and one
// test; the others are formatted (cut to 1023 characters) and handed to every
// attached sink. log answers 0 or the last failing sink's result, which
// callers may ignore.
class IVexLogger : public IVexInterface {
 public:
  virtual const char* name() const = 0;
  // Attaches a sink (lent, not owned) unless one of the same name is attached.
  virtual vex::Result add_sink(IVexLogSink* sink) = 0;
  virtual void set_levels(std::uint32_t mask) = 0;
  virtual std::uint32_t levels() const = 0;
  virtual void set_indent(std::uint32_t count) = 0;
  virtual std::uint32_t indent() const = 0;
  virtual vex::Result set_format(std::int32_t flags) = 0;
  virtual std::int32_t format() const = 0;
  // Radix of the process and thread ids: 10 or 16.
  virtual vex::Result set_radix(std::int32_t radix) = 0;
  virtual std::int32_t radix() const = 0;
  virtual vex::Result reserved(void* first, void* second) = 0;
  [[gnu::format(printf, 3, 4)]] virtual vex::Result log(std::uint32_t level, const char* format,
                                                        ...) = 0;
  [[gnu::format(printf, 3, 0)]] virtual vex::Result log_v(std::uint32_t level, const char* format,
                                                          va_list arguments) = 0;
};

// The framework's two loggers: "snmp" for the codec and the sessions,
// "socket" for the platform layer. Never null.
IVexLogger* vex_snmp_logger();
IVexLogger* vex_socket_logger();

// Logs through the logger named `tag` (the plug-in layer uses "DVK").
[[gnu::format(printf, 3, 4)]] vex::Result vex_tag_log(const char* tag, std::uint32_t level,
                                                      const char* format, ...);

namespace vex {

// Writes the Trace lines "[name] enter." and "[name] exit." around a scope.
class TraceScope {
 public:
  TraceScope(IVexLogger* logger, const char* operation) : logger_(logger), operation_(operation) {
    logger_->log(kLogTrace, "[%s] enter.", operation_);
  }
  ~TraceScope() { logger_->log(kLogTrace, "[%s] exit.", operation_); }
  TraceScope(const TraceScope&) = delete;
  TraceScope& operator=(const TraceScope&) = delete;

 private:
  IVexLogger* logger_;
  const char* operation_;
};

}  // namespace vex
