// The interface lists read inside private network namespaces whose
// interfaces the test sets up itself.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/adapter_tables.h"
#include "platform/ip_help_api.h"
#include "tests/common/fresh_namespace.h"

namespace {

class AdapterNamespace : public ::testing::Test {
 protected:
  void SetUp() override { DVK_REQUIRE_NAMESPACES(); }
};

std::string hardware_text(const VexHardwareAddress& address) {
  char text[32] = {};
  const auto& b = address.bytes;
  std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", b[0], b[1], b[2], b[3], b[4],
                b[5]);
  return text;
}

const VexIpv4Adapter* find(const VexIpv4AdapterList& list, const std::string& name) {
  for (const VexIpv4Adapter& adapter : list) {
    if (adapter.name == name) return &adapter;
  }
  return nullptr;
}

TEST_F(AdapterNamespace, OnlyLoopbackMeansNoData) {
  const std::string report = run_in_fresh_namespace([] {
    if (std::string failed = run_commands({"ip link set lo up"}); !failed.empty()) return failed;
    CVexAdapterTables tables;
    const VexIpv4AdapterList* v4 = nullptr;
    const VexIpv6AdapterList* v6 = nullptr;
    std::string problems;
    if (tables.fetch_ipv4_adapters(&v4) != -7) problems += "IPv4 list not refused; ";
    if (tables.fetch_ipv6_adapters(&v6) != -7) problems += "IPv6 list not refused; ";
    return problems;
  });
  EXPECT_EQ(report, "");
}

TEST_F(AdapterNamespace, VethWithIpv4AddressAndItsHardwareAddress) {
  const std::string report = run_in_fresh_namespace([] {
    if (std::string failed = run_commands({
            "ip link set lo up",
            "ip link add v1 type veth peer name v1p",
            "ip link set v1 address 02:00:5e:10:20:30",
            "ip link set v1 up",
            "ip link set v1p up",
            "ip addr add 198.18.7.1/24 dev v1",
        });
        !failed.empty()) {
      return failed;
    }
    CVexAdapterTables tables;
    const VexIpv4AdapterList* list = nullptr;
    if (tables.fetch_ipv4_adapters(&list) != 0) return std::string("no IPv4 list");
    std::string problems;
    const VexIpv4Adapter* v1 = find(*list, "v1");
    const VexIpv4Adapter* peer = find(*list, "v1p");
    const VexIpv4Adapter* lo = find(*list, "lo");
    if (v1 == nullptr || peer == nullptr || lo == nullptr) return std::string("interface missing");
    if (v1->ip_addresses != std::vector<std::string>{"198.18.7.1"}) problems += "v1 address; ";
    if (v1->ip_masks != std::vector<std::string>{"255.255.255.0"}) problems += "v1 mask; ";
    if (hardware_text(v1->hardware_address) != "02:00:5e:10:20:30" ||
        v1->hardware_address.length != 6) {
      problems += "v1 hardware address " + hardware_text(v1->hardware_address) + "; ";
    }
    if (v1->type != kInterfaceTypeEthernet) problems += "v1 type; ";
    if (peer->ip_addresses != std::vector<std::string>{"0.0.0.0"}) problems += "peer address; ";
    if (lo->type != kInterfaceTypeSoftwareLoopback) problems += "loopback type; ";
    return problems;
  });
  EXPECT_EQ(report, "");
}

TEST_F(AdapterNamespace, Ipv6OnlyInterfaceAndBestInterface) {
  const std::string report = run_in_fresh_namespace([] {
    if (std::string failed = run_commands({
            "ip link set lo up",
            "ip link add v6 type veth peer name v6p",
            "ip link set v6 up",
            "ip link set v6p up",
            "ip -6 addr add 2001:db8:5::1/64 dev v6 nodad",
        });
        !failed.empty()) {
      return failed;
    }
    CVexAdapterTables tables;
    const VexIpv6AdapterList* list = nullptr;
    if (tables.fetch_ipv6_adapters(&list) != 0) return std::string("no IPv6 list");
    std::string problems;
    std::uint32_t v6_index = 0;
    bool found_global = false;
    for (const VexIpv6Adapter& adapter : *list) {
      if (adapter.name != "v6") continue;
      v6_index = adapter.ipv6_index;
      for (const sockaddr_in6& address : adapter.unicast_addresses) {
        char text[INET6_ADDRSTRLEN] = {};
        inet_ntop(AF_INET6, &address.sin6_addr, text, sizeof text);
        if (std::string(text) == "2001:db8:5::1") found_global = true;
      }
    }
    if (!found_global) problems += "global address missing; ";
    sockaddr_in6 destination{};
    destination.sin6_family = AF_INET6;
    inet_pton(AF_INET6, "2001:db8:5::77", &destination.sin6_addr);
    std::uint32_t index = 0;
    if (vex_linux_best_interface(reinterpret_cast<const sockaddr*>(&destination), &index) != 0 ||
        index != v6_index) {
      problems += "best interface " + std::to_string(index) + "; ";
    }
    inet_pton(AF_INET6, "2001:db8:99::1", &destination.sin6_addr);
    if (vex_linux_best_interface(reinterpret_cast<const sockaddr*>(&destination), &index) == 0) {
      problems += "an unreachable destination had an interface; ";
    }
    return problems;
  });
  EXPECT_EQ(report, "");
}

}  // namespace
