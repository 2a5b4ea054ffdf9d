#include "tests/support/scripted_agent.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>

#include <functional>
#include <optional>
#include <string>

#include "tests/support/loopback.h"
#include "tests/support/requirements.h"
#include "tests/support/snmp_wire.h"
#include "tests/support/udp_client.h"

namespace vex::test {
namespace {

using nlohmann::json;
using std::chrono::milliseconds;

constexpr const char* kSysName = "1.3.6.1.2.1.1.5.0";
constexpr const char* kSysObjectId = "1.3.6.1.2.1.1.2.0";

std::optional<wire::Message> decoded(const std::optional<Datagram>& datagram) {
  if (!datagram) return std::nullopt;
  return wire::decode(datagram->bytes);
}

// A raw UDP client in front of one scripted agent.
class ScriptedAgentTest : public ::testing::Test {
 protected:
  void SetUp() override { DVK_REQUIRE_AGENTS(); }

  bool start(json script, std::string address = {}) {
    agent_.emplace(ScriptedOptions{.script = std::move(script), .address = std::move(address)});
    EXPECT_TRUE(agent_->ok()) << agent_->error();
    return agent_->ok();
  }

  void send(std::int32_t request_id, std::vector<std::string> oids = {kSysName},
            std::uint8_t pdu = wire::kGet) {
    ASSERT_TRUE(client_.send_to(agent_->address(), agent_->port(),
                                wire::encode(wire::request(pdu, request_id, oids))));
  }

  std::optional<Datagram> receive(milliseconds timeout = milliseconds(300),
                                  std::size_t capacity = 65535) {
    return client_.receive(timeout, capacity);
  }

  std::optional<ScriptedAgent> agent_;
  UdpClient client_{AF_INET};
};

struct BehaviourCase {
  const char* name;
  json rule;
  std::function<void(const std::optional<Datagram>&)> check;
};

void PrintTo(const BehaviourCase& c, std::ostream* out) { *out << c.name; }

class Behaviours : public ScriptedAgentTest, public ::testing::WithParamInterface<BehaviourCase> {};

TEST_P(Behaviours, ShapeTheAnswerToOneGet) {
  ASSERT_TRUE(start({{"rules", json::array({GetParam().rule})}}));
  send(41);
  GetParam().check(receive(milliseconds(400), 2048));
  const json received = agent_->received();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0]["request_id"], 41);
  EXPECT_EQ(received[0]["pdu"], "get");
  EXPECT_EQ(received[0]["community"], "public");
  EXPECT_EQ(received[0]["varbinds"][0][0], kSysName);
}

const BehaviourCase kBehaviours[] = {
    {"answer",
     {{"action", "answer"}},
     [](const std::optional<Datagram>& datagram) {
       const auto answer = decoded(datagram);
       ASSERT_TRUE(answer);
       EXPECT_EQ(answer->pdu_type, wire::kResponse);
       EXPECT_EQ(answer->request_id, 41);
       EXPECT_EQ(answer->bindings.at(0).value.as_text(), "scripted-agent");
     }},
    {"silent",
     {{"action", "silent"}},
     [](const std::optional<Datagram>& datagram) { EXPECT_FALSE(datagram); }},
    {"wrong_id",
     {{"action", "wrong_id"}, {"request_id", "+7"}},
     [](const std::optional<Datagram>& datagram) {
       const auto answer = decoded(datagram);
       ASSERT_TRUE(answer);
       EXPECT_EQ(answer->request_id, 48);
     }},
    {"too_big",
     {{"action", "too_big"}},
     [](const std::optional<Datagram>& datagram) {
       const auto answer = decoded(datagram);
       ASSERT_TRUE(answer);
       EXPECT_EQ(answer->error_status, 1);
       EXPECT_EQ(answer->error_index, 0);
       EXPECT_EQ(answer->request_id, 41);
     }},
    {"error",
     {{"action", "error"}, {"error_status", 2}, {"error_index", 1}},
     [](const std::optional<Datagram>& datagram) {
       const auto answer = decoded(datagram);
       ASSERT_TRUE(answer);
       EXPECT_EQ(answer->error_status, 2);
       EXPECT_EQ(answer->error_index, 1);
     }},
    {"junk",
     {{"action", "junk"}, {"junk_size", 40}},
     [](const std::optional<Datagram>& datagram) {
       ASSERT_TRUE(datagram);
       EXPECT_EQ(datagram->length, 40u);
       EXPECT_FALSE(decoded(datagram));
     }},
    {"oversized",
     {{"action", "oversized"}},
     [](const std::optional<Datagram>& datagram) {
       ASSERT_TRUE(datagram);
       EXPECT_EQ(datagram->length, 2049u) << "one byte beyond a 2048-byte receive area";
       EXPECT_EQ(datagram->bytes.size(), 2048u);
     }},
};

