#include "logging/root_logger.h"

#include <algorithm>

vex::Result CVexRootLogger::query_interface(const char* iid, void** out) {
  IVexLogger* logger = this;
  IVexLoggerAdmin* admin = this;
  IVexLoggerGroup* group = this;
  return vex::answer_query(iid, out,
                           {{vex::kIidBase, static_cast<IVexInterface*>(logger)},
                            {vex::kIidLogger, logger},
                            {vex::kIidLoggerAdmin, admin},
                            {vex::kIidLoggerGroup, group},
                            {vex::kIidRootLoggerGroup, group}});
}

template <class Change>
void CVexRootLogger::change_all(Change&& change) {
  for (IVexLogger* logger : attached_) change(*logger);
}

vex::Result CVexRootLogger::add_sink(IVexLogSink* sink) {
  if (sink == nullptr) return vex::kInvalidArgument;
  std::lock_guard<std::mutex> lock(mutex_);
  if (!settings_.add_sink(sink)) return vex::kOk;
  vex::Result result = vex::kOk;
  change_all([&](IVexLogger& logger) {
    const vex::Result added = logger.add_sink(sink);
    if (added != vex::kOk) result = added;
  });
  return result;
}

void CVexRootLogger::set_levels(std::uint32_t mask) {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.levels = mask;
  change_all([mask](IVexLogger& logger) { logger.set_levels(mask); });
}

std::uint32_t CVexRootLogger::levels() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.levels;
}

void CVexRootLogger::set_indent(std::uint32_t count) {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.set_indent(count);
  change_all([count](IVexLogger& logger) { logger.set_indent(count); });
}

std::uint32_t CVexRootLogger::indent() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.indent();
}

vex::Result CVexRootLogger::set_format(std::int32_t flags) {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.format = flags;
  change_all([flags](IVexLogger& logger) { logger.set_format(flags); });
  return vex::kOk;
}

std::int32_t CVexRootLogger::format() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.format;
}

// Stored unchecked; each logger keeps its radix when it refuses the value.
vex::Result CVexRootLogger::set_radix(std::int32_t radix) {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.radix = radix;
  change_all([radix](IVexLogger& logger) { logger.set_radix(radix); });
  return vex::kOk;
}

std::int32_t CVexRootLogger::radix() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return settings_.radix;
}

void CVexRootLogger::reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  settings_.reset();
  change_all([](IVexLogger& logger) {
    if (auto* admin = vex::query_view<IVexLoggerAdmin>(&logger, vex::kIidLoggerAdmin)) {
      admin->reset();
    }
  });
}

vex::Result CVexRootLogger::attach(IVexLogger* logger) {
  if (logger == nullptr || logger == this) return vex::kInvalidArgument;
  std::lock_guard<std::mutex> lock(mutex_);
  if (std::find(attached_.begin(), attached_.end(), logger) != attached_.end()) return vex::kOk;
  logger->set_levels(settings_.levels);
  logger->set_format(settings_.format);
  logger->set_radix(settings_.radix);
  logger->set_indent(settings_.indent());
  vex::Result result = vex::kOk;
  for (IVexLogSink* sink : settings_.sinks()) {
    const vex::Result added = logger->add_sink(sink);
    if (added != vex::kOk) result = added;
  }
  if (result != vex::kOk) return result;
  attached_.push_back(logger);
  return vex::kOk;
}

vex::Result CVexRootLogger::detach(IVexLogger* logger) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = std::find(attached_.begin(), attached_.end(), logger);
  if (found == attached_.end()) return vex::kNotFound;
  attached_.erase(found);
  return vex::kOk;
}

void CVexRootLogger::detach_all() {
  std::lock_guard<std::mutex> lock(mutex_);
  attached_.clear();
}
