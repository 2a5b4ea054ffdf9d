#pragma once

#include <cstddef>
#include <mutex>
#include <string>

#include "logging/log_sink.h"
#include "logging/unique_fd.h"

// Appends lines to a file that never grows past its maximum size: a line that
// would overflow it first moves the file to "<path>.bak" (replacing an older
// backup) and starts it afresh. Its lock serialises write and the setters.
class CVexFileLogSink final : public vex::Component<CVexFileLogSink, IVexFileLogSink> {
 public:
  static constexpr const char* kKind = "file";
  static constexpr std::size_t kDefaultMaxSize = 0x400000;
  static constexpr const char* kBackupSuffix = ".bak";
  // The line end as the file stores it; counted against the maximum size.
  static constexpr const char* kLineEnd = "\n";

  explicit CVexFileLogSink(const char* name) : name_(name) {}

  vex::Result query_interface(const char* iid, void** out) override;
  void destroy() override { delete this; }

  const char* kind() const override { return kKind; }
  const char* name() const override { return name_.c_str(); }
  // 0; -10 when the file cannot be opened, -7 for a line that can never fit,
  // -1 when writing fails.
  vex::Result write(const char* line) override;
  bool set_max_size(std::size_t bytes) override;
  vex::Result set_path(const char* path) override;

 private:
  vex::Result open_for_append();
  vex::Result rotate();

  const std::string name_;
  std::mutex mutex_;
  std::string path_;
  vex::UniqueFd file_;
  std::size_t max_size_ = kDefaultMaxSize;
  std::size_t current_size_ = 0;
};
