// DvkTransportAvailable as a host sees it, inside network namespaces with and
// without addresses.
#include <gtest/gtest.h>

#include <string>

#include "tests/common/fresh_namespace.h"
#include "tests/common/peer_namespace.h"
#include "tests/plugin/plugin_library.h"

namespace {

class TransportAvailable : public ::testing::Test {
 protected:
  void SetUp() override {
    DVK_REQUIRE_NAMESPACES();
    ASSERT_EQ(plugin.error(), "");
  }

  // "code=answer " for the host's transport codes 0 to 7.
  static std::string answers() {
    std::string text;
    for (std::int32_t code = 0; code <= 7; ++code) {
      text += std::to_string(code) + "=" + std::to_string(plugin.DvkTransportAvailable(code)) + " ";
    }
    return text;
  }

  static PluginLibrary plugin;
};

PluginLibrary TransportAvailable::plugin;

TEST_F(TransportAvailable, NothingButLoopback) {
  const std::string report = run_in_fresh_namespace([] {
    if (std::string failed = run_commands({"ip link set lo up"}); !failed.empty()) return failed;
    return answers();
  });
  EXPECT_EQ(report, "0=0 1=0 2=0 3=0 4=0 5=0 6=0 7=0 ");
}

TEST_F(TransportAvailable, InterfaceWithIpv4AndIpv6Addresses) {
  const std::string report = run_in_fresh_namespace([] {
    const PeerNamespace peer;
    if (!peer.ready()) return std::string("no peer namespace");
    if (std::string failed = run_commands({
            "ip link set lo up",
            peer.veth("t1"),
            "ip link set t1 up",
            "ip addr add 198.18.9.1/24 dev t1",
            "ip -6 addr add 2001:db8:9::1/64 dev t1 nodad",
        });
        !failed.empty()) {
      return failed;
    }
    return answers();
  });
  // 1 IPv4 and 5 IPv6 are usable; this kernel has no IPX (2); 3 is served by
  // no transport; 0, 4, 6 and 7 are no transport codes.
  EXPECT_EQ(report, "0=0 1=1 2=0 3=0 4=0 5=1 6=0 7=0 ");
}

}  // namespace
