#include "logging/logger.h"

#include "logging/line_format.h"
#include "logging/log_sink.h"

CVexLogger::CVexLogger(const char* name) : name_(name) {}

vex::Result CVexLogger::query_interface(const char* iid, void** out) {
  IVexLogger* logger = this;
  IVexLoggerAdmin* admin = this;
  return vex::answer_query(iid, out,
                           {{vex::kIidBase, static_cast<IVexInterface*>(logger)},
                            {vex::kIidLogger, logger},
                            {vex::kIidLoggerAdmin, admin}});
}

vex::Result CVexLogger::add_sink(IVexLogSink* sink) {
  if (sink == nullptr) return vex::kInvalidArgument;
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.add_sink(sink);
  return vex::kOk;
}

void CVexLogger::set_levels(std::uint32_t mask) {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.levels = mask;
}

std::uint32_t CVexLogger::levels() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.levels;
}

void CVexLogger::set_indent(std::uint32_t count) {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.set_indent(count);
}

std::uint32_t CVexLogger::indent() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.indent();
}

vex::Result CVexLogger::set_format(std::int32_t flags) {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.format = flags;
  return vex::kOk;
}

std::int32_t CVexLogger::format() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.format;
}

vex::Result CVexLogger::set_radix(std::int32_t radix) {
  if (radix != 10 && radix != 16) return vex::kInvalidArgument;
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.radix = radix;
  return vex::kOk;
}

std::int32_t CVexLogger::radix() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.radix;
}

vex::Result CVexLogger::log(std::uint32_t level, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const vex::Result result = log_v(level, format, arguments);
  va_end(arguments);
  return result;
}

vex::Result CVexLogger::log_v(std::uint32_t level, const char* format, va_list arguments) {
  std::lock_guard<std::mutex> lock(mutex_);
  if ((level & settings_.levels) == 0) return vex::kOk;
  const vex::LogLineFields fields{name_.c_str(), level, settings_.format, settings_.radix,
                                  settings_.indent_text()};
  char line[vex::kLogLineSize];
  vex::format_log_line(line, fields, vex::current_log_stamp(), format, arguments);
  vex::Result result = vex::kOk;
  for (IVexLogSink* sink : settings_.sinks()) {
    const vex::Result written = sink->write(line);
    if (written != vex::kOk) result = written;
  }
  return result;
}

void CVexLogger::reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.reset();
}
