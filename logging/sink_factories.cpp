#include "logging/sink_factories.h"

#include <new>

#include "framework/ownership.h"
#include "logging/console_sink.h"
#include "logging/file_sink.h"
#include "logging/null_sinks.h"

namespace vex {
namespace {

class ConsoleSinkFactory final : public IVexLogSinkFactory {
 public:
  IVexLogSink* create(const char* name, IVexLogPropertySource*) override {
    if (name == nullptr) return vex_null_console_sink();
    IVexLogSink* sink = new (std::nothrow) CVexConsoleLogSink(name);
    return sink != nullptr ? sink : vex_null_console_sink();
  }
  const char* kind() const override { return CVexConsoleLogSink::kKind; }
};

class FileSinkFactory final : public IVexLogSinkFactory {
 public:
  IVexLogSink* create(const char* name, IVexLogPropertySource* properties) override {
    if (name == nullptr) return vex_null_file_sink();
    Owned<CVexFileLogSink> sink(new (std::nothrow) CVexFileLogSink(name));
    if (sink == nullptr) return vex_null_file_sink();
    if (properties != nullptr) {
      const char* path = properties->find(kFileSinkPathProperty) ? properties->value() : nullptr;
      if (path == nullptr) return vex_null_file_sink();
      sink->set_path(path);
    }
    return sink.release();
  }
  const char* kind() const override { return CVexFileLogSink::kKind; }
};

}  // namespace

std::unique_ptr<IVexLogSinkFactory> make_console_sink_factory() {
  return std::make_unique<ConsoleSinkFactory>();
}

std::unique_ptr<IVexLogSinkFactory> make_file_sink_factory() {
  return std::make_unique<FileSinkFactory>();
}

}  // namespace vex
