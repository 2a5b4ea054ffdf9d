#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/result_codes.h"
#include "net/net_table_provider.h"

// Picks the local IPv4 address used toward `destination`: the interface of
// an exact host route, else of the longest matching prefix (the first in table
// order on ties), else of the first default route; a step whose interface has
// the address 0.0.0.0 counts as no match. The address table is fetched only
// when a route is found. -1 without a route, -2 when the route's interface has
// no IPv4 address, or the address table's own error.
using AddressTableFetch = std::function<vex::Result(std::vector<AddressRecord>*)>;

vex::Result choose_local_address(std::uint32_t destination, const std::vector<RouteRecord>& routes,
                                 const AddressTableFetch& fetch_addresses,
                                 std::uint32_t* local_address);
