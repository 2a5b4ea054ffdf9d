#include "net/address_list_fill.h"

#include "net/network_address.h"

namespace vex {

Result append_address(IVexNetworkAddressList& list, const char* text, std::int32_t protocol,
                      std::uint16_t port) {
  Result result = kOk;
  Owned<IVexNetworkAddress> address(vex_create_network_address(&result));
  if (address == nullptr) return result;
  result = address->set(text, protocol, port);
  if (failed(result)) return result;
  IVexNetworkAddress* element = address.release();
  result = list.push_back(element);
  if (failed(result)) element->destroy();  // the list did not take it
  return result;
}

Owned<IVexNetworkAddressList> new_address_list(Result* result) {
  return Owned<IVexNetworkAddressList>(vex_create_address_list(result));
}

}  // namespace vex
