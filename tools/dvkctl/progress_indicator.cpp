#include "tools/dvkctl/progress_indicator.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace dvkctl {
namespace {

constexpr char kSpinner[] = {'|', '/', '-', '\\'};
constexpr const char* kClearLine = "\r\033[K";

double seconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

}  // namespace

std::chrono::milliseconds expected_wait(std::uint32_t timeout_ms, std::uint32_t retries) noexcept {
  // Fits in 64 unsigned bits; held to what milliseconds can count.
  const std::uint64_t total = std::uint64_t{timeout_ms} * (std::uint64_t{retries} + 1);
  const auto most = static_cast<std::uint64_t>(std::chrono::milliseconds::max().count());
  return std::chrono::milliseconds(static_cast<std::int64_t>(std::min(total, most)));
}

ProgressIndicator::ProgressIndicator(int fd, std::string what, std::chrono::milliseconds expected)
    : fd_(fd),
      what_(std::move(what)),
      expected_(expected),
      thread_([this](const std::stop_token& stop) { run(stop); }) {}

ProgressIndicator::~ProgressIndicator() {
  thread_.request_stop();
  if (thread_.joinable()) thread_.join();
  write_text(kClearLine);
}

void ProgressIndicator::run(const std::stop_token& stop) {
  // The first frame is drawn even when the wait is over before the thread ran.
  std::unique_lock lock(mutex_);
  for (unsigned frame = 0;; ++frame) {
    draw(frame, std::chrono::steady_clock::now() - start_);
    wake_.wait_for(lock, stop, kRedrawInterval, [] { return false; });
    if (stop.stop_requested()) return;
  }
}

void ProgressIndicator::draw(unsigned frame, std::chrono::steady_clock::duration waited) const {
  char line[160];
  std::snprintf(line, sizeof line, "\r%c %s: %.1f s of at most %.1f s", kSpinner[frame % 4],
                what_.c_str(), seconds(waited), seconds(expected_));
  write_text(line);
}

void ProgressIndicator::write_text(const std::string& text) const noexcept {
  const char* data = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, data, left);
    if (written <= 0) return;  // the indicator is a courtesy; never fail over it
    data += written;
    left -= static_cast<std::size_t>(written);
  }
}

}  // namespace dvkctl
