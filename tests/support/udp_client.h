#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vex::test {

struct Datagram {
  std::vector<std::uint8_t> bytes;  // at most the capacity asked for
  std::size_t length = 0;           // the datagram's real length, also when it was cut
  std::string from;                 // sender address, numeric
  std::uint16_t port = 0;
};

// A plain UDP socket for tests that watch an agent's datagrams byte by byte.
class UdpClient {
 public:
  explicit UdpClient(int family);
  UdpClient(const UdpClient&) = delete;
  UdpClient& operator=(const UdpClient&) = delete;
  ~UdpClient();

  bool ok() const noexcept { return fd_ >= 0; }
  bool bind(const std::string& address, std::uint16_t port = 0);
  bool enable_broadcast();
  // `interface` gives the scope of an IPv6 link-local or multicast destination.
  bool send_to(const std::string& address, std::uint16_t port, std::span<const std::uint8_t> data,
               const std::string& interface = {});
  std::optional<Datagram> receive(std::chrono::milliseconds timeout, std::size_t capacity = 65535);
  // Everything that arrives until `window` has passed.
  std::vector<Datagram> receive_all(std::chrono::milliseconds window, std::size_t capacity = 65535);

 private:
  int fd_ = -1;
};

}  // namespace vex::test
