#pragma once

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

// Tests that build network namespaces need root. They skip without it,
// except under CI=true, where they must run.
inline bool namespace_tests_required() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && std::string(ci) == "true";
}

#define DVK_REQUIRE_NAMESPACES()                                                    \
  do {                                                                              \
    if (geteuid() != 0 || std::system("command -v ip >/dev/null 2>&1") != 0) {      \
      if (namespace_tests_required()) FAIL() << "namespace tests need root and ip"; \
      GTEST_SKIP() << "namespace tests need root and iproute2";                     \
    }                                                                               \
  } while (false)

// Runs `body` in a forked child inside a network namespace of its own, which
// disappears with the child. The child's report (empty when all went well)
// comes back through a pipe.
inline std::string run_in_fresh_namespace(const std::function<std::string()>& body) {
  int channel[2];
  if (pipe(channel) != 0) return "pipe failed";
  const pid_t child = fork();
  if (child < 0) return "fork failed";
  if (child == 0) {
    close(channel[0]);
    const std::string report = unshare(CLONE_NEWNET) == 0 ? body() : "unshare failed";
    const bool written = write(channel[1], report.data(), report.size()) >= 0;
    _exit(written ? 0 : 2);
  }
  close(channel[1]);
  std::string report;
  char chunk[512];
  for (ssize_t n; (n = read(channel[0], chunk, sizeof chunk)) > 0;) {
    report.append(chunk, static_cast<std::size_t>(n));
  }
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) report += " (child ended abnormally)";
  return report;
}

// Runs shell commands (ip, sysctl) in order; the first that fails is reported.
inline std::string run_commands(const std::vector<std::string>& commands) {
  for (const std::string& command : commands) {
    if (std::system((command + " >/dev/null 2>&1").c_str()) != 0) return "failed: " + command;
  }
  return {};
}
