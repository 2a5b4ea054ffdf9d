#include "platform/host_entries.h"

#include <cerrno>
#include <cstddef>
#include <vector>

namespace vex {
namespace {

constexpr std::size_t kFirstBufferSize = 1024;
constexpr int kMaxAttempts = 8;  // the buffer doubles up to 128 KiB

struct ThreadEntries {
  hostent host{};
  std::vector<char> host_buffer;
  servent service{};
  std::vector<char> service_buffer;
};

ThreadEntries& thread_entries() {
  thread_local ThreadEntries entries;
  return entries;
}

// Runs a reentrant look-up, growing the buffer while it is too small.
template <class Entry, class Lookup>
Entry* lookup_entry(Entry& entry, std::vector<char>& buffer, Lookup&& lookup) {
  if (buffer.empty()) buffer.resize(kFirstBufferSize);
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    Entry* result = nullptr;
    const int error = lookup(&entry, buffer.data(), buffer.size(), &result);
    if (error == ERANGE) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (error != 0 || result == nullptr) {
      errno = error != 0 ? error : ENOENT;
      return nullptr;
    }
    return result;
  }
  errno = ERANGE;
  return nullptr;
}

}  // namespace

hostent* thread_gethostbyname(const char* name) {
  if (name == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  ThreadEntries& entries = thread_entries();
  return lookup_entry(entries.host, entries.host_buffer,
                      [name](hostent* entry, char* buffer, std::size_t size, hostent** result) {
                        int host_error = 0;
                        return gethostbyname_r(name, entry, buffer, size, result, &host_error);
                      });
}

hostent* thread_gethostbyaddr(const void* address, socklen_t length, int family) {
  if (address == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  ThreadEntries& entries = thread_entries();
  return lookup_entry(entries.host, entries.host_buffer,
                      [=](hostent* entry, char* buffer, std::size_t size, hostent** result) {
                        int host_error = 0;
                        return gethostbyaddr_r(address, length, family, entry, buffer, size, result,
                                               &host_error);
                      });
}

servent* thread_getservbyname(const char* name, const char* protocol) {
  if (name == nullptr) {
    errno = EINVAL;
    return nullptr;
  }
  ThreadEntries& entries = thread_entries();
  return lookup_entry(entries.service, entries.service_buffer,
                      [=](servent* entry, char* buffer, std::size_t size, servent** result) {
                        return getservbyname_r(name, protocol, entry, buffer, size, result);
                      });
}

}  // namespace vex
