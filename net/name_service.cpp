#include "net/name_service.h"

#include "platform/socket_api.h"
#include "platform/socket_constants.h"

namespace vex {

SocketLibraryStart::SocketLibraryStart(Start start) : result_(start()) {}

SocketLibraryStart::~SocketLibraryStart() {
  if (result_ == kOk) NVexSocketAPI::cleanup();
}

void AddressInfoRelease::operator()(addrinfo* list) const noexcept {
  if (list != nullptr && NVexSocketAPI::api().freeaddrinfo != nullptr) {
    NVexSocketAPI::api().freeaddrinfo(list);
  }
}

AddressInfo address_info(const char* host, const char* service, int flags, int family) {
  const VexSocketFunctions& api = NVexSocketAPI::api();
  if (api.getaddrinfo == nullptr || api.freeaddrinfo == nullptr) return nullptr;
  addrinfo hints{};
  hints.ai_flags = flags;
  hints.ai_family = native_family(family);
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* list = nullptr;
  if (api.getaddrinfo(host, service, &hints, &list) != 0) return nullptr;
  return AddressInfo(list);
}

bool name_info(const sockaddr* address, socklen_t length, int flags, char* host, char* service) {
  const VexSocketFunctions& api = NVexSocketAPI::api();
  if (api.getnameinfo == nullptr || address == nullptr) return false;
  return api.getnameinfo(address, length, host, host != nullptr ? kHostTextSize : 0, service,
                         service != nullptr ? kServiceTextSize : 0,
                         native_name_info_flags(flags)) == 0;
}

}  // namespace vex
