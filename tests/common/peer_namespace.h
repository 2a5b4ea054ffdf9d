#pragma once

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// A second network namespace for the far end of a veth pair, held by a child
// process until this object goes: then the child ends, its namespace
// vanishes and the veth pair with it. Interfaces move there with
// "netns <pid>".
class PeerNamespace {
 public:
  PeerNamespace() {
    int ready[2];
    int hold[2];
    if (pipe(ready) != 0) return;
    if (pipe(hold) != 0) {
      close(ready[0]);
      close(ready[1]);
      return;
    }
    child_ = fork();
    if (child_ == 0) {
      close(ready[0]);
      close(hold[1]);
      const char made = unshare(CLONE_NEWNET) == 0 ? 1 : 0;
      const bool told = write(ready[1], &made, 1) == 1;
      char ignored = 0;
      while (told && read(hold[0], &ignored, 1) > 0) {
      }
      _exit(0);
    }
    close(ready[1]);
    close(hold[0]);
    char made = 0;
    ready_ = child_ > 0 && read(ready[0], &made, 1) == 1 && made == 1;
    close(ready[0]);
    hold_ = hold[1];
  }
  ~PeerNamespace() {
    if (hold_ >= 0) close(hold_);  // the child's read ends
    if (child_ > 0) waitpid(child_, nullptr, 0);
  }
  PeerNamespace(const PeerNamespace&) = delete;
  PeerNamespace& operator=(const PeerNamespace&) = delete;

  bool ready() const { return ready_; }
  std::string pid() const { return std::to_string(child_); }

  // The command that makes a veth `name` here with its peer `name`p there.
  std::string veth(const std::string& name, const std::string& hardware_address = "") const {
    const std::string address = hardware_address.empty() ? "" : " address " + hardware_address;
    return "ip link add " + name + address + " type veth peer name " + name + "p netns " + pid();
  }

 private:
  pid_t child_ = -1;
  int hold_ = -1;
  bool ready_ = false;
};
