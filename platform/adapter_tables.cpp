#include "platform/adapter_tables.h"

#include "platform/ip_help_api.h"

namespace {

// The size query must announce a list; then the filling call must succeed.
template <class List, class Query>
vex::Result fetch(Query&& query, std::optional<List>& kept, const List** adapters) {
  if (query(nullptr) != kIpHelpBufferOverflow) return vex::kValueMissing;
  kept.emplace();
  if (query(&*kept) != kIpHelpSuccess) {
    kept.reset();
    return vex::kValueMissing;
  }
  *adapters = &*kept;
  return vex::kOk;
}

}  // namespace

vex::Result CVexAdapterTables::require() { return NVexIpHelpAPI::require(); }

vex::Result CVexAdapterTables::fetch_ipv4_adapters(const VexIpv4AdapterList** adapters) {
  if (adapters == nullptr) return vex::kInvalidArgument;
  NVexIpHelpAPI::load();
  const VexIpHelpFunctions api = NVexIpHelpAPI::api();
  if (api.get_adapters_info == nullptr) return vex::kCannotLoad;
  return fetch(api.get_adapters_info, ipv4_, adapters);
}

vex::Result CVexAdapterTables::fetch_ipv6_adapters(const VexIpv6AdapterList** adapters) {
  if (adapters == nullptr) return vex::kInvalidArgument;
  NVexIpHelpAPI::load();
  const VexIpHelpFunctions api = NVexIpHelpAPI::api();
  if (api.get_adapters_addresses == nullptr) return vex::kCannotLoad;
  return fetch(
      [&api](VexIpv6AdapterList* list) {
        return api.get_adapters_addresses(kFamilyIpv6, kAdapterFlagsUnicastWithPrefixes, list);
      },
      ipv6_, adapters);
}
