#include "logging/logger_settings.h"

#include <algorithm>
#include <cstring>

#include "logging/line_format.h"
#include "logging/log_sink.h"

namespace vex {
namespace {

constexpr std::size_t kSpacesPerIndent = 4;

const char* text_or_empty(const char* text) noexcept { return text != nullptr ? text : ""; }

}  // namespace

bool LoggerSettings::add_sink(IVexLogSink* sink) {
  const bool attached = std::any_of(sinks_.begin(), sinks_.end(), [sink](IVexLogSink* present) {
    return std::strcmp(text_or_empty(present->name()), text_or_empty(sink->name())) == 0;
  });
  if (attached) return false;
  sinks_.push_back(sink);
  return true;
}

void LoggerSettings::set_indent(std::uint32_t count) {
  indent_ = count;
  // The text can never show more than a line holds, whatever count says.
  const std::size_t spaces =
      std::min<std::size_t>(static_cast<std::size_t>(count) * kSpacesPerIndent, kLogLineSize - 1);
  indent_text_.assign(spaces, ' ');
}

void LoggerSettings::reset() {
  levels = 0;
  format = kLogDefaultFormat;
  radix = kDefaultRadix;
  set_indent(0);
  sinks_.clear();
}

}  // namespace vex
