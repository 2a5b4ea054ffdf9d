// Transport availability and the adapter services over interface lists the
// test makes up, so every answer of the lists can be reached.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "framework/ownership.h"
#include "net/basic_transport_support.h"
#include "net/full_transport_support.h"
#include "net/network_address.h"
#include "platform/ip_help_api.h"
#include "platform/socket_api.h"
#include "snmp/model/vex_buffer.h"
#include "tests/net/transport_answers.h"

namespace {

using namespace transport_test;

struct Fake {
  static inline VexIpv4AdapterList ipv4;
  static inline VexIpv6AdapterList ipv6;
  static inline std::uint32_t ipv4_size_answer = kIpHelpBufferOverflow;
  static inline std::uint32_t ipv4_fill_answer = kIpHelpSuccess;
  static inline std::uint32_t ipv6_size_answer = kIpHelpBufferOverflow;
  static inline std::uint32_t ipv6_fill_answer = kIpHelpSuccess;
  static inline std::uint32_t best_answer = kIpHelpSuccess;
  static inline std::uint32_t best_index = 0;

  static std::uint32_t adapters_info(VexIpv4AdapterList* list) {
    if (list == nullptr) return ipv4_size_answer;
    *list = ipv4;
    return ipv4_fill_answer;
  }
  static std::uint32_t adapters_addresses(std::uint32_t family, std::uint32_t flags,
                                          VexIpv6AdapterList* list) {
    EXPECT_EQ(family, 23u);
    EXPECT_EQ(flags, 0x1Eu);
    if (list == nullptr) return ipv6_size_answer;
    *list = ipv6;
    return ipv6_fill_answer;
  }
  static std::uint32_t best_interface(const sockaddr* destination, std::uint32_t* index) {
    EXPECT_EQ(destination->sa_family, AF_INET6);
    *index = best_index;
    return best_answer;
  }
};

VexHardwareAddress mac(std::uint8_t last) { return {{0x02, 0x00, 0x5e, 0x10, 0x20, last}, 6}; }

VexIpv4Adapter ipv4_adapter(std::uint32_t index, std::uint32_t type, std::uint8_t mac_end,
                            std::vector<std::string> addresses) {
  VexIpv4Adapter adapter;
  adapter.name = "if" + std::to_string(index);
  adapter.index = index;
  adapter.type = type;
  adapter.hardware_address = mac(mac_end);
  adapter.ip_addresses = std::move(addresses);
  return adapter;
}

sockaddr_in6 in6(const char* text, std::uint32_t scope = 0) {
  sockaddr_in6 address{};
  address.sin6_family = AF_INET6;
  address.sin6_scope_id = scope;
  EXPECT_EQ(inet_pton(AF_INET6, text, &address.sin6_addr), 1) << text;
  return address;
}

VexIpv6Adapter ipv6_adapter(std::uint32_t index, std::uint32_t type, std::uint8_t mac_end,
                            std::vector<sockaddr_in6> addresses) {
  VexIpv6Adapter adapter;
  adapter.name = "if" + std::to_string(index);
  adapter.ipv4_index = index;
  adapter.ipv6_index = index;
  adapter.type = type;
  adapter.hardware_address = mac(mac_end);
  adapter.unicast_addresses = std::move(addresses);
  return adapter;
}

constexpr std::uint32_t kLoopback = kInterfaceTypeSoftwareLoopback;
constexpr std::uint32_t kEthernet = kInterfaceTypeEthernet;
constexpr std::uint32_t kTunnel = kInterfaceTypeTunnel;

class AdapterServices : public ::testing::Test {
 protected:
  void SetUp() override {
    Fake::ipv4.clear();
    Fake::ipv6.clear();
    Fake::ipv4_size_answer = Fake::ipv6_size_answer = kIpHelpBufferOverflow;
    Fake::ipv4_fill_answer = Fake::ipv6_fill_answer = kIpHelpSuccess;
    Fake::best_answer = kIpHelpSuccess;
    Fake::best_index = 0;
    install(platform());
  }
  void TearDown() override { NVexIpHelpAPI::replace_platform(NVexIpHelpAPI::system_platform()); }

  static NVexIpHelpAPI::Platform platform() {
    return {true, {&Fake::best_interface, &Fake::adapters_info, &Fake::adapters_addresses}};
  }
  static void install(const NVexIpHelpAPI::Platform& p) { NVexIpHelpAPI::replace_platform(p); }
  static void library_missing() { install({false, platform().functions}); }

  // Installs the made-up platform without one of its queries.
  template <class Function>
  static std::function<void()> without(Function VexIpHelpFunctions::*query) {
    return [query] {
      NVexIpHelpAPI::Platform p = platform();
      p.functions.*query = nullptr;
      install(p);
    };
  }

