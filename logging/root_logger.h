#pragma once

#include <mutex>
#include <vector>

#include "logging/logger_settings.h"
#include "logging/logger_views.h"
#include "logging/vex_log.h"

// The root logger "All": it carries the settings and sinks and hands them to
// every attached logger when it attaches one and whenever they change. It
// writes no lines itself, and its lock is held while it passes settings on
// (order: root, then logger).
class CVexRootLogger final
    : public vex::Component<CVexRootLogger, IVexLogger, IVexLoggerAdmin, IVexLoggerGroup> {
 public:
  static constexpr const char* kName = "All";

  vex::Result query_interface(const char* iid, void** out) override;
  void destroy() override {}

  const char* name() const override { return kName; }
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
  [[gnu::format(printf, 3, 4)]] vex::Result log(std::uint32_t, const char*, ...) override {
    return vex::kNotFound;
  }
  [[gnu::format(printf, 3, 0)]] vex::Result log_v(std::uint32_t, const char*, va_list) override {
    return vex::kNotFound;
  }

  // Restores the root's defaults and resets every attached logger with it.
  void reset() override;

  vex::Result attach(IVexLogger* logger) override;
  vex::Result detach(IVexLogger* logger) override;
  void detach_all();

 private:
  template <class Change>
  void change_all(Change&& change);

  mutable std::mutex mutex_;
  vex::LoggerSettings settings_;
  std::vector<IVexLogger*> attached_;
};
