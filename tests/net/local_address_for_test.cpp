// The address-object front of the local route lookup, over tables the test
// makes up.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "net/local_route_lookup.h"
#include "snmp/model/model_heap.h"
#include "tests/net/transport_answers.h"

namespace {

using namespace transport_test;

// One default route on interface 2, which holds 198.18.20.10.
class FixedTables final : public NetTableProvider {
 public:
  explicit FixedTables(int* loads) : loads_(loads) {}
  const char* library_name() const override { return "fixed"; }
  vex::Result route_table(std::vector<RouteRecord>* routes) override {
    *routes = {{0, 0, 0xC6121401u, 4, 2}};
    return vex::kOk;
  }
  vex::Result address_table(std::vector<AddressRecord>* addresses) override {
    *addresses = {{2, 0xFFFFFF00u, 0, 0xC612140Au}};
    return vex::kOk;
  }

 protected:
  vex::Result resolve() override {
    ++*loads_;
    return vex::kOk;
  }

 private:
  int* loads_;
};

class LocalAddressFor : public ::testing::Test {
 protected:
  std::string local_for(const IVexNetworkAddress* target) {
    IVexNetworkAddress* raw = nullptr;
    const vex::Result result = lookup_.local_address_for(target, &raw);
    return address_answer(result, raw);
  }

  int loads_ = 0;
  LocalRouteLookup lookup_{{[this] { return std::make_unique<FixedTables>(&loads_); }}};
};

TEST_F(LocalAddressFor, AnswersWithTheDestinationsProtocolAndPort) {
  EXPECT_EQ(local_for(destination("192.0.2.1", 1, 161).get()), "198.18.20.10 1 161");
  EXPECT_EQ(local_for(destination("192.0.2.1", 1, 0).get()), "198.18.20.10 1 0");
  EXPECT_EQ(loads_, 1);  // the provider is loaded once
}

TEST_F(LocalAddressFor, RefusalsLoadNoProvider) {
  EXPECT_EQ(local_for(destination("2001:db8::1", 4).get()), "-5");
  EXPECT_EQ(local_for(destination("0000000a:00a0b1c2d3e4", 2).get()), "-5");
  EXPECT_EQ(local_for(destination("printer", 1).get()), "-2");
  EXPECT_EQ(local_for(destination(nullptr, 1).get()), "-2");
  EXPECT_EQ(local_for(nullptr), "-2");
  EXPECT_EQ(lookup_.local_address_for(destination("192.0.2.1", 1).get(), nullptr), -2);
  EXPECT_EQ(lookup_.provider(), nullptr);
  EXPECT_EQ(loads_, 0);
}

TEST_F(LocalAddressFor, NoMemoryForTheAnswer) {
  const Owned<IVexNetworkAddress> target = destination("192.0.2.1", 1, 161);
  IVexNetworkAddress* raw = nullptr;
  {
    const vex::AllocationLimit none(0);
    EXPECT_EQ(lookup_.local_address_for(target.get(), &raw), -3);
  }
  EXPECT_EQ(raw, nullptr);
}

TEST(LocalAddressForWithoutProvider, AnswersNotInitialised) {
  LocalRouteLookup lookup({[] { return std::unique_ptr<NetTableProvider>(); }});
  IVexNetworkAddress* raw = nullptr;
  EXPECT_EQ(lookup.local_address_for(destination("192.0.2.1", 1).get(), &raw), -8);
  EXPECT_EQ(raw, nullptr);
}

}  // namespace