INSTANTIATE_TEST_SUITE_P(OneRequest, Behaviours, ::testing::ValuesIn(kBehaviours),
                         [](const auto& test_case) { return std::string(test_case.param.name); });

TEST_F(ScriptedAgentTest, OversizedAnswerIsAWholeMessageWhenReadInFull) {
  ASSERT_TRUE(start({{"rules", {{{"action", "oversized"}, {"pad_to", 3000}}}}}));
  send(5);
  const auto answer = decoded(receive());
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->request_id, 5);
  EXPECT_EQ(wire::encode(*answer).size(), 3000u);
}

TEST_F(ScriptedAgentTest, LateAnswerComesAfterItsDelayWhileTheAgentKeepsListening) {
  ASSERT_TRUE(
      start({{"rules", {{{"match", {{"request", 1}}}, {"action", "late"}, {"delay_ms", 400}}}}}));
  send(1);
  send(2);  // answered at once although the first answer is still waiting
  const auto first = decoded(receive());
  ASSERT_TRUE(first);
  EXPECT_EQ(first->request_id, 2);
  const auto second = decoded(receive(milliseconds(1000)));
  ASSERT_TRUE(second);
  EXPECT_EQ(second->request_id, 1);
  ASSERT_TRUE(agent_->wait_sent(2, milliseconds(500)));
  const json sent = agent_->sent();
  EXPECT_GE(sent[1]["t_ms"].get<int>() - agent_->received()[0]["t_ms"].get<int>(), 400);
}

TEST_F(ScriptedAgentTest, SendListAnswersWithAnotherIdFirstThenRight) {
  ASSERT_TRUE(start({{"rules", {{{"send", {{{"request_id", "+1"}}, {{"delay_ms", 50}}}}}}}}));
  send(9);
  const auto stale = decoded(receive());
  const auto right = decoded(receive());
  ASSERT_TRUE(stale && right);
  EXPECT_EQ(stale->request_id, 10);
  EXPECT_EQ(right->request_id, 9);
}

TEST_F(ScriptedAgentTest, AnswersFromAnotherAddress) {
  LoopbackAddress other = LoopbackAddress::ipv4();
  ASSERT_TRUE(other.valid());
  const std::string other_address = other.text();
  ASSERT_TRUE(start({{"rules", {{{"action", "other_address"}, {"from", other_address}}}}}));
  send(3);
  const auto datagram = receive();
  ASSERT_TRUE(datagram);
  EXPECT_EQ(datagram->from, other_address);
  EXPECT_EQ(datagram->port, 161);
  EXPECT_NE(datagram->from, agent_->address());
  EXPECT_EQ(decoded(datagram)->request_id, 3) << "the right request-id";
}

TEST_F(ScriptedAgentTest, RulesMatchRequestNumberAndBindingCount) {
  ASSERT_TRUE(start({{"rules",
                      {{{"match", {{"request", 1}}}, {"action", "silent"}},
                       {{"match", {{"min_varbinds", 3}}}, {"action", "too_big"}}}}}));
  send(1);
  EXPECT_FALSE(receive(milliseconds(200))) << "the first request goes unanswered";
  send(1);  // the retry
  EXPECT_EQ(decoded(receive())->error_status, 0);
  send(2, {kSysName, kSysObjectId, "1.3.6.1.2.1.1.6.0"});
  EXPECT_EQ(decoded(receive())->error_status, 1) << "three bindings are too big";
  send(3, {kSysName, kSysObjectId});
  const auto two = decoded(receive());
  ASSERT_TRUE(two);
  EXPECT_EQ(two->error_status, 0);
  EXPECT_EQ(two->bindings.size(), 2u);
}

