#include "tests/support/snmpd_agent.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/requirements.h"
#include "tests/support/snmp_exchange.h"

namespace vex::test {
namespace {

using std::chrono::milliseconds;

constexpr const char* kSupportedOid = "1.3.6.1.4.1.119.1.40.297.93.1.38.8.6";
constexpr const char* kCancelJob12 = "1.3.6.1.4.1.253.8.76.3.2.1.1.101.8.48.48.48.48.48.48.49.50";

std::optional<wire::Message> get(const SnmpdAgent& agent, std::vector<std::string> oids,
                                 const std::string& community = "public", int version = 0) {
  static std::int32_t request_id = 100;
  return exchange(agent.address(), agent.port(),
                  wire::request(wire::kGet, ++request_id, oids, community, version),
                  milliseconds(500));
}

// The lines of a Net-SNMP tool's output with numeric names (-On).
CommandResult net_snmp(const std::string& tool, std::vector<std::string> arguments) {
  std::vector<std::string> argv{"/usr/bin/" + tool, "-On", "-t", "0.5", "-r", "1"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return run_command(argv);
}

std::size_t line_count(const std::string& text) {
  std::istringstream lines(text);
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line);) count += !line.empty();
  return count;
}

class SnmpdAgentTest : public ::testing::Test {
 protected:
  void SetUp() override { DVK_REQUIRE_AGENTS(); }
};

struct PrinterCase {
  const char* printer;
  const char* sys_object_id;
  std::size_t devices;
  std::size_t input_trays;
  bool has_private;
};

void PrintTo(const PrinterCase& c, std::ostream* out) { *out << c.printer; }

class PrinterDescriptions : public SnmpdAgentTest,
                            public ::testing::WithParamInterface<PrinterCase> {};

TEST_P(PrinterDescriptions, ServeTheirObjectsAndTablesEndCleanly) {
  const PrinterCase& c = GetParam();
  SnmpdAgent agent({.printer = c.printer});
  ASSERT_TRUE(agent.ok()) << agent.error();

  const auto answer = get(agent, {"1.3.6.1.2.1.1.2.0"});
  ASSERT_TRUE(answer);
  ASSERT_EQ(answer->bindings.size(), 1u);
  EXPECT_EQ(answer->bindings[0].value.as_object_id(), c.sys_object_id);

  for (const char* version : {"1", "2c"}) {
    const auto devices = net_snmp(
        "snmpwalk", {"-v", version, "-c", "public", agent.address(), "1.3.6.1.2.1.25.3.2.1.1"});
    EXPECT_EQ(devices.exit_code, 0) << devices.output;
    EXPECT_EQ(line_count(devices.output), c.devices) << version << "\n" << devices.output;
    const auto trays = net_snmp(
        "snmpwalk", {"-v", version, "-c", "public", agent.address(), "1.3.6.1.2.1.43.8.2.1.2"});
    EXPECT_EQ(line_count(trays.output), c.input_trays) << version << "\n" << trays.output;
  }
  const auto netware = get(agent, {"1.3.6.1.4.1.253.8.64.4.2.1.7.10.19159104"});
  ASSERT_TRUE(netware);
  EXPECT_EQ(netware->error_status, c.has_private ? 0 : 2) << "noSuchName without the object";
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PrinterDescriptions,
    ::testing::Values(PrinterCase{"quillmark-5150", kSupportedOid, 9, 5, true},
                      PrinterCase{"quillmark-6100", "1.3.6.1.4.1.119.1.40.297.93.1.38.8.61", 3, 2,
                                  true},
                      PrinterCase{"quillmark-5150-no-private", kSupportedOid, 9, 5, false},
                      PrinterCase{"quillmark-5150-large", kSupportedOid, 60, 25, true}),
    [](const auto& test_case) {
      std::string name = test_case.param.printer;
      for (auto& ch : name) ch = ch == '-' ? '_' : ch;
      return name;
    });

TEST_F(SnmpdAgentTest, JobCancelObjectTakesASetWithTheWriteCommunityOnly) {
  SnmpdAgent agent({.printer = "quillmark-5150"});
  ASSERT_TRUE(agent.ok()) << agent.error();
  auto set = wire::request(wire::kSet, 7, {}, "private");
  set.bindings = {{kCancelJob12, wire::Value::integer(1414)}};

  const auto refused = exchange(
      agent.address(), agent.port(),
      [&] {
        auto copy = set;
        copy.community = "public";
        return copy;
      }(),
      milliseconds(500));
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->error_status, 2) << "SNMPv1 answers a read-only community with noSuchName";

