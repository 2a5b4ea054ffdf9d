#pragma once

#include <netdb.h>
#include <sys/socket.h>

namespace vex {

// The host and service look-ups of the socket table. Each thread gets its own
// result, valid until that thread's next look-up of the same kind, as a
// Windows socket library keeps them; errno tells why a look-up failed.
hostent* thread_gethostbyname(const char* name);
hostent* thread_gethostbyaddr(const void* address, socklen_t length, int family);
servent* thread_getservbyname(const char* name, const char* protocol);

}  // namespace vex
