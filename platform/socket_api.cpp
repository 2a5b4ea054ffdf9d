#include "platform/socket_api.h"

#include <atomic>
#include <mutex>

#include "logging/vex_log.h"
#include "platform/socket_library.h"

namespace {

// Calls visit(name, entry) for each required function in binding order,
// stopping at the first that answers false.
template <class Visit>
bool for_each_required(Visit&& visit) {
  using F = VexSocketFunctions;
  return visit("WSAStartup", &F::startup) && visit("WSACleanup", &F::cleanup) &&
         visit("WSAGetLastError", &F::last_error) && visit("socket", &F::socket) &&
         visit("bind", &F::bind) && visit("htons", &F::hton16) && visit("ntohs", &F::ntoh16) &&
         visit("getsockname", &F::getsockname) && visit("gethostname", &F::gethostname) &&
         visit("gethostbyname", &F::gethostbyname) && visit("getsockopt", &F::getsockopt) &&
         visit("setsockopt", &F::setsockopt) && visit("inet_addr", &F::inet_addr) &&
         visit("inet_ntoa", &F::inet_ntoa) && visit("sendto", &F::sendto) &&
         visit("recvfrom", &F::recvfrom) && visit("select", &F::select) &&
         visit("closesocket", &F::closesocket) && visit("gethostbyaddr", &F::gethostbyaddr) &&
         visit("getservbyname", &F::getservbyname) && visit("htonl", &F::hton32) &&
         visit("ntohl", &F::ntoh32) && visit("connect", &F::connect) &&
         visit("listen", &F::listen) && visit("ioctlsocket", &F::ioctl) &&
         visit("recv", &F::recv) && visit("send", &F::send) && visit("accept", &F::accept) &&
         visit("__WSAFDIsSet", &F::fd_is_set);
}

template <class Visit>
bool for_each_optional(Visit&& visit) {
  using F = VexSocketFunctions;
  return visit("getaddrinfo", &F::getaddrinfo) && visit("getnameinfo", &F::getnameinfo) &&
         visit("freeaddrinfo", &F::freeaddrinfo);
}

struct Loader {
  std::mutex mutex;
  std::atomic<const VexSocketLibrary*> library{nullptr};
  std::atomic<bool> ipv6_api{false};
  vex::SocketLibraryOpener opener = &vex_system_socket_library;
};

constinit Loader loader;
constinit VexSocketFunctions table{};

void log_missing(const char* function, int last_error) {
  vex_socket_logger()->log(vex::kLogError,
                           "[NVexSocketAPI::set_api] fail GetProcAddress \"%s\": GetLastError()=%d",
                           function, last_error);
}

bool is_module_or_procedure_missing(int error) {
  return error == VexSocketLibrary::kModuleNotFound ||
         error == VexSocketLibrary::kProcedureNotFound;
}

vex::Result start(std::uint16_t version, const char* version_text) {
  const vex::Result loaded = NVexSocketAPI::load();
  if (loaded != vex::kOk) return loaded;
  if (table.startup(version) == 0) return vex::kOk;
  const int error = table.last_error();  // read before logging can touch errno
  vex_socket_logger()->log(vex::kLogError, "fail WSAStartup(%s). WSAGetLastError()=%d",
                           version_text, error);
  return vex::kFailed;
}

void unload() {
  std::lock_guard<std::mutex> lock(loader.mutex);
  loader.library.store(nullptr, std::memory_order_release);
  loader.ipv6_api.store(false, std::memory_order_release);
}

}  // namespace

namespace NVexSocketAPI {

vex::Result set_api(const VexSocketLibrary* library) {
  vex::TraceScope trace(vex_socket_logger(), "NVexSocketAPI::set_api");
  if (library == nullptr) return vex::kFailed;
  VexSocketFunctions resolved{};
  const VexSocketFunctions& offered = library->functions;
  const bool complete = for_each_required([&](const char* name, auto entry) {
    if (offered.*entry == nullptr) {
      log_missing(name, library->lookup_error);
      return false;
    }
    resolved.*entry = offered.*entry;
    return true;
  });
  if (!complete) return vex::kFailed;
  vex::Result result = vex::kOk;
  const bool ipv6_api = for_each_optional([&](const char* name, auto entry) {
    if (offered.*entry != nullptr) {
      resolved.*entry = offered.*entry;
      return true;
    }
    if (!is_module_or_procedure_missing(library->lookup_error)) {
      log_missing(name, library->lookup_error);
      result = vex::kFailed;
    }
    return false;
  });
  if (result != vex::kOk) return result;
  table = resolved;
  loader.ipv6_api.store(ipv6_api, std::memory_order_release);
  return vex::kOk;
}

vex::Result load() {
  if (is_loaded()) return vex::kOk;
  std::lock_guard<std::mutex> lock(loader.mutex);
  if (loader.library.load(std::memory_order_relaxed) != nullptr) return vex::kOk;
  const VexSocketLibrary* library = loader.opener();
  if (library == nullptr) return vex::kCannotLoad;
  const vex::Result bound = set_api(library);
  if (bound != vex::kOk) return bound;
  loader.library.store(library, std::memory_order_release);
  return vex::kOk;
}

bool is_loaded() { return loader.library.load(std::memory_order_acquire) != nullptr; }

bool ipv6_api_available() {
  return load() == vex::kOk && loader.ipv6_api.load(std::memory_order_acquire);
}

vex::Result startup_v1_1() { return start(kVersion1_1, "1.1"); }

vex::Result startup_v2_2() { return start(kVersion2_2, "2.2"); }

vex::Result cleanup() {
  if (!is_loaded()) return vex::kOk;
  return table.cleanup() == 0 ? vex::kOk : vex::kFailed;
}

const VexSocketFunctions& api() { return table; }

}  // namespace NVexSocketAPI

namespace vex {

VexSocketFunctions& socket_table_for_tests() { return table; }

ScopedSocketLibrary::ScopedSocketLibrary(SocketLibraryOpener opener) {
  unload();
  std::lock_guard<std::mutex> lock(loader.mutex);
  loader.opener = opener;
}

ScopedSocketLibrary::~ScopedSocketLibrary() {
  unload();
  std::lock_guard<std::mutex> lock(loader.mutex);
  loader.opener = &vex_system_socket_library;
}

}  // namespace vex
