#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

namespace vex::test {
namespace {

using Clock = std::chrono::steady_clock;

class Fd {
 public:
  explicit Fd(int fd = -1) noexcept : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd& operator=(Fd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const noexcept { return fd_; }
  int release() noexcept { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

std::string os_error(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

int remaining_ms(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void exec_child(char* const* argv, int netns_fd, int output_fd, pid_t parent) {
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (::getppid() != parent) ::_exit(126);
  if (netns_fd >= 0 && ::setns(netns_fd, CLONE_NEWNET) != 0) ::_exit(125);
  const int null_fd = ::open("/dev/null", O_RDWR);
  ::dup2(null_fd, STDIN_FILENO);
  ::dup2(output_fd >= 0 ? output_fd : null_fd, STDOUT_FILENO);
  ::dup2(output_fd >= 0 ? output_fd : null_fd, STDERR_FILENO);
  ::execv(argv[0], argv);
  ::_exit(127);
}

}  // namespace

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)),
      output_fd_(std::exchange(other.output_fd_, -1)),
      pending_(std::move(other.pending_)),
      status_(other.status_) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    stop();
    close_output();
    pid_ = std::exchange(other.pid_, -1);
    output_fd_ = std::exchange(other.output_fd_, -1);
    pending_ = std::move(other.pending_);
    status_ = other.status_;
  }
  return *this;
}

ChildProcess::~ChildProcess() {
  stop();
  close_output();
}

ChildProcess ChildProcess::spawn(const SpawnOptions& options, std::string* error) {
  ChildProcess child;
  if (options.argv.empty()) {
    *error = "no program";
    return child;
  }
  std::vector<std::string> words = options.argv;
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  Fd netns;
  if (!options.netns.empty()) {
    netns = Fd(::open(("/run/netns/" + options.netns).c_str(), O_RDONLY | O_CLOEXEC));
    if (netns.get() < 0) {
      *error = os_error(("network namespace " + options.netns).c_str());
      return child;
    }
  }
  Fd output;
  Fd read_end;
  if (options.pipe_stdout) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
      *error = os_error("pipe");
      return child;
    }
    read_end = Fd(ends[0]);
    output = Fd(ends[1]);
  } else if (!options.output_path.empty()) {
    output =
        Fd(::open(options.output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (output.get() < 0) {
      *error = os_error(options.output_path.c_str());
      return child;
    }
  }
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid < 0) {
    *error = os_error("fork");
    return child;
  }
  if (pid == 0) exec_child(argv.data(), netns.get(), output.get(), parent);
  child.pid_ = pid;
  child.output_fd_ = read_end.release();
  return child;
}

bool ChildProcess::running() {
  if (pid_ <= 0) return false;
  int status = 0;
  const pid_t done = ::waitpid(pid_, &status, WNOHANG);
  if (done == 0) return true;
  if (done == pid_) status_ = status;
  pid_ = -1;
  return false;
}

std::optional<int> ChildProcess::wait_for(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (running()) {
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return status_;
}

std::optional<std::string> ChildProcess::read_line(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (output_fd_ >= 0) {
    const auto newline = pending_.find('\n');
    if (newline != std::string::npos) {
      std::string line = pending_.substr(0, newline);
      pending_.erase(0, newline + 1);
      return line;
    }
    pollfd entry{output_fd_, POLLIN, 0};
    const int ready = ::poll(&entry, 1, remaining_ms(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    char chunk[4096];
    const ssize_t got = ::read(output_fd_, chunk, sizeof chunk);
    if (got <= 0) {
      close_output();
      if (pending_.empty()) break;
      return std::exchange(pending_, std::string());
    }
    pending_.append(chunk, static_cast<std::size_t>(got));
  }
  return std::nullopt;
}

int ChildProcess::stop(std::chrono::milliseconds grace) {
  if (!running()) return status_;
  ::kill(pid_, SIGTERM);
  if (!wait_for(grace)) {
    ::kill(pid_, SIGKILL);
    wait_for(std::chrono::milliseconds(2000));
  }
  return status_;
}

void ChildProcess::close_output() noexcept {
  if (output_fd_ >= 0) ::close(output_fd_);
  output_fd_ = -1;
}

CommandResult run_command(const std::vector<std::string>& argv, const std::string& netns,
                          std::chrono::milliseconds timeout) {
  CommandResult result;
  std::string error;
  ChildProcess child =
      ChildProcess::spawn(SpawnOptions{.argv = argv, .netns = netns, .pipe_stdout = true}, &error);
  if (!child.started()) {
    result.output = error;
    return result;
  }
  const auto deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    const auto line = child.read_line(
        std::chrono::milliseconds(remaining_ms(deadline) > 0 ? remaining_ms(deadline) : 1));
    if (!line) break;
    result.output += *line + "\n";
  }
  const auto status = child.wait_for(std::chrono::milliseconds(remaining_ms(deadline)));
  if (!status) {
    child.stop();
    result.output += "(stopped after the time-out)\n";
    return result;
  }
  result.exit_code = WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
  return result;
}

}  // namespace vex::test
