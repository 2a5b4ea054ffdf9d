#include "tests/support/test_network.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/peer_paths.h"
#include "tests/support/requirements.h"
#include "tests/support/scripted_agent.h"
#include "tests/support/snmp_wire.h"
#include "tests/support/snmpd_agent.h"
#include "tests/support/udp_client.h"

namespace vex::test {
namespace {

using std::chrono::milliseconds;

constexpr const char* kSupportedOid = "1.3.6.1.4.1.119.1.40.297.93.1.38.8.6";

// Senders of the answers to one get of sysObjectID sent to `destination`
// from the client's namespace, with the sysObjectID each one answered.
std::set<std::pair<std::string, std::string>> ask_all(const TestNetwork& net,
                                                      const std::string& destination, int family) {
  std::set<std::pair<std::string, std::string>> answers;
  std::string error;
  const bool entered = net.run_in_client(
      [&] {
        UdpClient client(family);
        ASSERT_TRUE(client.ok());
        if (family == AF_INET) {
          ASSERT_TRUE(client.enable_broadcast());
        }
        const auto request = wire::encode(wire::request(wire::kGet, 21, {"1.3.6.1.2.1.1.2.0"}));
        ASSERT_TRUE(client.send_to(destination, 161, request, net.client().interface));
        for (const auto& datagram : client.receive_all(milliseconds(1500))) {
          const auto answer = wire::decode(datagram.bytes);
          if (answer && answer->request_id == 21 && !answer->bindings.empty()) {
            answers.emplace(datagram.from, answer->bindings[0].value.as_object_id());
          }
        }
      },
      &error);
  EXPECT_TRUE(entered) << error;
  return answers;
}

class TestNetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DVK_REQUIRE_NETWORKS();
    net_ = std::make_unique<TestNetwork>(3);
    ASSERT_TRUE(net_->ok()) << net_->error();
  }

  void start_printers() {
    for (const auto& host : net_->agents()) {
      printers_.push_back(std::make_unique<SnmpdAgent>(
          SnmpdOptions{.printer = "quillmark-5150", .address = "any", .netns = host.netns}));
      ASSERT_TRUE(printers_.back()->ok()) << printers_.back()->error();
    }
  }

  std::unique_ptr<TestNetwork> net_;
  std::vector<std::unique_ptr<SnmpdAgent>> printers_;
};

TEST_F(TestNetworkTest, BroadcastFromTheClientReachesThreeAgents) {
  start_printers();
  std::set<std::pair<std::string, std::string>> expected;
  for (const auto& host : net_->agents()) expected.emplace(host.ipv4, kSupportedOid);
  EXPECT_EQ(ask_all(*net_, "255.255.255.255", AF_INET), expected);
}

TEST_F(TestNetworkTest, MulticastToAllNodesReachesThreeAgents) {
  start_printers();
  std::set<std::pair<std::string, std::string>> expected;
  for (const auto& host : net_->agents()) expected.emplace(host.link_local, kSupportedOid);
  EXPECT_EQ(ask_all(*net_, "ff02::1", AF_INET6), expected);
}

TEST_F(TestNetworkTest, ScriptedAgentsHearTheBroadcastAndAnswerAsScripted) {
  std::vector<std::unique_ptr<ScriptedAgent>> agents;
  for (std::size_t i = 0; i < net_->agents().size(); ++i) {
    nlohmann::json script = nlohmann::json::object();
    if (i == 1) script["rules"] = {{{"action", "silent"}}};
    agents.push_back(std::make_unique<ScriptedAgent>(
        ScriptedOptions{.script = script, .address = "0.0.0.0", .netns = net_->agents()[i].netns}));
    ASSERT_TRUE(agents.back()->ok()) << agents.back()->error();
  }
  const auto answers = ask_all(*net_, "255.255.255.255", AF_INET);
  EXPECT_EQ(answers.size(), 2u) << "the silent agent does not answer";
  for (const auto& agent : agents) {
    const auto received = agent->received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0]["from"], net_->client().ipv4);
  }
}

TEST_F(TestNetworkTest, ClientThreadLivesInTheClientNamespace) {
  bool bound_inside = false;
  ASSERT_TRUE(net_->run_in_client([&] {
    UdpClient client(AF_INET);
    bound_inside = client.bind(net_->client().ipv4);
  }));
  EXPECT_TRUE(bound_inside);
  UdpClient outside(AF_INET);
  EXPECT_FALSE(outside.bind(net_->client().ipv4)) << "the address exists only in the namespace";
}

TEST_F(TestNetworkTest, TearDownEndsWhatRunsInsideAndRemovesEveryNamespace) {
  std::string error;
  ChildProcess left_behind = ChildProcess::spawn(
      SpawnOptions{.argv = {"/bin/sleep", "30"}, .netns = net_->agents()[0].netns}, &error);
  ASSERT_TRUE(left_behind.started()) << error;
  const auto spaces = net_->namespaces();
  ASSERT_EQ(spaces.size(), 5u);
  for (const auto& space : spaces) EXPECT_TRUE(netns_exists(space)) << space;
  net_->tear_down();
  for (const auto& space : spaces) EXPECT_FALSE(netns_exists(space)) << space;
  const auto status = left_behind.wait_for(milliseconds(2000));
  ASSERT_TRUE(status) << "the process inside still runs";
  EXPECT_TRUE(WIFSIGNALED(*status));
}

TEST_F(TestNetworkTest, NetworkOfADeadOwnerIsSweptByTheNextOne) {
  std::string error;
  ChildProcess owner = ChildProcess::spawn(SpawnOptions{.argv = {"/bin/true"}}, &error);
  ASSERT_TRUE(owner.started()) << error;
  const pid_t dead = owner.pid();
  ASSERT_TRUE(owner.wait_for(milliseconds(2000)));
  const auto orphan = run_command(
      {kPython, peer_tool("testnet.py"), "up", "--agents", "1", "--owner", std::to_string(dead)});
  ASSERT_EQ(orphan.exit_code, 0) << orphan.output;
  const auto layout = nlohmann::json::parse(orphan.output);
  const std::string client = layout["client"]["netns"];
  // A network that another test builds meanwhile may sweep the orphan first;
  // either way it is gone once the next network here is built.
  TestNetwork next(1);
  ASSERT_TRUE(next.ok()) << next.error();
  EXPECT_FALSE(netns_exists(client));
  EXPECT_FALSE(netns_exists(layout["hub"].get<std::string>()));
}

}  // namespace
}  // namespace vex::test
