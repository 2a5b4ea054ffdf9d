#pragma once

#include <optional>

#include "framework/result_codes.h"
#include "platform/adapter_list.h"

// One look-up's view of the interface lists, loading the layer on first need. Each fetch replaces
// the list of its kind; the lists live until the object is destroyed.
class CVexAdapterTables {
 public:
  CVexAdapterTables() = default;
  CVexAdapterTables(const CVexAdapterTables&) = delete;
  CVexAdapterTables& operator=(const CVexAdapterTables&) = delete;

  void destroy() { delete this; }
  vex::Result require();
  // -10 when the query is missing, -7 when it fails or finds no interface.
  vex::Result fetch_ipv4_adapters(const VexIpv4AdapterList** adapters);
  vex::Result fetch_ipv6_adapters(const VexIpv6AdapterList** adapters);

 private:
  std::optional<VexIpv4AdapterList> ipv4_;
  std::optional<VexIpv6AdapterList> ipv6_;
};
