// The transport support's answers about the local machine, inside network
// namespaces whose interfaces the test builds. The far end of each veth lives
// in a second namespace, so the tested one holds exactly the interfaces named.
#include <gtest/gtest.h>
#include <net/if.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "net/basic_transport_support.h"
#include "net/full_transport_support.h"
#include "platform/ip_help_api.h"
#include "tests/common/fresh_namespace.h"
#include "tests/common/peer_namespace.h"
#include "tests/net/transport_answers.h"

namespace {

using namespace transport_test;

class TransportNamespace : public ::testing::Test {
 protected:
  void SetUp() override { DVK_REQUIRE_NAMESPACES(); }
};

TEST_F(TransportNamespace, OnlyLoopback) {
  const std::string report = run_in_fresh_namespace([] {
    if (std::string failed = run_commands({"ip link set lo up"}); !failed.empty()) return failed;
    CVexFullTransportSupport support;
    std::string problems;
    expect(problems, "IPv4", available(support, 1), "no");
    expect(problems, "IPv6", available(support, 4), "no");
    expect(problems, "IPX", available(support, 2), "no");
    expect(problems, "IPv4 count", count(support, 1), "error -7");
    expect(problems, "IPv6 count", count(support, 4), "error -7");
    expect(problems, "loopback hardware address", has_mac(support, "00-00-00-00-00-00"), "none/-7");
    expect(problems, "route", local_toward(support, destination("198.18.0.1", 1).get()), "-1");
    return problems;
  });
  EXPECT_EQ(report, "");
}

TEST_F(TransportNamespace, VethWithAnIpv4Address) {
  const std::string report = run_in_fresh_namespace([] {
    const PeerNamespace peer;
    if (!peer.ready()) return std::string("no peer namespace");
    if (std::string failed = run_commands({
            "ip link set lo up",
            peer.veth("v4", "02:00:5e:10:20:30"),
            "ip link set v4 up",
            "ip addr add 198.18.7.1/24 dev v4",
        });
        !failed.empty()) {
      return failed;
    }
    CVexFullTransportSupport support;
    std::string problems;
    expect(problems, "IPv4", available(support, 1), "yes");
    expect(problems, "IPv4 count", count(support, 1), "1");
    expect(problems, "hardware address", mac_of(support, 1, "198.18.7.1"), "02-00-5E-10-20-30");
    expect(problems, "first adapter", mac_of(support, 1, ""), "02-00-5E-10-20-30");
    expect(problems, "other address", mac_of(support, 1, "198.18.7.2"), "-7");
    expect(problems, "has hardware address", has_mac(support, "02-00-5e-10-20-30"), "found/0");
    expect(problems, "toward the subnet",
           local_toward(support, destination("198.18.7.99", 1, 161).get()), "198.18.7.1 1 161");
    expect(problems, "toward elsewhere", local_toward(support, destination("192.0.2.1", 1).get()),
           "-1");
    if (std::string failed = run_commands({"ip route add default via 198.18.7.254"});
        !failed.empty()) {
      return failed;
    }
    expect(problems, "by the default route",
           local_toward(support, destination("192.0.2.1", 1, 7).get()), "198.18.7.1 1 7");
    return problems;
  });
  EXPECT_EQ(report, "");
}

TEST_F(TransportNamespace, InterfaceWithOnlyIpv6Addresses) {
  const std::string report = run_in_fresh_namespace([] {
    const PeerNamespace peer;
    if (!peer.ready()) return std::string("no peer namespace");
    if (std::string failed = run_commands({
            "ip link set lo up",
            peer.veth("v6", "02:00:5e:10:20:40"),
            "ip link set v6 addrgenmode none",
            "ip link set v6 up",
            "ip -6 addr add 2001:db8:5::1/64 dev v6 nodad",
        });
        !failed.empty()) {
      return failed;
    }
    const std::string index = std::to_string(if_nametoindex("v6"));
    CVexFullTransportSupport support;
    std::string problems;
    expect(problems, "IPv4", available(support, 1), "no");
    expect(problems, "IPv6", available(support, 4), "yes");
    expect(problems, "IPv6 count", count(support, 4), "1");
    expect(problems, "IPv4 count (an adapter without address)", count(support, 1), "1");
    expect(problems, "toward the subnet",
           local_toward(support, destination("2001:db8:5::77", 4, 161).get()),
           "2001:db8:5::1 4 161");
    expect(problems, "unreachable", local_toward(support, destination("2001:db8:99::1", 4).get()),
           "-5");

    if (std::string failed = run_commands({"ip -6 addr add fe80::5:1/64 dev v6 nodad"});
        !failed.empty()) {
      return failed;
    }
    expect(problems, "hardware address", mac_of(support, 4, "2001:DB8:5::1"), "02-00-5E-10-20-40");
    expect(problems, "link-local with scope", mac_of(support, 4, ("fe80::5:1%" + index).c_str()),
           "02-00-5E-10-20-40");
    expect(problems, "link-local with another scope", mac_of(support, 4, "fe80::5:1%99"), "-7");
    expect(problems, "has hardware address", has_mac(support, "02-00-5E-10-20-40"), "found/0");
    NVexIpHelpAPI::Platform without_ipv4 = NVexIpHelpAPI::system_platform();
    without_ipv4.functions.get_adapters_info = nullptr;
    NVexIpHelpAPI::replace_platform(without_ipv4);
    expect(problems, "found in the IPv6 list", has_mac(support, "02-00-5e-10-20-40"), "found/0");
    NVexIpHelpAPI::replace_platform(NVexIpHelpAPI::system_platform());
    return problems;
  });
  EXPECT_EQ(report, "");
}

// Name look-ups answered from the hosts file; a fresh namespace has no route
// to a name server, so nothing leaves the machine.
TEST_F(TransportNamespace, NamesOfTheLocalHost) {
  const std::string report = run_in_fresh_namespace([] {
    if (std::string failed = run_commands({"ip link set lo up"}); !failed.empty()) return failed;
    if (unshare(CLONE_NEWUTS) != 0 || sethostname("localhost", 9) != 0) {
      return std::string("cannot name the host");
    }
    CVexFullTransportSupport full;
    CVexBasicTransportSupport basic;
    std::string problems;
    expect(problems, "full host name", host_name(full, "127.0.0.1"), "localhost");
    expect(problems, "basic host name", host_name(basic, "127.0.0.1"), "localhost");
    expect(problems, "full unknown name", host_name(full, "198.18.0.1"), "-1");
    expect(problems, "basic unknown name", host_name(basic, "198.18.0.1"), "-1");
    expect(problems, "full not an address", host_name(full, "printer"), "-1");
    expect(problems, "basic not an address", host_name(basic, "printer"), "-1");
    expect(problems, "full local host", local_host(full, 1), "127.0.0.1 1 0");
    expect(problems, "basic local host", local_host(basic, 1), "127.0.0.1 1 0");
    expect(problems, "no family for code 3", local_host(full, 3), "-1");
    for (IVexTransportSupport* support :
         {static_cast<IVexTransportSupport*>(&full), static_cast<IVexTransportSupport*>(&basic)}) {
      const std::string kind = support == &full ? "full " : "basic ";
      const std::string addresses = resolved(*support, "localhost");
      if (addresses.find("127.0.0.1 1 0; ") == std::string::npos) {
        problems += kind + "localhost resolved to " + addresses + "; ";
      }
      expect(problems, kind + "unknown host", resolved(*support, "no-such-host.invalid"), "-1");
    }
    return problems;
  });
  EXPECT_EQ(report, "");
}

}  // namespace
