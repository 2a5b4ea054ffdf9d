#pragma once

#include <mutex>
#include <string>

#include "logging/logger_settings.h"
#include "logging/logger_views.h"
#include "logging/vex_log.h"

// A named logger of the logging service. Its lock serialises log and the
// setters, so the lines of one logger never interleave.
class CVexLogger final : public vex::Component<CVexLogger, IVexLogger, IVexLoggerAdmin> {
 public:
  explicit CVexLogger(const char* name);

  vex::Result query_interface(const char* iid, void** out) override;
  void destroy() override { delete this; }

  const char* name() const override { return name_.c_str(); }
  vex::Result add_sink(IVexLogSink* sink) override;
  void set_levels(std::uint32_t mask) override;
  std::uint32_t levels() const override;
  void set_indent(std::uint32_t count) override;
  std::uint32_t indent() const override;
  vex::Result set_format(std::int32_t flags) override;
  std::int32_t format() const override;
  vex::Result set_radix(std::int32_t radix) override;
  std::int32_t radix() const override;
  vex::Result reserved(void*, void*) override { return vex::kNotFound; }
  [[gnu::format(printf, 3, 4)]] vex::Result log(std::uint32_t level, const char* format,
                                                ...) override;
  [[gnu::format(printf, 3, 0)]] vex::Result log_v(std::uint32_t level, const char* format,
                                                  va_list arguments) override;

  void reset() override;

 private:
  const std::string name_;
  mutable std::mutex mutex_;
  vex::LoggerSettings settings_;
};