  struct AvailabilityRow {
    const char* name;
    std::function<void()> arrange;
    bool available;
  };

  // Each row starts from empty lists that answer as a working platform does.
  void check_availability(std::int32_t protocol, const std::vector<AvailabilityRow>& rows) {
    for (const AvailabilityRow& row : rows) {
      SetUp();
      row.arrange();
      EXPECT_EQ(available(protocol), row.available) << row.name;
    }
  }

  // Asked twice from both starting values, so an answer left unwritten shows.
  bool available(std::int32_t protocol) {
    bool from_true = true;
    bool from_false = false;
    EXPECT_EQ(support_.transport_available(protocol, &from_true), 0) << "protocol " << protocol;
    EXPECT_EQ(support_.transport_available(protocol, &from_false), 0) << "protocol " << protocol;
    EXPECT_EQ(from_true, from_false) << "protocol " << protocol;
    return from_false;
  }

  CVexFullTransportSupport support_;
};

TEST_F(AdapterServices, Ipv4IsAvailableWhenAnAdapterOtherThanLoopbackHasAnAddress) {
  check_availability(
      1, {
             {"no data", [] { Fake::ipv4_size_answer = kIpHelpNoData; }, false},
             {"loopback only", [] { Fake::ipv4 = {ipv4_adapter(1, kLoopback, 0, {"127.0.0.1"})}; },
              false},
             {"unconfigured adapter",
              [] { Fake::ipv4 = {ipv4_adapter(2, kEthernet, 2, {"0.0.0.0"})}; }, false},
             {"second address counts",
              [] {
                Fake::ipv4 = {ipv4_adapter(1, kLoopback, 0, {"127.0.0.1"}),
                              ipv4_adapter(2, kEthernet, 2, {"0.0.0.0", "198.18.0.9"})};
              },
              true},
             // Without an answer from the list the trial socket decides, and it opens here.
             {"filling call fails",
              [] {
                Fake::ipv4 = {ipv4_adapter(1, kLoopback, 0, {"127.0.0.1"})};
                Fake::ipv4_fill_answer = 87;
              },
              true},
             {"other size answer", [] { Fake::ipv4_size_answer = 87; }, true},
             {"query missing", without(&VexIpHelpFunctions::get_adapters_info), true},
             {"library missing", library_missing, true},
         });
}

std::atomic<int> socket_calls{0};
std::atomic<int> asked_family{-1};

TEST_F(AdapterServices, TrialSocketGoesThroughTheSocketTable) {
  Fake::ipv4_size_answer = 87;
  socket_calls = 0;
  {
    const vex::ScopedSocketOverride refused(&VexSocketFunctions::socket, [](int family, int, int) {
      ++socket_calls;
      asked_family = family;
      errno = EAFNOSUPPORT;
      return -1;
    });
    EXPECT_FALSE(available(1));
    EXPECT_EQ(asked_family.load(), AF_INET);
    EXPECT_FALSE(available(2));
    EXPECT_EQ(asked_family.load(), AF_IPX);
    EXPECT_EQ(socket_calls.load(), 4);
    for (std::int32_t other : {0, 3, 5, -1}) EXPECT_FALSE(available(other)) << other;
    EXPECT_EQ(socket_calls.load(), 4);  // refused without a trial
  }
  {
    const vex::ScopedSocketOverride opens(
        &VexSocketFunctions::socket, [](int, int type, int) { return ::socket(AF_INET, type, 0); });
    EXPECT_TRUE(available(2));
  }
  EXPECT_FALSE(available(2));  // this kernel has no IPX
  EXPECT_EQ(support_.transport_available(1, nullptr), -2);
}

TEST_F(AdapterServices, Ipv6IsAvailableWhenAnAdapterOtherThanLoopbackOrTunnelHasAnAddress) {
  check_availability(
      4,
      {
          {"no data", [] { Fake::ipv6_size_answer = kIpHelpNoData; }, false},
          {"loopback and tunnel",
           [] {
             Fake::ipv6 = {ipv6_adapter(1, kLoopback, 0, {in6("::1")}),
                           ipv6_adapter(3, kTunnel, 3, {in6("2001:db8::3")})};
           },
           false},
          {"no unicast address", [] { Fake::ipv6 = {ipv6_adapter(2, kEthernet, 2, {})}; }, false},
          {"first address all zero",
           [] {
             Fake::ipv6 = {ipv6_adapter(2, kEthernet, 2, {in6("::"), in6("2001:db8::2")})};
           },
           false},
          {"link-local address",
           [] { Fake::ipv6 = {ipv6_adapter(2, kEthernet, 2, {in6("fe80::2", 2)})}; }, true},
          {"filling call fails",
           [] {
             Fake::ipv6 = {ipv6_adapter(2, kEthernet, 2, {in6("2001:db8::2")})};
             Fake::ipv6_fill_answer = 87;
           },
           false},
          {"query missing", without(&VexIpHelpFunctions::get_adapters_addresses), false},
          {"library missing", library_missing, false},
      });
}

TEST_F(AdapterServices, InterfaceCounts) {
  Fake::ipv4 = {ipv4_adapter(1, kLoopback, 0, {"127.0.0.1"}),
                ipv4_adapter(2, kEthernet, 2, {"0.0.0.0"}),
                ipv4_adapter(3, kEthernet, 3, {"198.18.0.3"})};
  Fake::ipv6 = {ipv6_adapter(1, kLoopback, 0, {in6("::1")}), ipv6_adapter(2, kEthernet, 2, {}),
                ipv6_adapter(3, kEthernet, 3, {in6("fe80::3", 3)}),
                ipv6_adapter(4, kTunnel, 4, {in6("2001:db8::4")})};
  EXPECT_EQ(count(support_, 1), "2");
  EXPECT_EQ(count(support_, 4), "1");
  EXPECT_EQ(count(support_, 2), "error -2");
  EXPECT_EQ(count(support_, 3), "error -2");
  EXPECT_EQ(support_.interface_count(1, nullptr), -2);

  Fake::ipv4_size_answer = kIpHelpNoData;
  Fake::ipv6_fill_answer = 87;
  EXPECT_EQ(count(support_, 1), "error -7");
  EXPECT_EQ(count(support_, 4), "error -7");
  library_missing();
  EXPECT_EQ(count(support_, 1), "error -10");
  EXPECT_EQ(count(support_, 4), "error -10");
}

TEST_F(AdapterServices, Ipv4HardwareAddressOfTheAdapterWhoseFirstAddressMatches) {
  Fake::ipv4 = {ipv4_adapter(1, kLoopback, 1, {"127.0.0.1"}),
                ipv4_adapter(2, kEthernet, 0xa2, {"198.18.0.1", "198.18.0.2"}),
                ipv4_adapter(3, kEthernet, 0xa3, {"198.18.1.1"})};
  EXPECT_EQ(mac_of(support_, 1, "198.18.1.1"), "02-00-5E-10-20-A3");
  EXPECT_EQ(mac_of(support_, 1, ""), "02-00-5E-10-20-A2");
  EXPECT_EQ(mac_of(support_, 1, "198.18.0.2"), "-7");   // only the first address is compared
  EXPECT_EQ(mac_of(support_, 1, "127.0.0.1"), "-7");    // loopback adapters are skipped
  EXPECT_EQ(mac_of(support_, 1, "198.018.1.1"), "-7");  // the texts are compared as they are
  EXPECT_EQ(mac_of(support_, 3, "198.18.1.1"), "-2");
  EXPECT_EQ(mac_of(support_, 1, nullptr), "-2");
  Fake::ipv4_size_answer = kIpHelpNoData;
  EXPECT_EQ(mac_of(support_, 1, ""), "-7");
}

TEST_F(AdapterServices, Ipv6HardwareAddressByCanonicalTextWithOrWithoutScope) {
  Fake::ipv6 = {
      ipv6_adapter(1, kLoopback, 1, {in6("::1")}),
      ipv6_adapter(4, kTunnel, 0xa4, {in6("2001:db8::4")}),
      ipv6_adapter(2, kEthernet, 0xa2, {in6("::"), in6("fe80::2", 2), in6("2001:db8::2")})};
  EXPECT_EQ(mac_of(support_, 4, "2001:DB8::2"), "02-00-5E-10-20-A2");
  EXPECT_EQ(mac_of(support_, 4, "2001:db8:0::2"), "-7");  // the given text is not made canonical
  EXPECT_EQ(mac_of(support_, 4, "fe80::2%2"), "02-00-5E-10-20-A2");
  EXPECT_EQ(mac_of(support_, 4, "FE80::2"), "02-00-5E-10-20-A2");
  EXPECT_EQ(mac_of(support_, 4, "fe80::2%3"), "-7");
  EXPECT_EQ(mac_of(support_, 4, "::"), "-7");  // all-zero addresses are skipped
  EXPECT_EQ(mac_of(support_, 4, "2001:db8::4"), "-7");
  EXPECT_EQ(mac_of(support_, 4, "::1"), "-7");
  EXPECT_EQ(mac_of(support_, 4, ""), "02-00-5E-10-20-A2");
}

TEST_F(AdapterServices, HasMacAddressSearchesIpv4ThenIpv6Adapters) {
  Fake::ipv4 = {ipv4_adapter(1, kLoopback, 1, {"127.0.0.1"}),
                ipv4_adapter(2, kEthernet, 0xa2, {"198.18.0.1"})};
  Fake::ipv6 = {ipv6_adapter(3, kEthernet, 0xa3, {in6("2001:db8::3")}),
                ipv6_adapter(4, kTunnel, 0xa4, {in6("2001:db8::4")}),
                ipv6_adapter(5, kEthernet, 0xa5, {})};
  EXPECT_EQ(has_mac(support_, "02-00-5e-10-20-a2"), "found/0");
  EXPECT_EQ(has_mac(support_, "02-00-5E-10-20-A3"), "found/0");  // only on an IPv6 adapter
  EXPECT_EQ(has_mac(support_, "02-00-5E-10-20-01"), "none/0");   // loopback
  EXPECT_EQ(has_mac(support_, "02-00-5E-10-20-A4"), "none/0");   // tunnel
  EXPECT_EQ(has_mac(support_, "02-00-5E-10-20-A5"), "none/0");   // no IPv6 address
  EXPECT_EQ(has_mac(support_, "02:00:5e:10:20:a2"), "none/0");

  Fake::ipv4_size_answer = kIpHelpNoData;  // the IPv6 search follows a failed IPv4 search
  EXPECT_EQ(has_mac(support_, "02-00-5E-10-20-A3"), "found/0");
  Fake::ipv6_size_answer = kIpHelpNoData;
  EXPECT_EQ(has_mac(support_, "02-00-5E-10-20-A3"), "none/-7");
  bool found = false;
  EXPECT_EQ(support_.has_mac_address(nullptr, &found), -2);
  EXPECT_EQ(support_.has_mac_address("02-00-5E-10-20-A3", nullptr), -2);
}

TEST_F(AdapterServices, LocalAddressTowardIpv6TakesTheBestInterfacesFirstAddress) {
  Fake::ipv6 = {ipv6_adapter(1, kLoopback, 1, {in6("::1")}),
                ipv6_adapter(2, kEthernet, 2, {in6("2001:db8:2::5"), in6("fe80::5", 2)}),
                ipv6_adapter(3, kEthernet, 3, {in6("fe80::3", 3), in6("2001:db8:3::5")}),
                ipv6_adapter(4, kEthernet, 4, {})};
  const Owned<IVexNetworkAddress> target = destination("2001:db8:2::77", 4, 161);
  Fake::best_index = 2;
  EXPECT_EQ(local_toward(support_, target.get()), "2001:db8:2::5 4 161");
  Fake::best_index = 3;
  EXPECT_EQ(local_toward(support_, target.get()), "fe80::3%3 4 161");
  Fake::best_index = 4;
  EXPECT_EQ(local_toward(support_, target.get()), "-1");  // the interface has no address
  Fake::best_index = 9;
  EXPECT_EQ(local_toward(support_, target.get()), "-1");
  Fake::best_answer = kIpHelpNotFound;
  EXPECT_EQ(local_toward(support_, target.get()), "-5");
  Fake::best_answer = kIpHelpSuccess;
  Fake::ipv6_size_answer = kIpHelpNoData;
  EXPECT_EQ(local_toward(support_, target.get()), "-1");
  EXPECT_EQ(local_toward(support_, destination("printer", 4).get()), "-1");

  NVexIpHelpAPI::Platform without_best = platform();
  without_best.functions.get_best_interface_ex = nullptr;
  install(without_best);
  EXPECT_EQ(local_toward(support_, target.get()), "-5");
  library_missing();
  EXPECT_EQ(local_toward(support_, target.get()), "-5");
  CVexBasicTransportSupport basic;
  install(platform());
  EXPECT_EQ(local_toward(basic, target.get()), "-5");  // no name service for IPv6
}

TEST_F(AdapterServices, LocalAddressTowardRefusals) {
  EXPECT_EQ(local_toward(support_, nullptr), "-2");
  EXPECT_EQ(support_.local_address_toward(destination("198.18.0.1", 1).get(), nullptr), -2);
  EXPECT_EQ(local_toward(support_, destination("0000000a:00a0b1c2d3e4", 2).get()), "-5");
  EXPECT_EQ(local_toward(support_, destination("printer", 2).get()), "-2");
  EXPECT_EQ(local_toward(support_, destination("printer", 1).get()), "-2");
  EXPECT_EQ(local_toward(support_, destination("198.18.0.1", 3).get()), "-2");
  EXPECT_EQ(local_toward(support_, destination("198.18.0.1", 0).get()), "-2");
}

}  // namespace
