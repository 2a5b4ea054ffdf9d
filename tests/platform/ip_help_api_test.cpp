#include "platform/ip_help_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "platform/adapter_tables.h"
#include "tests/logging/log_capture.h"

namespace {

// Every case installs its own platform and puts the system's back after.
class IpHelpLayer : public ::testing::Test {
 protected:
  void TearDown() override { NVexIpHelpAPI::replace_platform(NVexIpHelpAPI::system_platform()); }

  static void install(NVexIpHelpAPI::Platform platform) {
    NVexIpHelpAPI::replace_platform(platform);
  }
};

std::uint32_t answers_no_data(VexIpv4AdapterList*) { return kIpHelpNoData; }
std::uint32_t announces_but_fails(VexIpv4AdapterList* list) {
  return list == nullptr ? kIpHelpBufferOverflow : 87;
}
std::uint32_t answers_one(VexIpv4AdapterList* list) {
  if (list == nullptr) return kIpHelpBufferOverflow;
  VexIpv4Adapter adapter;
  adapter.name = "eth9";
  adapter.index = 9;
  adapter.ip_addresses = {"198.18.0.9"};
  list->push_back(adapter);
  return kIpHelpSuccess;
}

TEST_F(IpHelpLayer, MissingLibraryCannotBeLoaded) {
  install({false, NVexIpHelpAPI::system_platform().functions});
  EXPECT_EQ(NVexIpHelpAPI::load(), -10);
  EXPECT_EQ(NVexIpHelpAPI::require(), -10);
  EXPECT_FALSE(NVexIpHelpAPI::is_loaded());
  CVexAdapterTables tables;
  const VexIpv4AdapterList* adapters = nullptr;
  EXPECT_EQ(tables.fetch_ipv4_adapters(&adapters), -10);
}

TEST_F(IpHelpLayer, MissingFunctionIsLoggedAndOnlyItsUsersFail) {
  NVexIpHelpAPI::Platform platform = NVexIpHelpAPI::system_platform();
  platform.functions.get_adapters_addresses = nullptr;
  install(platform);
  const vex::test::LogCapture capture("socket");
  EXPECT_EQ(NVexIpHelpAPI::load(), 0);
  EXPECT_EQ(capture.messages(),
            (std::vector<std::string>{
                "[NVexIpHelpAPI::set_api] enter.",
                "[NVexIpHelpAPI::set_api] fail GetProcAddress \"GetAdaptersAddresses\": "
                "GetLastError()=38",
                "[NVexIpHelpAPI::set_api] exit."}));
  EXPECT_TRUE(NVexIpHelpAPI::is_loaded());
  CVexAdapterTables tables;
  const VexIpv6AdapterList* adapters = nullptr;
  EXPECT_EQ(tables.fetch_ipv6_adapters(&adapters), -10);
  EXPECT_NE(NVexIpHelpAPI::api().get_adapters_info, nullptr);
}

TEST_F(IpHelpLayer, QueryAnswersBecomeResults) {
  struct Row {
    const char* name;
    std::uint32_t (*query)(VexIpv4AdapterList*);
    vex::Result expected;
  };
  const Row rows[] = {{"no data", answers_no_data, -7},
                      {"second call fails", announces_but_fails, -7},
                      {"one adapter", answers_one, 0}};
  for (const Row& row : rows) {
    NVexIpHelpAPI::Platform platform = NVexIpHelpAPI::system_platform();
    platform.functions.get_adapters_info = row.query;
    install(platform);
    CVexAdapterTables tables;
    const VexIpv4AdapterList* adapters = nullptr;
    EXPECT_EQ(tables.fetch_ipv4_adapters(&adapters), row.expected) << row.name;
    if (row.expected == 0) {
      ASSERT_NE(adapters, nullptr);
      ASSERT_EQ(adapters->size(), 1u);
      EXPECT_EQ(adapters->front().ip_addresses.front(), "198.18.0.9");
    }
  }
}

TEST_F(IpHelpLayer, LoadsOnceWhenManyThreadsAsk) {
  install(NVexIpHelpAPI::system_platform());
  std::vector<std::thread> threads;
  std::vector<vex::Result> results(8, -99);
  for (std::size_t i = 0; i < results.size(); ++i) {
    threads.emplace_back([&results, i] { results[i] = NVexIpHelpAPI::load(); });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_TRUE(std::all_of(results.begin(), results.end(), [](vex::Result r) { return r == 0; }));
  EXPECT_TRUE(NVexIpHelpAPI::is_loaded());
}

}  // namespace
