#include "tests/support/loopback.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

#include "tests/support/socket_address.h"
#include "tests/support/temp_folder.h"

namespace vex::test {
namespace {

constexpr const char* kLockFolder = "/tmp/dvk-loopback";
constexpr int kFirstSubnet = 16;
constexpr int kSubnets = 239;  // 16 to 254
constexpr int kHosts = 254;    // 1 to 254
constexpr int kAttempts = 4000;

int try_lock(const std::string& address) {
  ::mkdir(kLockFolder, 01777);
  const std::string path = std::string(kLockFolder) + "/" + address + ".lock";
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::string candidate(unsigned number) {
  const unsigned subnet = kFirstSubnet + (number / kHosts) % kSubnets;
  const unsigned host = 1 + number % kHosts;
  return "127.0." + std::to_string(subnet) + "." + std::to_string(host);
}

}  // namespace

bool udp_port_free(const std::string& address, unsigned port) {
  const auto target = SocketAddress::parse(address, static_cast<std::uint16_t>(port));
  if (!target) return false;
  const int fd = ::socket(target->family(), SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool bound = ::bind(fd, target->data(), target->length()) == 0;
  ::close(fd);
  return bound;
}

LoopbackAddress::LoopbackAddress(LoopbackAddress&& other) noexcept
    : lock_fd_(std::exchange(other.lock_fd_, -1)), text_(std::move(other.text_)) {}

LoopbackAddress& LoopbackAddress::operator=(LoopbackAddress&& other) noexcept {
  if (this != &other) {
    if (lock_fd_ >= 0) ::close(lock_fd_);
    lock_fd_ = std::exchange(other.lock_fd_, -1);
    text_ = std::move(other.text_);
  }
  return *this;
}

LoopbackAddress::~LoopbackAddress() {
  if (lock_fd_ >= 0) ::close(lock_fd_);
}

LoopbackAddress LoopbackAddress::ipv4() {
  static std::atomic<unsigned> calls{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  const unsigned start = static_cast<unsigned>(::getpid()) * 7919u + calls.fetch_add(1) * 104729u +
                         static_cast<unsigned>(now);
  for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
    std::string address = candidate(start + attempt);
    const int fd = try_lock(address);
    if (fd < 0) continue;
    if (udp_port_free(address, 161)) return LoopbackAddress(fd, std::move(address));
    ::close(fd);
  }
  return {};
}

std::string prepare_peer(const TempFolder& folder, std::string* address,
                         LoopbackAddress* reserved) {
  if (!folder.valid()) return "cannot make a folder under /tmp";
  if (!address->empty()) return {};
  *reserved = LoopbackAddress::ipv4();
  if (!reserved->valid()) return "no free loopback address";
  *address = reserved->text();
  return {};
}

LoopbackAddress LoopbackAddress::ipv6() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    const int fd = try_lock("::1");
    if (fd >= 0) {
      if (udp_port_free("::1", 161)) return LoopbackAddress(fd, "::1");
      ::close(fd);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return {};
}

}  // namespace vex::test
