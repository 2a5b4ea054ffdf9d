#pragma once

#include <cstddef>

#include "framework/result_codes.h"
#include "logging/vex_interface.h"

// A place lines go to.
class IVexLogSink : public IVexInterface {
 public:
  virtual const char* kind() const = 0;
  virtual const char* name() const = 0;
  // Writes one line; the sink adds the line end.
  virtual vex::Result write(const char* line) = 0;
};

// A size-limited file with one backup, "<path>.bak".
class IVexFileLogSink : public IVexLogSink {
 public:
  virtual bool set_max_size(std::size_t bytes) = 0;
  virtual vex::Result set_path(const char* path) = 0;
};

// Key-value settings a sink factory may read.
class IVexLogPropertySource {
 public:
  // Whether `key` exists; value() then answers its text (null when it is not text).
  virtual bool find(const char* key) = 0;
  virtual const char* value() = 0;
  virtual ~IVexLogPropertySource() = default;
};

// Makes sinks of one kind. The caller owns what create answers and destroys
// it; the process-wide null sinks a factory falls back to ignore that.
class IVexLogSinkFactory {
 public:
  virtual IVexLogSink* create(const char* name, IVexLogPropertySource* properties) = 0;
  virtual const char* kind() const = 0;
  virtual ~IVexLogSinkFactory() = default;
};

namespace vex {

// The query of a sink: the base and sink identifiers.
inline Result answer_sink_query(IVexLogSink* sink, const char* iid, void** out) {
  return answer_query(iid, out,
                      {{kIidBase, static_cast<IVexInterface*>(sink)}, {kIidLogSink, sink}});
}

// The query of a file sink: the base, sink and file sink identifiers.
inline Result answer_file_sink_query(IVexFileLogSink* file, const char* iid, void** out) {
  IVexLogSink* sink = file;
  return answer_query(iid, out,
                      {{kIidBase, static_cast<IVexInterface*>(sink)},
                       {kIidLogSink, sink},
                       {kIidFileLogSink, file}});
}

}  // namespace vex
