#pragma once

#include <cstdint>

#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "snmp/model/vex_address_list.h"

namespace vex {

// Appends a new address filled with `set`: 0, or the failure with the list
// unchanged.
Result append_address(IVexNetworkAddressList& list, const char* text, std::int32_t protocol,
                      std::uint16_t port);

// A new empty list, or null with the failure in `result`.
Owned<IVexNetworkAddressList> new_address_list(Result* result);

}  // namespace vex
