#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logging/vex_log.h"

namespace vex {

// The settings a logger carries and the root hands on: level mask,
// indentation, format flags, radix and the attached sinks (lent).
class LoggerSettings {
 public:
  static constexpr std::int32_t kDefaultRadix = 10;

  // False when a sink of the same name is attached already.
  bool add_sink(IVexLogSink* sink);
  void set_indent(std::uint32_t count);
  void reset();

  std::uint32_t levels = 0;
  std::int32_t format = kLogDefaultFormat;
  std::int32_t radix = kDefaultRadix;
  std::uint32_t indent() const noexcept { return indent_; }
  const char* indent_text() const noexcept { return indent_text_.c_str(); }
  const std::vector<IVexLogSink*>& sinks() const noexcept { return sinks_; }

 private:
  std::uint32_t indent_ = 0;
  std::string indent_text_;
  std::vector<IVexLogSink*> sinks_;
};

}  // namespace vex
