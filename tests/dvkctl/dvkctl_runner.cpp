#include "tests/dvkctl/dvkctl_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "tests/support/temp_folder.h"

extern char** environ;

namespace dvkctl::test {
namespace {

using Clock = std::chrono::steady_clock;

// The child's status once it ended, or nothing when `limit` ran out first.
std::optional<int> wait_for_child(pid_t pid, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) return status;
    if (done < 0 || Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace

DvkctlRun run_dvkctl(const std::vector<std::string>& arguments, std::chrono::milliseconds limit) {
  DvkctlRun run;
  const vex::test::TempFolder folder("dvkctl-run");
  const std::string out_path = folder.file("out");
  const std::string err_path = folder.file("err");

  std::vector<std::string> words{DVKCTL_PATH};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = -1;
  const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    run.err = "cannot start " + words[0];
    return run;
  }
  const std::optional<int> status = wait_for_child(pid, limit);
  if (!status) {
    ::kill(pid, SIGKILL);
    wait_for_child(pid, std::chrono::milliseconds(2000));
    run.err = "(stopped after " + std::to_string(limit.count()) + " ms)\n";
  } else if (WIFEXITED(*status)) {
    run.exit_code = WEXITSTATUS(*status);
  } else if (WIFSIGNALED(*status)) {
    run.signal = WTERMSIG(*status);
  }
  run.out = vex::test::read_file(out_path);
  run.err += vex::test::read_file(err_path);
  return run;
}

DvkctlRun run_with_plugin(const std::vector<std::string>& arguments,
                          std::chrono::milliseconds limit) {
  std::vector<std::string> all{"--library", DVK_PLUGIN_PATH};
  all.insert(all.end(), arguments.begin(), arguments.end());
  return run_dvkctl(all, limit);
}

nlohmann::json parsed_output(const DvkctlRun& run) {
  return nlohmann::json::parse(run.out, nullptr, false);
}

std::string describe(const DvkctlRun& run) {
  return "exit " + std::to_string(run.exit_code) + ", signal " + std::to_string(run.signal) +
         "\n--- standard output\n" + run.out + "--- standard error\n" + run.err;
}

}  // namespace dvkctl::test
