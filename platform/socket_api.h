#pragma once

#include <netdb.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "framework/result_codes.h"

struct VexSocketLibrary;

// The socket functions the framework calls, bound by NVexSocketAPI::load.
// They follow the POSIX interface: descriptors, errno and Linux constants
// (socket_constants.h translates the framework's numbers). The comments name
// the function a Windows socket library would bind in each place.
struct VexSocketFunctions {
  // Start-up and clean-up keep a balance (vex::socket_startup_balance);
  // start-up answers 0 or an error number.
  int (*startup)(std::uint16_t version);  // "WSAStartup"
  int (*cleanup)();                       // "WSACleanup"
  int (*last_error)();                    // "WSAGetLastError": errno
  int (*socket)(int family, int type, int protocol);
  int (*bind)(int fd, const sockaddr* address, socklen_t length);
  std::uint16_t (*hton16)(std::uint16_t value);  // "htons"
  std::uint16_t (*ntoh16)(std::uint16_t value);  // "ntohs"
  int (*getsockname)(int fd, sockaddr* address, socklen_t* length);
  int (*gethostname)(char* name, std::size_t length);
  // The host and service entries live per thread, until that thread's next call.
  hostent* (*gethostbyname)(const char* name);
  int (*getsockopt)(int fd, int level, int option, void* value, socklen_t* length);
  int (*setsockopt)(int fd, int level, int option, const void* value, socklen_t length);
  in_addr_t (*inet_addr)(const char* text);
  char* (*inet_ntoa)(in_addr address);
  ssize_t (*sendto)(int fd, const void* data, std::size_t length, int flags,
                    const sockaddr* address, socklen_t address_length);
  ssize_t (*recvfrom)(int fd, void* buffer, std::size_t capacity, int flags, sockaddr* address,
                      socklen_t* address_length);
  int (*select)(int descriptor_count, fd_set* readable, fd_set* writable, fd_set* failed,
                timeval* timeout);
  int (*closesocket)(int fd);
  hostent* (*gethostbyaddr)(const void* address, socklen_t length, int family);
  servent* (*getservbyname)(const char* name, const char* protocol);
  std::uint32_t (*hton32)(std::uint32_t value);  // "htonl"
  std::uint32_t (*ntoh32)(std::uint32_t value);  // "ntohl"
  int (*connect)(int fd, const sockaddr* address, socklen_t length);
  int (*listen)(int fd, int backlog);
  int (*ioctl)(int fd, unsigned long request, int* argument);  // "ioctlsocket"
  ssize_t (*recv)(int fd, void* buffer, std::size_t capacity, int flags);
  ssize_t (*send)(int fd, const void* data, std::size_t length, int flags);
  int (*accept)(int fd, sockaddr* address, socklen_t* length);
  int (*fd_is_set)(int fd, fd_set* set);  // "__WSAFDIsSet"

  // Optional: the protocol-independent name functions IPv6 needs.
  int (*getaddrinfo)(const char* host, const char* service, const addrinfo* hints,
                     addrinfo** result);
  int (*getnameinfo)(const sockaddr* address, socklen_t length, char* host, socklen_t host_size,
                     char* service, socklen_t service_size, int flags);
  void (*freeaddrinfo)(addrinfo* list);
};

// The process-wide socket library: loaded on first use under a lock, then
// only read, so any thread may call through api() after a successful load.
namespace NVexSocketAPI {

inline constexpr std::uint16_t kVersion1_1 = 0x0101;
inline constexpr std::uint16_t kVersion2_2 = 0x0202;

// 0 when loaded (now or before); -10 when no library can be opened; -1 when
// a required function is missing. A failed load keeps nothing.
vex::Result load();
bool is_loaded();
// Loads; true when that succeeded and the name functions IPv6 needs exist.
bool ipv6_api_available();
// Load, then start the library in version 1.1 (2.2): 0, the load's failure,
// or -1 with an Error line on the "socket" logger. Each success is matched
// by one cleanup.
vex::Result startup_v1_1();
vex::Result startup_v2_2();
// Cleans up once when the library is loaded: 0, or -1 when that fails.
vex::Result cleanup();
// Resolves every function of `library` into the table: 0, or -1 with an
// Error line naming the missing function (the table then stays as it was).
vex::Result set_api(const VexSocketLibrary* library);
// The bound functions; valid after a successful load.
const VexSocketFunctions& api();

}  // namespace NVexSocketAPI

namespace vex {

// Start-ups not yet matched by a clean-up, across the process.
int socket_startup_balance() noexcept;

// The bound table itself, for the test hooks below only.
VexSocketFunctions& socket_table_for_tests();

// Test hook: replaces one entry of the bound table for its lifetime and puts
// the previous one back. Loads first so the replacement is not overwritten.
// Swap entries only while no other thread calls through the table.
//   vex::ScopedSocketOverride failing(&VexSocketFunctions::bind,
//       [](int, const sockaddr*, socklen_t) { errno = EADDRINUSE; return -1; });
template <class Fn>
class ScopedSocketOverride {
 public:
  ScopedSocketOverride(Fn VexSocketFunctions::*entry, std::type_identity_t<Fn> replacement)
      : entry_(entry) {
    NVexSocketAPI::load();
    VexSocketFunctions& table = socket_table_for_tests();
    saved_ = table.*entry_;
    table.*entry_ = replacement;
  }
  ~ScopedSocketOverride() { socket_table_for_tests().*entry_ = saved_; }
  ScopedSocketOverride(const ScopedSocketOverride&) = delete;
  ScopedSocketOverride& operator=(const ScopedSocketOverride&) = delete;

 private:
  Fn VexSocketFunctions::*entry_;
  Fn saved_ = nullptr;
};

}  // namespace vex
