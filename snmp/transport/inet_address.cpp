#include "snmp/transport/inet_address.h"

#include <cstring>

#include "platform/socket_api.h"

namespace vex {

bool inet_text_to_address(const char* text, in_addr_t* address) {
  if (text == nullptr) return false;
  constexpr const char kBroadcast[] = "255.255.255.255";
  const in_addr_t converted = NVexSocketAPI::api().inet_addr(text);
  if (converted == INADDR_NONE && std::strncmp(text, kBroadcast, sizeof kBroadcast - 1) != 0) {
    return false;
  }
  *address = converted;
  return true;
}

}  // namespace vex
