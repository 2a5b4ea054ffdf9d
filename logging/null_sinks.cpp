#include "logging/null_sinks.h"

#include <cstring>

#include "logging/file_sink.h"
#include "logging/no_destroy.h"

namespace {

constinit vex::NoDestroy<CVexNullFileLogSink> null_file_sink;
constinit vex::NoDestroy<CVexNullConsoleLogSink> null_console_sink;

}  // namespace

vex::Result CVexNullFileLogSink::query_interface(const char* iid, void** out) {
  return vex::answer_file_sink_query(this, iid, out);
}

vex::Result CVexNullConsoleLogSink::query_interface(const char* iid, void** out) {
  return vex::answer_sink_query(this, iid, out);
}

CVexNullFileLogSink* vex_null_file_sink() noexcept { return &null_file_sink.value; }

CVexNullConsoleLogSink* vex_null_console_sink() noexcept { return &null_console_sink.value; }

IVexLogSink* vex_null_sink_of_kind(const char* kind) noexcept {
  if (kind != nullptr && std::strcmp(kind, CVexFileLogSink::kKind) == 0)
    return vex_null_file_sink();
  return vex_null_console_sink();
}
