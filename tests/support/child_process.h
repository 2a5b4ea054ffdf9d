#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vex::test {

struct SpawnOptions {
  std::vector<std::string> argv{};  // argv[0] is the program's absolute path
  std::string netns{};              // network namespace (name under /run/netns); empty: ours
  std::string output_path{};        // standard output and error go here; empty: /dev/null
  bool pipe_stdout = false;         // standard output is read with read_line instead
};

// A child process started with fork and exec. It receives SIGTERM when the
// thread that started it ends, so a crashed test leaves no process behind;
// start long-lived children from the test's main thread. The destructor
// stops a child that still runs.
class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ~ChildProcess();

  // Starts the child; on failure returns an empty object and fills *error.
  static ChildProcess spawn(const SpawnOptions& options, std::string* error);

  bool started() const noexcept { return pid_ > 0; }
  pid_t pid() const noexcept { return pid_; }
  bool running();
  // One line of the child's standard output (pipe_stdout), without the
  // newline; nothing when the time runs out or the child closed its output.
  std::optional<std::string> read_line(std::chrono::milliseconds timeout);
  // SIGTERM, then SIGKILL after `grace`; returns the wait status (-1 if none).
  int stop(std::chrono::milliseconds grace = std::chrono::milliseconds(2000));
  // Waits at most `timeout` for the child to end by itself.
  std::optional<int> wait_for(std::chrono::milliseconds timeout);

 private:
  void close_output() noexcept;

  pid_t pid_ = -1;
  int output_fd_ = -1;
  std::string pending_;
  int status_ = -1;
};

struct CommandResult {
  int exit_code = -1;    // -1 when the command could not run or was stopped
  std::string output{};  // standard output and error
};

// Runs a command to its end (at most `timeout`) and collects its output.
CommandResult run_command(const std::vector<std::string>& argv, const std::string& netns = {},
                          std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

}  // namespace vex::test
