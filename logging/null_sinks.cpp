#include "logging/null_sinks.h"

#include <cstring>

#include "logging/file_sink.h"
#include "logging/no_destroy.h"

namespace {

constinit vex::NoDestroy<CVexNullFileLogSink> null_file_sink;
constinit vex::NoDestroy<CVexNullConsoleLogSink> null_console_sink;

}  // namespace

vex::Result CVexNullFileLogSink::query_interface(const char* iid, void** out) {
  IVexFileLogSink* file = this;
  IVexLogSink* sink = file;
  return vex::answer_query(iid, out,
                           {{vex::kIidBase, static_cast<IVexInterface*>(sink)},
                            {vex::kIidLogSink, sink},
                            {vex::kIidFileLogSink, file}});
}

vex::Result CVexNullFileLogSink::query_interface2(const char* iid, void** out) {
  return query_interface(iid, out);
}

vex::Result CVexNullConsoleLogSink::query_interface(const char* iid, void** out) {
  IVexLogSink* sink = this;
  return vex::answer_query(
      iid, out, {{vex::kIidBase, static_cast<IVexInterface*>(sink)}, {vex::kIidLogSink, sink}});
}

vex::Result CVexNullConsoleLogSink::query_interface2(const char* iid, void** out) {
  return query_interface(iid, out);
}

CVexNullFileLogSink* vex_null_file_sink() noexcept { return &null_file_sink.value; }

CVexNullConsoleLogSink* vex_null_console_sink() noexcept { return &null_console_sink.value; }

IVexLogSink* vex_null_sink_of_kind(const char* kind) noexcept {
  if (kind != nullptr && std::strcmp(kind, CVexFileLogSink::kKind) == 0)
    return vex_null_file_sink();
  return vex_null_console_sink();
}
