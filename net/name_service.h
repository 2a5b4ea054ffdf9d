#pragma once

#include <netdb.h>
#include <sys/socket.h>

#include <cstddef>
#include <memory>

#include "framework/result_codes.h"

// The socket library's name service as the transport support uses it: all
// calls go through the bound socket table, with the framework's numbers for
// flags and families.
namespace vex {

inline constexpr int kHintsLookup = 1;   // passive
inline constexpr int kHintsNumeric = 5;  // passive, numeric host: no name is looked up
inline constexpr std::size_t kHostTextSize = 1025;
inline constexpr std::size_t kServiceTextSize = 32;

// Starts the socket library for one operation and cleans it up after.
class SocketLibraryStart {
 public:
  using Start = Result (*)();
  explicit SocketLibraryStart(Start start);
  ~SocketLibraryStart();
  SocketLibraryStart(const SocketLibraryStart&) = delete;
  SocketLibraryStart& operator=(const SocketLibraryStart&) = delete;

  Result result() const noexcept { return result_; }

 private:
  Result result_;
};

struct AddressInfoRelease {
  void operator()(addrinfo* list) const noexcept;
};
using AddressInfo = std::unique_ptr<addrinfo, AddressInfoRelease>;

// getaddrinfo for datagram sockets of a framework family (0 for any); null
// when it fails or the library has no name service.
AddressInfo address_info(const char* host, const char* service, int flags, int family);

// getnameinfo with the framework's flags (2 numeric host, 4 name required,
// 8 numeric service) into a host text of kHostTextSize and a service text of
// kServiceTextSize bytes; a part whose buffer is null is not converted.
// False when it fails.
bool name_info(const sockaddr* address, socklen_t length, int flags, char* host, char* service);

}  // namespace vex
