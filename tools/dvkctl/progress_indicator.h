#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

namespace dvkctl {

// How long a call waits at most when nothing answers: the time-out of the
// first request and of every retry.
std::chrono::milliseconds expected_wait(std::uint32_t timeout_ms, std::uint32_t retries) noexcept;

// A one-line indicator on a terminal while the calling thread blocks: a
// spinner and the time waited against `expected`, redrawn a few times a
// second by a thread of its own; the line is cleared when the object goes.
class ProgressIndicator {
 public:
  static constexpr std::chrono::milliseconds kRedrawInterval{100};

  ProgressIndicator(int fd, std::string what, std::chrono::milliseconds expected);
  ProgressIndicator(const ProgressIndicator&) = delete;
  ProgressIndicator& operator=(const ProgressIndicator&) = delete;
  ~ProgressIndicator();

 private:
  void run(const std::stop_token& stop);
  void draw(unsigned frame, std::chrono::steady_clock::duration waited) const;
  void write_text(const std::string& text) const noexcept;

  const int fd_;
  const std::string what_;
  const std::chrono::milliseconds expected_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::jthread thread_;  // last: it starts once everything above is ready
};

}  // namespace dvkctl
