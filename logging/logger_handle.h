#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "logging/vex_log.h"

// A static name for one logger of the service. get fetches the logger on
// first use and again after the service was reset; it never answers null.
class CVexLoggerHandle {
 public:
  explicit constexpr CVexLoggerHandle(const char* name) : name_(name) {}
  CVexLoggerHandle(const CVexLoggerHandle&) = delete;
  CVexLoggerHandle& operator=(const CVexLoggerHandle&) = delete;

  IVexLogger* get();
  const char* name() const noexcept { return name_; }

 private:
  const char* const name_;
  std::mutex mutex_;
  std::atomic<IVexLogger*> logger_{nullptr};
  std::atomic<std::uint32_t> generation_{0};
};
