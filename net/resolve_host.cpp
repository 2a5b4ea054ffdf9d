#include "net/transport_support_base.h"

vex::Result CVexTransportSupportBase::resolve_host(const char* host,
                                                   IVexNetworkAddressList** addresses) {
  if (host == nullptr || addresses == nullptr) return vex::kInvalidArgument;
  *addresses = nullptr;
  return vex::kNotSupported;
}
