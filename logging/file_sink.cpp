#include "logging/file_sink.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr mode_t kFileMode = 0644;
constexpr std::size_t kLineEndLength = std::char_traits<char>::length(CVexFileLogSink::kLineEnd);

vex::UniqueFd open_file(const std::string& path, int mode_flags) {
  return vex::UniqueFd(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | mode_flags, kFileMode));
}

// Writes both parts completely; false when the system refuses.
bool write_all(int fd, const char* line, std::size_t length) {
  iovec parts[2] = {{const_cast<char*>(line), length},
                    {const_cast<char*>(CVexFileLogSink::kLineEnd), kLineEndLength}};
  iovec* next = parts;
  int count = 2;
  while (count > 0) {
    const ssize_t written = ::writev(fd, next, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    auto left = static_cast<std::size_t>(written);
    while (count > 0 && left >= next->iov_len) {
      left -= next->iov_len;
      ++next;
      --count;
    }
    if (count > 0) {
      next->iov_base = static_cast<char*>(next->iov_base) + left;
      next->iov_len -= left;
    }
  }
  return true;
}

}  // namespace

vex::Result CVexFileLogSink::query_interface(const char* iid, void** out) {
  return vex::answer_file_sink_query(this, iid, out);
}

bool CVexFileLogSink::set_max_size(std::size_t bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  max_size_ = bytes;
  return true;
}

vex::Result CVexFileLogSink::set_path(const char* path) {
  if (path == nullptr) return vex::kInvalidArgument;
  std::lock_guard<std::mutex> lock(mutex_);
  path_ = path;
  file_.reset();  // the next line opens the new path
  return vex::kOk;
}

vex::Result CVexFileLogSink::open_for_append() {
  if (path_.empty()) return vex::kCannotLoad;
  vex::UniqueFd file = open_file(path_, O_APPEND);
  struct stat status {};
  if (!file.valid() || ::fstat(file.get(), &status) != 0) return vex::kCannotLoad;
  file_ = std::move(file);
  current_size_ = static_cast<std::size_t>(status.st_size);
  return vex::kOk;
}

vex::Result CVexFileLogSink::rotate() {
  file_.reset();
  const std::string backup = path_ + kBackupSuffix;
  if (::access(path_.c_str(), F_OK) == 0) {
    ::unlink(backup.c_str());
    ::rename(path_.c_str(), backup.c_str());
  }
  vex::UniqueFd file = open_file(path_, O_TRUNC | O_APPEND);
  if (!file.valid()) return vex::kCannotLoad;
  file_ = std::move(file);
  current_size_ = 0;
  return vex::kOk;
}

vex::Result CVexFileLogSink::write(const char* line) {
  if (line == nullptr) line = "";
  std::lock_guard<std::mutex> lock(mutex_);
  if (!file_.valid()) {
    const vex::Result opened = open_for_append();
    if (opened != vex::kOk) return opened;
  }
  const std::size_t length = std::strlen(line);
  const std::size_t needed = length + kLineEndLength;
  if (needed > max_size_) return vex::kValueMissing;
  if (current_size_ + needed > max_size_) {
    const vex::Result rotated = rotate();
    if (rotated != vex::kOk) return rotated;
  }
  if (!write_all(file_.get(), line, length)) {
    file_.reset();  // reopened, and measured again, by the next line
    return vex::kFailed;
  }
  current_size_ += needed;
  return vex::kOk;
}