  const auto accepted = exchange(agent.address(), agent.port(), set, milliseconds(500));
  ASSERT_TRUE(accepted);
  EXPECT_EQ(accepted->error_status, 0);
  const auto after = get(agent, {kCancelJob12});
  ASSERT_TRUE(after);
  EXPECT_EQ(after->bindings.at(0).value.as_integer(), 1414);

  set.bindings[0].oid = "1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66";
  const auto unknown_job = exchange(agent.address(), agent.port(), set, milliseconds(500));
  ASSERT_TRUE(unknown_job);
  EXPECT_EQ(unknown_job->error_status, 2) << "a job the printer does not know";
}

TEST_F(SnmpdAgentTest, AnswersOnlyItsCommunities) {
  SnmpdAgent agent({.printer = "quillmark-5150", .read_community = "office-read"});
  ASSERT_TRUE(agent.ok()) << agent.error();
  EXPECT_FALSE(get(agent, {"1.3.6.1.2.1.1.5.0"}, "public"));
  const auto answer = get(agent, {"1.3.6.1.2.1.1.5.0"}, "office-read");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->bindings.at(0).value.as_text(), "QM5150-OFFICE-2F");
}

TEST_F(SnmpdAgentTest, ServesUsersOfEverySecurityLevel) {
  SnmpdAgent agent({.printer = "quillmark-5150"});
  ASSERT_TRUE(agent.ok()) << agent.error();
  struct Case {
    std::vector<std::string> security;
    bool answers;
  };
  const Case cases[] = {
      {{"-u", "Mdevices", "-l", "authPriv", "-a", "MD5", "-A", "Wq7bLm3xTr9vKp2zHn4d", "-x", "DES",
        "-X", "Gy5sNc8wQe1jRf6uZa0t"},
       true},
      {{"-u", "qmadmin", "-l", "authPriv", "-a", "SHA", "-A", "admin-auth-phrase", "-x", "AES",
        "-X", "admin-priv-phrase"},
       true},
      {{"-u", "qmreader", "-l", "authNoPriv", "-a", "SHA", "-A", "reader-auth-phrase"}, true},
      {{"-u", "qmguest", "-l", "noAuthNoPriv"}, true},
      {{"-u", "Mdevices", "-l", "authPriv", "-a", "MD5", "-A", "wrong-pass-phrase", "-x", "DES",
        "-X", "Gy5sNc8wQe1jRf6uZa0t"},
       false},
      {{"-u", "nobody", "-l", "noAuthNoPriv"}, false},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments{"-v", "3"};
    arguments.insert(arguments.end(), c.security.begin(), c.security.end());
    arguments.insert(arguments.end(), {agent.address(), "1.3.6.1.2.1.1.5.0"});
    const auto result = net_snmp("snmpget", arguments);
    EXPECT_EQ(result.exit_code == 0, c.answers) << c.security[1] << ": " << result.output;
    if (c.answers) {
      EXPECT_NE(result.output.find("QM5150-OFFICE-2F"), std::string::npos);
    }
  }
}

