#include "net/route_choice.h"

#include <gtest/gtest.h>

#include <vector>

#include "net/local_route_lookup.h"

namespace {

std::uint32_t ip(const char* text) {
  std::uint32_t value = 0;
  EXPECT_TRUE(parse_dotted_ipv4(text, &value)) << text;
  return value;
}

RouteRecord route(const char* destination, const char* mask, std::uint32_t interface_index) {
  return {ip(destination), ip(mask), 0, 3, interface_index};
}

const std::vector<AddressRecord> kAddresses = {
    {1, 0xFFFFFF00u, 0, 0xC6120A0Au},  // 198.18.10.10 on 1
    {2, 0xFFFFFF00u, 0, 0xC612140Au},  // 198.18.20.10 on 2
    {3, 0xFFFFFF00u, 0, 0},            // 3 holds 0.0.0.0
    {2, 0xFFFFFF00u, 0, 0xC612140Bu},  // a second address of 2 is never chosen
};

struct ChoiceCase {
  const char* name;
  std::vector<RouteRecord> routes;
  const char* destination;
  vex::Result result;
  const char* local;
};

TEST(RouteChoice, PicksTheInterfaceOfTheBestRoute) {
  const ChoiceCase cases[] = {
      {"host route beats the connected subnet",
       {route("198.18.10.0", "255.255.255.0", 1), route("198.18.10.77", "255.255.255.255", 2)},
       "198.18.10.77",
       0,
       "198.18.20.10"},
      {"longest prefix wins",
       {route("198.18.0.0", "255.255.0.0", 1), route("198.18.30.0", "255.255.255.0", 2)},
       "198.18.30.5",
       0,
       "198.18.20.10"},
      {"first of two equal masks in table order",
       {route("203.0.113.0", "255.255.255.0", 2), route("203.0.113.0", "255.255.255.0", 1)},
       "203.0.113.9",
       0,
       "198.18.20.10"},
      {"default route only", {route("0.0.0.0", "0.0.0.0", 1)}, "192.0.2.1", 0, "198.18.10.10"},
      {"no route", {route("198.18.10.0", "255.255.255.0", 1)}, "192.0.2.1", -1, nullptr},
      {"empty table", {}, "192.0.2.1", -1, nullptr},
      {"interface without address ends the choice",
       {route("192.0.2.0", "255.255.255.0", 9), route("0.0.0.0", "0.0.0.0", 1)},
       "192.0.2.1",
       -2,
       nullptr},
      {"address 0.0.0.0 falls through to the default route",
       {route("192.0.2.0", "255.255.255.0", 3), route("0.0.0.0", "0.0.0.0", 2)},
       "192.0.2.1",
       0,
       "198.18.20.10"},
      {"exact route with address 0.0.0.0 falls through to the default route",
       {route("192.0.2.1", "255.255.255.255", 3), route("0.0.0.0", "0.0.0.0", 1)},
       "192.0.2.1",
       0,
       "198.18.10.10"},
  };
  for (const ChoiceCase& row : cases) {
    std::uint32_t local = 0;
    const vex::Result result = choose_local_address(
        ip(row.destination), row.routes,
        [](std::vector<AddressRecord>* table) {
          *table = kAddresses;
          return vex::kOk;
        },
        &local);
    EXPECT_EQ(result, row.result) << row.name;
    if (row.local != nullptr) {
      EXPECT_EQ(local, ip(row.local)) << row.name;
    }
  }
}

TEST(RouteChoice, AddressTableIsFetchedOnlyWhenARouteMatchesAndItsErrorIsReturned) {
  int fetches = 0;
  const auto failing = [&fetches](std::vector<AddressRecord>*) {
    ++fetches;
    return vex::kCannotLoad;
  };
  std::uint32_t local = 0;
  EXPECT_EQ(choose_local_address(ip("192.0.2.1"), {route("198.18.0.0", "255.255.0.0", 1)}, failing,
                                 &local),
            -1);
  EXPECT_EQ(fetches, 0);
  EXPECT_EQ(choose_local_address(ip("198.18.1.1"), {route("198.18.0.0", "255.255.0.0", 1)}, failing,
                                 &local),
            -10);
  EXPECT_EQ(fetches, 1);
}

TEST(DottedIpv4, ReadsLikeScanfAndWritesBack) {
  std::uint32_t value = 0;
  EXPECT_TRUE(parse_dotted_ipv4("192.0.2.1", &value));
  EXPECT_EQ(value, 0xC0000201u);
  EXPECT_FALSE(parse_dotted_ipv4("192.0.2", &value));
  EXPECT_FALSE(parse_dotted_ipv4("fe80::1", &value));
  EXPECT_FALSE(parse_dotted_ipv4(nullptr, &value));
  char text[16];
  format_dotted_ipv4(0xC6120A0Au, text);
  EXPECT_STREQ(text, "198.18.10.10");
}

TEST(LocalRouteLookup, WithoutAnyProviderTheTablesAreNotInitialised) {
  LocalRouteLookup lookup({[] { return std::unique_ptr<NetTableProvider>(); }});
  std::uint32_t local = 0;
  EXPECT_EQ(lookup.local_ipv4_address_for(0xC0000201u, &local), -8);
  EXPECT_EQ(lookup.provider(), nullptr);
}

}  // namespace
