#pragma once

#include "platform/socket_api.h"

// What NVexSocketAPI::load binds: the functions of one socket library, any
// of which may be missing, and the last-error code a failed look-up reports.
struct VexSocketLibrary {
  static constexpr int kModuleNotFound = 126;
  static constexpr int kProcedureNotFound = 127;

  VexSocketFunctions functions{};
  int lookup_error = kProcedureNotFound;
};

// The system's socket interface, with small equivalents for the functions
// only Windows has. Never null.
const VexSocketLibrary* vex_system_socket_library() noexcept;

namespace vex {

// Opens a socket library; null when none can be opened.
using SocketLibraryOpener = const VexSocketLibrary* (*)();

// Test hook: unloads the socket library and makes load open it through
// `opener` until destroyed; then unloads again and returns to the system's.
// Use only while no other thread calls the socket layer.
class ScopedSocketLibrary {
 public:
  explicit ScopedSocketLibrary(SocketLibraryOpener opener);
  ~ScopedSocketLibrary();
  ScopedSocketLibrary(const ScopedSocketLibrary&) = delete;
  ScopedSocketLibrary& operator=(const ScopedSocketLibrary&) = delete;
};

}  // namespace vex
