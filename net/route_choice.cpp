#include "net/route_choice.h"

#include <optional>

namespace {

class InterfaceAddresses {
 public:
  explicit InterfaceAddresses(const AddressTableFetch& fetch) : fetch_(fetch) {}

  // The first address of the interface; -2 when it has none.
  vex::Result address_of(std::uint32_t interface_index, std::uint32_t* address) {
    if (!table_) {
      table_.emplace();
      const vex::Result fetched = fetch_(&*table_);
      if (fetched != vex::kOk) return fetched;
    }
    for (const AddressRecord& record : *table_) {
      if (record.interface_index == interface_index) {
        *address = record.address;
        return vex::kOk;
      }
    }
    return vex::kInvalidArgument;
  }

 private:
  const AddressTableFetch& fetch_;
  std::optional<std::vector<AddressRecord>> table_;
};

}  // namespace

vex::Result choose_local_address(std::uint32_t destination, const std::vector<RouteRecord>& routes,
                                 const AddressTableFetch& fetch_addresses,
                                 std::uint32_t* local_address) {
  InterfaceAddresses interfaces(fetch_addresses);
  std::uint32_t found = 0;

  for (const RouteRecord& route : routes) {
    if (route.destination == destination) {
      if (const vex::Result r = interfaces.address_of(route.interface_index, &found); r != 0) {
        return r;
      }
      break;
    }
  }

  if (found == 0) {
    std::uint32_t best_mask = 0;
    for (const RouteRecord& route : routes) {
      if (route.mask > best_mask &&
          (destination & route.mask) == (route.mask & route.destination)) {
        if (const vex::Result r = interfaces.address_of(route.interface_index, &found); r != 0) {
          return r;
        }
        best_mask = route.mask;
      }
    }
  }

  if (found == 0) {
    for (const RouteRecord& route : routes) {
      if (route.destination == 0) {
        if (const vex::Result r = interfaces.address_of(route.interface_index, &found); r != 0) {
          return r;
        }
        break;
      }
    }
  }

  if (found == 0) return vex::kFailed;
  *local_address = found;
  return vex::kOk;
}
