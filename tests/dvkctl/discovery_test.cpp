// dvkctl's search by broadcast in a network of namespaces: the supported
// printer is listed, another model and filtered answers are not.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/dvkctl/device_sessions.h"
#include "tests/dvkctl/dvkctl_runner.h"
#include "tests/support/requirements.h"
#include "tests/support/snmpd_agent.h"
#include "tests/support/test_network.h"

namespace dvkctl::test {
namespace {

using Json = nlohmann::json;
using vex::test::SnmpdAgent;
using vex::test::TestNetwork;

class DvkctlDiscovery : public ::testing::Test {
 protected:
  void SetUp() override {
    DVKCTL_REQUIRE_DEVICE_SESSIONS();
    DVK_REQUIRE_NETWORKS();
    net_ = std::make_unique<TestNetwork>(2);
    ASSERT_TRUE(net_->ok()) << net_->error();
    supported_ = std::make_unique<SnmpdAgent>(vex::test::SnmpdOptions{
        .printer = "quillmark-5150", .address = "any", .netns = net_->agents()[0].netns});
    other_ = std::make_unique<SnmpdAgent>(vex::test::SnmpdOptions{
        .printer = "quillmark-6100", .address = "any", .netns = net_->agents()[1].netns});
    ASSERT_TRUE(supported_->ok()) << supported_->error();
    ASSERT_TRUE(other_->ok()) << other_->error();
  }

  // dvkctl discover run inside the client's namespace.
  Json discover(std::vector<std::string> extra) {
    std::vector<std::string> command{"discover", "--timeout", "300", "--retries", "0", "--json"};
    command.insert(command.end(), extra.begin(), extra.end());
    DvkctlRun run;
    std::string error;
    EXPECT_TRUE(net_->run_in_client([&] { run = run_with_plugin(command); }, &error)) << error;
    EXPECT_EQ(run.exit_code, 0) << describe(run);
    return parsed_output(run);
  }

  std::unique_ptr<TestNetwork> net_;
  std::unique_ptr<SnmpdAgent> supported_;
  std::unique_ptr<SnmpdAgent> other_;
};

TEST_F(DvkctlDiscovery, BroadcastListsOnlyTheSupportedModel) {
  Json found = discover({});
  EXPECT_TRUE(found["destination"].is_null());
  ASSERT_EQ(found["count"], 1) << found;
  EXPECT_EQ(found["printers"][0]["address"], net_->agents()[0].ipv4);
  EXPECT_EQ(found["printers"][0]["model_name"], "Quillmark 5150");
}

TEST_F(DvkctlDiscovery, FiltersKeepOnlyMatchingPrinters) {
  EXPECT_EQ(discover({"--filter", "1.3.6.1.4.1.119"})["count"], 1);
  EXPECT_EQ(discover({"--filter", "1.3.6.1.4.1.253"})["count"], 0);
}

}  // namespace
}  // namespace dvkctl::test
