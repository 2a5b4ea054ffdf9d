#pragma once

#include <string>
#include <utility>

namespace vex::test {

// A loopback address reserved for one test while the object lives, so that
// tests running in parallel each bind port 161 on an address of their own.
// The reservation is a lock file under /tmp/dvk-loopback (shared with the
// Python peers), released with the object or when the process ends.
class LoopbackAddress {
 public:
  LoopbackAddress() = default;
  LoopbackAddress(const LoopbackAddress&) = delete;
  LoopbackAddress& operator=(const LoopbackAddress&) = delete;
  LoopbackAddress(LoopbackAddress&& other) noexcept;
  LoopbackAddress& operator=(LoopbackAddress&& other) noexcept;
  ~LoopbackAddress();

  // A free IPv4 address 127.0.x.y (x 16 to 254) whose UDP port 161 is unused;
  // empty when none could be had.
  static LoopbackAddress ipv4();
  // ::1, which exists once: waits (bounded) until no other test holds it.
  static LoopbackAddress ipv6();

  bool valid() const noexcept { return lock_fd_ >= 0; }
  const std::string& text() const noexcept { return text_; }

 private:
  LoopbackAddress(int lock_fd, std::string text) : lock_fd_(lock_fd), text_(std::move(text)) {}

  int lock_fd_ = -1;
  std::string text_;
};

class TempFolder;

// What every agent fixture does first: checks its folder and, when *address
// is empty, fills it with a loopback address reserved in *reserved. Returns
// the reason it failed, or empty.
std::string prepare_peer(const TempFolder& folder, std::string* address, LoopbackAddress* reserved);

// True when nothing is bound to UDP `port` on `address`.
bool udp_port_free(const std::string& address, unsigned port);

}  // namespace vex::test
