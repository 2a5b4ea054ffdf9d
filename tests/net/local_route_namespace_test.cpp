// Route lookups inside private network namespaces: each case forks a child
// that unshares its network namespace (which vanishes with the child), builds
// veth interfaces and routes with `ip`, and checks both table providers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework/ownership.h"
#include "net/local_route_lookup.h"
#include "net/netlink_tables.h"
#include "net/network_address.h"
#include "net/proc_net_tables.h"
#include "tests/common/fresh_namespace.h"

namespace {

std::string describe(const std::vector<RouteRecord>& routes) {
  std::ostringstream out;
  for (const RouteRecord& r : routes) {
    out << std::hex << r.destination << "/" << r.mask << " via " << r.next_hop << " if " << std::dec
        << r.interface_index << "; ";
  }
  return out.str();
}

bool same_routes(const std::vector<RouteRecord>& a, const std::vector<RouteRecord>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].destination != b[i].destination || a[i].mask != b[i].mask ||
        a[i].next_hop != b[i].next_hop || a[i].interface_index != b[i].interface_index) {
      return false;
    }
  }
  return true;
}

// Answers the lookup through one provider as the local address's text, or
// the error as a number. The destination's protocol comes from its text.
std::string lookup_through(std::unique_ptr<NetTableProvider> provider, const char* destination) {
  // Kept here until the lookup asks for it, which a refused destination never does.
  auto held = std::make_shared<std::unique_ptr<NetTableProvider>>(std::move(provider));
  LocalRouteLookup lookup({[held] { return std::move(*held); }});
  const vex::Owned<IVexNetworkAddress> target(vex_create_network_address_text(destination, 161));
  IVexNetworkAddress* answer = nullptr;
  const vex::Result result = lookup.local_address_for(target.get(), &answer);
  const vex::Owned<IVexNetworkAddress> local(answer);
  if (result != 0) return std::to_string(result);
  if (local->protocol() != 1 || local->port() != 161) return "wrong protocol or port";
  return local->text();
}

struct Expectation {
  const char* destination;
  const char* answer;  // an address, or a result code
};

std::string check_lookups(const std::vector<Expectation>& expectations) {
  std::string problems;
  std::vector<RouteRecord> netlink_routes, proc_routes;
  NetlinkTables netlink;
  ProcNetTables proc;
  if (netlink.load() != 0 || proc.load() != 0) return "a provider did not load";
  netlink.route_table(&netlink_routes);
  proc.route_table(&proc_routes);
  if (!same_routes(netlink_routes, proc_routes)) {
    problems += "route tables differ: netlink " + describe(netlink_routes) + " proc " +
                describe(proc_routes) + "\n";
  }
  for (const Expectation& e : expectations) {
    const std::string via_netlink =
        lookup_through(std::make_unique<NetlinkTables>(), e.destination);
    const std::string via_proc = lookup_through(std::make_unique<ProcNetTables>(), e.destination);
    if (via_netlink != e.answer || via_proc != e.answer) {
      problems += std::string(e.destination) + ": expected " + e.answer + ", netlink " +
                  via_netlink + ", proc " + via_proc + "\n";
    }
  }
  return problems;
}

class RouteNamespace : public ::testing::Test {
 protected:
  void SetUp() override { DVK_REQUIRE_NAMESPACES(); }
};

const std::vector<std::string> kTwoInterfaces = {
    "ip link set lo up",
    "ip link add d1 type veth peer name d1p",
    "ip link set d1p up",
    "ip link set d1 up",
    "ip addr add 198.18.1.10/24 dev d1",
    "ip link add d2 type veth peer name d2p",
    "ip link set d2p up",
    "ip link set d2 up",
    "ip addr add 198.18.2.10/24 dev d2",
};

TEST_F(RouteNamespace, HostRoutePrefixesAndDefaultRoute) {
  const std::string report = run_in_fresh_namespace([] {
    std::vector<std::string> setup = kTwoInterfaces;
    setup.push_back("ip route add 198.18.1.77/32 dev d2");
    setup.push_back("ip route add default via 198.18.2.1 dev d2");
    if (std::string failed = run_commands(setup); !failed.empty()) return failed;
    return check_lookups({{"198.18.1.77", "198.18.2.10"},
                          {"198.18.1.50", "198.18.1.10"},
                          {"198.18.2.99", "198.18.2.10"},
                          {"192.0.2.1", "198.18.2.10"},
                          {"2001:db8::1", "-5"}});
  });
  EXPECT_EQ(report, "");
}

TEST_F(RouteNamespace, EqualMasksFollowTableOrder) {
  const std::string report = run_in_fresh_namespace([] {
    std::vector<std::string> setup = kTwoInterfaces;
    setup.push_back("ip route add 203.0.113.0/24 dev d2 metric 10");
    setup.push_back("ip route add 203.0.113.0/24 dev d1 metric 20");
    if (std::string failed = run_commands(setup); !failed.empty()) return failed;
    return check_lookups({{"203.0.113.9", "198.18.2.10"}});
  });
  EXPECT_EQ(report, "");
}

TEST_F(RouteNamespace, DefaultRouteOnlyAndNoRoute) {
  const std::string with_default = run_in_fresh_namespace([] {
    if (std::string failed = run_commands(
            {"ip link add d1 type veth peer name d1p", "ip link set d1p up", "ip link set d1 up",
             "ip addr add 198.18.1.10/32 dev d1", "ip route add default dev d1"});
        !failed.empty()) {
      return failed;
    }
    return check_lookups({{"192.0.2.1", "198.18.1.10"}});
  });
  EXPECT_EQ(with_default, "");

  const std::string without_route = run_in_fresh_namespace([] {
    if (std::string failed = run_commands(kTwoInterfaces); !failed.empty()) return failed;
    return check_lookups({{"192.0.2.1", "-1"}});
  });
  EXPECT_EQ(without_route, "");
}

TEST_F(RouteNamespace, RoutingChangesShowAtTheNextLookup) {
  const std::string report = run_in_fresh_namespace([] {
    if (std::string failed = run_commands(kTwoInterfaces); !failed.empty()) return failed;
    LocalRouteLookup& lookup = LocalRouteLookup::instance();
    std::uint32_t local = 0;
    if (lookup.local_ipv4_address_for(0xC0000201u, &local) != -1) return std::string("route?");
    if (std::string failed = run_commands({"ip route add 192.0.2.0/24 dev d1"}); !failed.empty()) {
      return failed;
    }
    if (lookup.local_ipv4_address_for(0xC0000201u, &local) != 0 || local != 0xC612010Au) {
      return std::string("the new route was not seen");
    }
    return std::string();
  });
  EXPECT_EQ(report, "");
}

}  // namespace
