#pragma once

#include <sys/socket.h>

#include <cstdint>

#include "framework/result_codes.h"
#include "platform/adapter_list.h"

// Answers of the adapter queries.
inline constexpr std::uint32_t kIpHelpSuccess = 0;
inline constexpr std::uint32_t kIpHelpBufferOverflow = 111;  // size query: a list is there
inline constexpr std::uint32_t kIpHelpNoData = 232;          // no interface but loopback
inline constexpr std::uint32_t kIpHelpNotFound = 1168;

inline constexpr std::uint32_t kFamilyIpv6 = 23;
inline constexpr std::uint32_t kAdapterFlagsUnicastWithPrefixes = 0x1E;

// The interface queries. A query called without a list is the size query: it
// answers 111 when there is a list to fetch and 232 when no interface other
// than loopback exists; the call with a list fills it and answers 0.
struct VexIpHelpFunctions {
  std::uint32_t (*get_best_interface_ex)(const sockaddr* destination, std::uint32_t* index);
  std::uint32_t (*get_adapters_info)(VexIpv4AdapterList* list);
  std::uint32_t (*get_adapters_addresses)(std::uint32_t family, std::uint32_t flags,
                                          VexIpv6AdapterList* list);
};

// The IP helper layer: bound on first use, once per process. A function the
// platform lacks stays empty and its users answer -10.
class NVexIpHelpAPI {
 public:
  static vex::Result load();
  static bool is_loaded();
  static vex::Result require();
  // The bound functions; every pointer is empty until `load` succeeds.
  static VexIpHelpFunctions api();

  // What the platform offers. Tests replace it to reach the paths of a
  // missing library or function; replacing it unloads the layer.
  struct Platform {
    bool library_present = true;
    VexIpHelpFunctions functions{};
  };
  static Platform system_platform();
  static void replace_platform(const Platform& platform);
};

// Linux answers of the three queries, from getifaddrs and netlink.
std::uint32_t vex_linux_best_interface(const sockaddr* destination, std::uint32_t* index);
std::uint32_t vex_linux_adapters_info(VexIpv4AdapterList* list);
std::uint32_t vex_linux_adapters_addresses(std::uint32_t family, std::uint32_t flags,
                                           VexIpv6AdapterList* list);
