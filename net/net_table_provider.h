#pragma once

#include <cstdint>
#include <vector>

#include "framework/result_codes.h"

// Rows of the local IPv4 routing and address tables. Addresses and masks are
// 32-bit host-order values, the first dotted number in the most significant byte.
struct RouteRecord {
  std::uint32_t destination;
  std::uint32_t mask;
  std::uint32_t next_hop;
  std::uint32_t type;  // 3 direct, 4 through a gateway
  std::uint32_t interface_index;
};

struct AddressRecord {
  std::uint32_t interface_index;
  std::uint32_t mask;
  std::uint32_t broadcast;
  std::uint32_t address;
};

// A source of the local tables. `load` makes the provider ready once; every
// table call reads the kernel's current state into a new list.
class NetTableProvider {
 public:
  NetTableProvider() = default;
  NetTableProvider(const NetTableProvider&) = delete;
  NetTableProvider& operator=(const NetTableProvider&) = delete;
  virtual ~NetTableProvider() = default;

  virtual const char* library_name() const = 0;
  vex::Result load();
  bool ready() const noexcept { return ready_; }

  virtual vex::Result route_table(std::vector<RouteRecord>* routes) = 0;
  virtual vex::Result address_table(std::vector<AddressRecord>* addresses) = 0;

 protected:
  // Checks that the provider's source can be read; 0 makes it ready.
  virtual vex::Result resolve() = 0;

 private:
  bool ready_ = false;
};

constexpr std::uint32_t prefix_to_mask(unsigned prefix_length) noexcept {
  return prefix_length == 0
             ? 0u
             : ~std::uint32_t{0} << (32u - (prefix_length > 32 ? 32u : prefix_length));
}
