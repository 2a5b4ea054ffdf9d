#pragma once

#include "logging/logger_views.h"
#include "logging/vex_log.h"

// The process-wide logger "null_session": every operation succeeds and does
// nothing. It stands in wherever a logger cannot be had.
class CVexNullLogger final : public vex::Component<CVexNullLogger, IVexLogger, IVexLoggerGroup> {
 public:
  static constexpr const char* kName = "null_session";

  constexpr CVexNullLogger() = default;

  vex::Result query_interface(const char* iid, void** out) override;
  void destroy() override {}

  const char* name() const override { return kName; }
  vex::Result add_sink(IVexLogSink*) override { return vex::kOk; }
  void set_levels(std::uint32_t) override {}
  std::uint32_t levels() const override { return 0; }
  void set_indent(std::uint32_t) override {}
  std::uint32_t indent() const override { return 0; }
  vex::Result set_format(std::int32_t) override { return vex::kOk; }
  std::int32_t format() const override { return 0; }
  vex::Result set_radix(std::int32_t) override { return vex::kOk; }
  std::int32_t radix() const override { return 10; }
  vex::Result reserved(void*, void*) override { return vex::kOk; }
  [[gnu::format(printf, 3, 4)]] vex::Result log(std::uint32_t, const char*, ...) override {
    return vex::kOk;
  }
  [[gnu::format(printf, 3, 0)]] vex::Result log_v(std::uint32_t, const char*, va_list) override {
    return vex::kOk;
  }

  vex::Result attach(IVexLogger*) override { return vex::kOk; }
  vex::Result detach(IVexLogger*) override { return vex::kOk; }
};

CVexNullLogger* vex_null_logger() noexcept;
