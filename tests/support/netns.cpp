#include "tests/support/netns.h"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace vex::test {

bool run_in_netns(const std::string& netns, const std::function<void()>& fn, std::string* error) {
  if (netns.empty()) {
    fn();
    return true;
  }
  const int fd = ::open(("/run/netns/" + netns).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error != nullptr) *error = netns + ": " + std::strerror(errno);
    return false;
  }
  bool entered = false;
  int setns_errno = 0;
  std::thread worker([&] {
    entered = ::setns(fd, CLONE_NEWNET) == 0;
    setns_errno = errno;
    if (entered) fn();
  });
  worker.join();
  ::close(fd);
  if (!entered && error != nullptr) *error = "setns " + netns + ": " + std::strerror(setns_errno);
  return entered;
}

}  // namespace vex::test
