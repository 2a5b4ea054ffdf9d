#include "logging/console_sink.h"

#include <cstdio>

vex::Result CVexConsoleLogSink::query_interface(const char* iid, void** out) {
  return vex::answer_sink_query(this, iid, out);
}

// One call, so the stream's own lock keeps lines of different loggers whole.
vex::Result CVexConsoleLogSink::write(const char* line) {
  std::fprintf(stdout, "%s\n", line != nullptr ? line : "");
  std::fflush(stdout);
  return vex::kOk;
}