TEST_F(ScriptedAgentTest, WalksAndSetsItsObjects) {
  ASSERT_TRUE(start({{"objects",
                      {{"1.3.6.1.2.1.43.8.2.1.2.1.1", "integer", 5},
                       {"1.3.6.1.2.1.43.8.2.1.2.1.2", "integer", 3},
                       {"1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66", "integer", 0}}}}));
  send(1, {"1.3.6.1.2.1.43.8.2.1.2"}, wire::kGetNext);
  auto row = decoded(receive());
  ASSERT_TRUE(row);
  EXPECT_EQ(row->bindings.at(0).oid, "1.3.6.1.2.1.43.8.2.1.2.1.1");
  send(2, {"1.3.6.1.2.1.43.8.2.1.2.1.2"}, wire::kGetNext);
  row = decoded(receive());
  EXPECT_EQ(row->bindings.at(0).oid, "1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66");
  send(3, {"1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66"}, wire::kGetNext);
  EXPECT_EQ(decoded(receive())->error_status, 2) << "SNMPv1 end of the MIB: noSuchName";

  auto set = wire::request(wire::kSet, 4, {}, "private");
  set.bindings = {{"1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66", wire::Value::integer(1414)}};
  ASSERT_TRUE(client_.send_to(agent_->address(), agent_->port(), wire::encode(set)));
  EXPECT_EQ(decoded(receive())->error_status, 0);
  send(5, {"1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66"});
  EXPECT_EQ(decoded(receive())->bindings.at(0).value.as_integer(), 1414);
  const json received = agent_->received();
  ASSERT_EQ(received.size(), 5u);
  EXPECT_EQ(received[3]["pdu"], "set");
  EXPECT_EQ(received[3]["community"], "private");
  EXPECT_EQ(received[3]["varbinds"][0][2], 1414);
}

TEST_F(ScriptedAgentTest, IgnoresOtherCommunitiesAndRecordsJunk) {
  ASSERT_TRUE(start({{"community", "secret"}}));
  send(1);
  EXPECT_FALSE(receive(milliseconds(200)));
  const std::vector<std::uint8_t> junk{0xFF, 0x00, 0x13};
  ASSERT_TRUE(client_.send_to(agent_->address(), agent_->port(), junk));
  ASSERT_TRUE(agent_->wait_received(2, milliseconds(1000)));
  const json received = agent_->received();
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0]["ignored"], "community");
  EXPECT_EQ(received[1]["decoded"], false);
  EXPECT_EQ(received[1]["hex"], "ff0013");
}

TEST_F(ScriptedAgentTest, StopEndsTheProcessAndKeepsTheReport) {
  ASSERT_TRUE(start(json::object()));
  send(77);
  ASSERT_TRUE(receive());
  ASSERT_TRUE(agent_->wait_sent(1, milliseconds(500)));
  const pid_t pid = agent_->pid();
  const json report = agent_->stop();
  EXPECT_NE(::kill(pid, 0), 0);
  ASSERT_EQ(report.value("received", json::array()).size(), 1u);
  EXPECT_EQ(report["received"][0]["request_id"], 77);
  ASSERT_EQ(report.value("sent", json::array()).size(), 1u);
  EXPECT_EQ(report["sent"][0]["source"], agent_->address());
}

TEST(ScriptedAgentIpv6, AnswersOnTheIpv6Loopback) {
  DVK_REQUIRE_AGENTS();
  const LoopbackAddress loopback = LoopbackAddress::ipv6();
  ASSERT_TRUE(loopback.valid()) << "::1 port 161 stayed taken";
  ScriptedAgent agent({.address = loopback.text()});
  ASSERT_TRUE(agent.ok()) << agent.error();
  UdpClient client(AF_INET6);
  ASSERT_TRUE(client.send_to("::1", 161, wire::encode(wire::request(wire::kGet, 6, {kSysName}))));
  const auto answer = decoded(client.receive(milliseconds(500)));
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->request_id, 6);
  EXPECT_EQ(agent.received().at(0)["from"], "::1");
}

}  // namespace
}  // namespace vex::test
