#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "logging/log_sink.h"
#include "logging/logger.h"
#include "logging/logger_views.h"
#include "logging/root_logger.h"
#include "logging/vex_log.h"

// The process-wide logging service: it owns every logger and every sink made
// through it, and its root logger "All" carries the settings all loggers
// share. Loggers and sinks it answers are lent. Its lock guards the lists and
// is taken before the root's, a logger's and a file sink's.
class CVexLogService {
 public:
  CVexLogService();
  ~CVexLogService();
  CVexLogService(const CVexLogService&) = delete;
  CVexLogService& operator=(const CVexLogService&) = delete;

  // The logger of this name, made and attached to the root (and given `sink`)
  // on first use. Without a name -2, without memory -3: the null logger.
  IVexLogger* get_or_create_logger(const char* name, IVexLogSink* sink, vex::Result* result);
  // The group view of the named logger: -2 and the null logger's without a
  // name, -1 and null when it has none, -6 and null when there is no such logger.
  IVexLoggerGroup* get_logger_group(const char* name, vex::Result* result);
  IVexLogger* get_logger(const char* name, vex::Result* result);
  // The listed sink of this name when its kind matches (else the null sink of
  // `kind`), or a new one of `kind` with this name; null for a kind without factory.
  IVexLogSink* get_sink(const char* kind, const char* name);
  // The listed sink of this name, else the null console sink (-2 without a name).
  IVexLogSink* find_sink(const char* name, vex::Result* result);
  vex::Result register_sink_factory(std::unique_ptr<IVexLogSinkFactory> factory);
  // Destroys every sink made through the service, drops every logger and
  // restores the root's defaults. Dropped loggers stay valid, silent and
  // detached until the service itself goes, so no holder is left dangling.
  void reset();

  // Changes on every reset; logger handles fetch again when it moves.
  std::uint32_t generation() const noexcept { return generation_.load(std::memory_order_acquire); }

 private:
  IVexLogger* find_logger(const char* name);
  IVexLogger* create_logger(const char* name, IVexLogSink* sink, vex::Result* result);
  IVexLogSink* find_listed_sink(const char* name);
  void clear();

  std::mutex mutex_;
  std::vector<vex::Owned<CVexLogger>> loggers_;  // after the root, in creation order
  std::vector<vex::Owned<IVexLogSink>> sinks_;
  std::vector<std::unique_ptr<IVexLogSinkFactory>> factories_;
  CVexRootLogger root_;
  std::vector<vex::Owned<CVexLogger>> retired_;
  std::atomic<std::uint32_t> generation_{0};
};

// The service, built on first use; null once the library is being unloaded.
CVexLogService* vex_log_service();
