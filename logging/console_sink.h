#pragma once

#include <string>

#include "logging/log_sink.h"

// Prints each line with a line feed on standard output and flushes it.
class CVexConsoleLogSink final : public vex::Component<CVexConsoleLogSink, IVexLogSink> {
 public:
  static constexpr const char* kKind = "stdout";

  explicit CVexConsoleLogSink(const char* name) : name_(name) {}

  vex::Result query_interface(const char* iid, void** out) override;
  void destroy() override { delete this; }

  const char* kind() const override { return kKind; }
  const char* name() const override { return name_.c_str(); }
  vex::Result write(const char* line) override;

 private:
  const std::string name_;
};
