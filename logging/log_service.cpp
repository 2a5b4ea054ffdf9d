#include "logging/log_service.h"

#include <cstring>
#include <new>

#include "framework/creator.h"
#include "logging/null_logger.h"
#include "logging/null_sinks.h"
#include "logging/sink_factories.h"

namespace {

bool same_text(const char* a, const char* b) noexcept {
  return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

// Holds the service from first use to unload. After its destructor has run
// the accessor answers null instead of building the service again.
class ServiceHolder {
 public:
  constexpr ServiceHolder() = default;
  ServiceHolder(const ServiceHolder&) = delete;
  ServiceHolder& operator=(const ServiceHolder&) = delete;

  ~ServiceHolder() {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    instance_.store(nullptr, std::memory_order_release);
    owner_.reset();
  }

  CVexLogService* get() {
    CVexLogService* current = instance_.load(std::memory_order_acquire);
    if (current != nullptr) return current;
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) return nullptr;
    current = instance_.load(std::memory_order_relaxed);
    if (current == nullptr) {
      owner_ = std::make_unique<CVexLogService>();
      current = owner_.get();
      instance_.store(current, std::memory_order_release);
    }
    return current;
  }

 private:
  std::mutex mutex_;
  bool closed_ = false;
  std::unique_ptr<CVexLogService> owner_;
  std::atomic<CVexLogService*> instance_{nullptr};
};

constinit ServiceHolder service_holder;

}  // namespace

CVexLogService* vex_log_service() { return service_holder.get(); }

CVexLogService::CVexLogService() {
  factories_.push_back(vex::make_console_sink_factory());
  factories_.push_back(vex::make_file_sink_factory());
}

CVexLogService::~CVexLogService() {
  std::lock_guard<std::mutex> lock(mutex_);
  clear();
  retired_.clear();
}

IVexLogger* CVexLogService::find_logger(const char* name) {
  if (same_text(name, root_.name())) return &root_;
  for (const vex::Owned<CVexLogger>& logger : loggers_) {
    if (same_text(name, logger->name())) return logger.get();
  }
  return nullptr;
}

IVexLogger* CVexLogService::get_or_create_logger(const char* name, IVexLogSink* sink,
                                                 vex::Result* result) {
  vex::ResultOut out(result);
  if (name == nullptr) {
    out = vex::kInvalidArgument;
    return vex_null_logger();
  }
  std::lock_guard<std::mutex> lock(mutex_);
  if (IVexLogger* found = find_logger(name)) {
    out = vex::kOk;
    return found;
  }
  return create_logger(name, sink, result);
}

IVexLogger* CVexLogService::create_logger(const char* name, IVexLogSink* sink,
                                          vex::Result* result) {
  vex::ResultOut out(result);
  try {
    vex::Owned<CVexLogger> logger(new CVexLogger(name));
    vex::Result step = root_.attach(logger.get());
    if (step == vex::kOk && sink != nullptr) step = logger->add_sink(sink);
    if (step == vex::kOk) {
      loggers_.push_back(std::move(logger));
      out = vex::kOk;
      return loggers_.back().get();
    }
    root_.detach(logger.get());
    out = step;
  } catch (const std::bad_alloc&) {
    out = vex::kOutOfMemory;
  }
  return vex_null_logger();
}

IVexLoggerGroup* CVexLogService::get_logger_group(const char* name, vex::Result* result) {
  vex::ResultOut out(result);
  if (name == nullptr) {
    out = vex::kInvalidArgument;
    return vex_null_logger();
  }
  std::lock_guard<std::mutex> lock(mutex_);
  IVexLogger* logger = find_logger(name);
  if (logger == nullptr) {
    out = vex::kNotFound;
    return nullptr;
  }
  auto* group = vex::query_view<IVexLoggerGroup>(logger, vex::kIidLoggerGroup);
  out = group != nullptr ? vex::kOk : vex::kFailed;
  return group;
}

IVexLogger* CVexLogService::get_logger(const char* name, vex::Result* result) {
  return get_or_create_logger(name, nullptr, result);
}

IVexLogSink* CVexLogService::find_listed_sink(const char* name) {
  for (const vex::Owned<IVexLogSink>& sink : sinks_) {
    if (same_text(name, sink->name())) return sink.get();
  }
  return nullptr;
}

IVexLogSink* CVexLogService::get_sink(const char* kind, const char* name) {
  if (kind == nullptr || name == nullptr) return vex_null_sink_of_kind(kind);
  std::lock_guard<std::mutex> lock(mutex_);
  if (IVexLogSink* listed = find_listed_sink(name)) {
    return same_text(listed->kind(), kind) ? listed : vex_null_sink_of_kind(kind);
  }
  for (const std::unique_ptr<IVexLogSinkFactory>& factory : factories_) {
    if (!same_text(factory->kind(), kind)) continue;
    vex::Owned<IVexLogSink> sink(factory->create(name, nullptr));
    IVexLogSink* made = sink.get();
    // The null sinks a factory falls back to are process-wide, never listed.
    if (made == nullptr || made == vex_null_file_sink() || made == vex_null_console_sink()) {
      return made;
    }
    try {
      sinks_.push_back(std::move(sink));
    } catch (const std::bad_alloc&) {
      return vex_null_sink_of_kind(kind);
    }
    return made;
  }
  return nullptr;
}

IVexLogSink* CVexLogService::find_sink(const char* name, vex::Result* result) {
  vex::ResultOut out(result);
  if (name == nullptr) {
    out = vex::kInvalidArgument;
    return vex_null_console_sink();
  }
  std::lock_guard<std::mutex> lock(mutex_);
  out = vex::kOk;
  IVexLogSink* listed = find_listed_sink(name);
  return listed != nullptr ? listed : vex_null_console_sink();
}

vex::Result CVexLogService::register_sink_factory(std::unique_ptr<IVexLogSinkFactory> factory) {
  if (factory == nullptr) return vex::kInvalidArgument;
  std::lock_guard<std::mutex> lock(mutex_);
  factories_.push_back(std::move(factory));
  return vex::kOk;
}

void CVexLogService::reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  clear();
  generation_.fetch_add(1, std::memory_order_acq_rel);
}

// Every logger and the root let go of their sinks before the sinks are destroyed.
void CVexLogService::clear() {
  root_.detach_all();
  for (vex::Owned<CVexLogger>& logger : loggers_) {
    logger->reset();
    retired_.push_back(std::move(logger));
  }
  loggers_.clear();
  root_.reset();
  sinks_.clear();
}
