#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logging/log_service.h"
#include "logging/log_sink.h"
#include "logging/vex_log.h"

namespace vex::test {

// Length of the fields before the level text: time stamp, ids, name.
inline constexpr std::size_t kLineHeaderLength = 23 + 2 + 8 + 2 + 8 + 2 + 16 + 2;
inline constexpr std::size_t kLevelTextLength = 7;

// A sink that keeps the lines it is given and answers a chosen result.
class MemorySink final : public Component<MemorySink, IVexLogSink> {
 public:
  explicit MemorySink(std::string name = "memory", Result answer = kOk)
      : name_(std::move(name)), answer_(answer) {}

  Result query_interface(const char* iid, void** out) override {
    return answer_sink_query(this, iid, out);
  }
  void destroy() override {}
  const char* kind() const override { return "memory"; }
  const char* name() const override { return name_.c_str(); }
  Result write(const char* line) override {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.emplace_back(line);
    return answer_;
  }

  std::vector<std::string> lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
  }
  void clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
  }
  // The messages of lines written with a single-bit level and no indentation.
  std::vector<std::string> messages() const {
    std::vector<std::string> result;
    for (const std::string& line : lines()) {
      result.push_back(line.size() >= kLineHeaderLength + kLevelTextLength
                           ? line.substr(kLineHeaderLength + kLevelTextLength)
                           : line);
    }
    return result;
  }

 private:
  const std::string name_;
  const Result answer_;
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

// Returns the logging service to its silent start when the test ends.
struct ServiceReset {
  ServiceReset() = default;
  ServiceReset(const ServiceReset&) = delete;
  ServiceReset& operator=(const ServiceReset&) = delete;
  ~ServiceReset() { vex_log_service()->reset(); }
};

// Captures what one named logger writes at the given levels.
class LogCapture {
 public:
  explicit LogCapture(const char* logger_name, std::uint32_t levels = kLogAll) {
    IVexLogger* logger = vex_log_service()->get_logger(logger_name, nullptr);
    logger->set_levels(levels);
    logger->add_sink(&sink_);
  }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::vector<std::string> messages() const { return sink_.messages(); }
  std::vector<std::string> lines() const { return sink_.lines(); }
  void clear() { sink_.clear(); }
  bool contains(std::string_view message) const {
    for (const std::string& written : messages()) {
      if (written == message) return true;
    }
    return false;
  }

 private:
  MemorySink sink_{"capture"};
  ServiceReset reset_;  // destroyed first: the loggers let go of the sink before it goes
};

}  // namespace vex::test
