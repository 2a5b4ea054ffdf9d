#pragma once

#include "logging/log_sink.h"

// The process-wide sinks that discard every line. destroy leaves them usable.
class CVexNullFileLogSink final : public vex::Component<CVexNullFileLogSink, IVexFileLogSink> {
 public:
  static constexpr const char* kName = "null_file";

  constexpr CVexNullFileLogSink() = default;

  vex::Result query_interface(const char* iid, void** out) override;
  void destroy() override {}

  const char* kind() const override { return kName; }
  const char* name() const override { return kName; }
  vex::Result write(const char*) override { return vex::kOk; }
  bool set_max_size(std::size_t) override { return true; }
  vex::Result set_path(const char*) override { return vex::kOk; }
};

class CVexNullConsoleLogSink final : public vex::Component<CVexNullConsoleLogSink, IVexLogSink> {
 public:
  static constexpr const char* kName = "null_standard";

  constexpr CVexNullConsoleLogSink() = default;

  vex::Result query_interface(const char* iid, void** out) override;
  void destroy() override {}

  const char* kind() const override { return kName; }
  const char* name() const override { return kName; }
  vex::Result write(const char*) override { return vex::kOk; }
};

CVexNullFileLogSink* vex_null_file_sink() noexcept;
CVexNullConsoleLogSink* vex_null_console_sink() noexcept;

// The null sink standing in for a sink of `kind`: the null file sink for
// "file", the null console sink for any other kind or none.
IVexLogSink* vex_null_sink_of_kind(const char* kind) noexcept;