TEST_F(SnmpdAgentTest, ServesRawObjectsWithoutADescription) {
  SnmpdAgent agent(
      {.objects = {{"1.3.6.1.2.1.1.5.0", "octet_str", "raw-agent"},
                   {"1.3.6.1.2.1.25.3.5.1.2.1", "octet_str", "hex:0040"},
                   {"1.3.6.1.4.1.253.8.1.0", "integer", "-3", true}},
       .users = std::vector<SnmpUser>{
           {.name = "rawuser", .auth = "SHA", .auth_pass = "raw-auth-phrase", .writable = true}}});
  ASSERT_TRUE(agent.ok()) << agent.error();
  const auto answer =
      get(agent, {"1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.25.3.5.1.2.1", "1.3.6.1.4.1.253.8.1.0"});
  ASSERT_TRUE(answer);
  ASSERT_EQ(answer->bindings.size(), 3u);
  EXPECT_EQ(answer->bindings[0].value.as_text(), "raw-agent");
  EXPECT_EQ(answer->bindings[1].value.as_text(), std::string("\x00\x40", 2));
  EXPECT_EQ(answer->bindings[2].value.as_integer(), -3);
  const auto set =
      net_snmp("snmpset", {"-v", "3", "-u", "rawuser", "-l", "authNoPriv", "-a", "SHA", "-A",
                           "raw-auth-phrase", agent.address(), "1.3.6.1.4.1.253.8.1.0", "i", "5"});
  EXPECT_EQ(set.exit_code, 0) << set.output;
  EXPECT_EQ(get(agent, {"1.3.6.1.4.1.253.8.1.0"})->bindings.at(0).value.as_integer(), 5);
  // Nothing of the host's own agent: no interfaces, no host resources beyond the objects.
  const auto next =
      exchange(agent.address(), agent.port(), wire::request(wire::kGetNext, 9, {"1.3.6.1.2.1.1.9"}),
               milliseconds(500));
  ASSERT_TRUE(next);
  EXPECT_EQ(next->bindings.at(0).oid, "1.3.6.1.2.1.25.3.5.1.2.1");
}

TEST_F(SnmpdAgentTest, TwoAgentsRunSideBySideAndStopByTheirIds) {
  SnmpdAgent first({.printer = "quillmark-5150"});
  SnmpdAgent second({.printer = "quillmark-6100"});
  ASSERT_TRUE(first.ok()) << first.error();
  ASSERT_TRUE(second.ok()) << second.error();
  EXPECT_NE(first.address(), second.address());
  const auto name_of = [](const SnmpdAgent& agent) {
    const auto answer = get(agent, {"1.3.6.1.2.1.1.5.0"});
    return answer ? answer->bindings.at(0).value.as_text() : std::string();
  };
  EXPECT_EQ(name_of(first), "QM5150-OFFICE-2F");
  EXPECT_EQ(name_of(second), "QM6100-LAB");

  const pid_t pid = first.pid();
  first.stop();
  EXPECT_NE(::kill(pid, 0), 0) << "snmpd " << pid << " still runs";
  EXPECT_FALSE(get(first, {"1.3.6.1.2.1.1.5.0"}));
  EXPECT_EQ(name_of(second), "QM6100-LAB");
}

TEST_F(SnmpdAgentTest, ServesOverTheIpv6Loopback) {
  const LoopbackAddress loopback = LoopbackAddress::ipv6();
  ASSERT_TRUE(loopback.valid()) << "::1 port 161 stayed taken";
  SnmpdAgent agent({.printer = "quillmark-5150", .address = loopback.text()});
  ASSERT_TRUE(agent.ok()) << agent.error();
  const auto answer = get(agent, {"1.3.6.1.2.1.1.2.0"});
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->bindings.at(0).value.as_object_id(), kSupportedOid);
}

TEST_F(SnmpdAgentTest, ReportsAnAgentThatCannotStart) {
  SnmpdAgent first({.printer = "quillmark-5150"});
  ASSERT_TRUE(first.ok()) << first.error();
  SnmpdAgent taken({.printer = "quillmark-5150",
                    .address = first.address(),
                    .start_timeout = milliseconds(1000)});
  EXPECT_FALSE(taken.ok());
  EXPECT_FALSE(taken.error().empty());
  SnmpdAgent missing({.printer = "no-such-printer"});
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.error().find("no-such-printer"), std::string::npos) << missing.error();
}

}  // namespace
}  // namespace vex::test
