// The command line read into the arguments the commands use, and the
// SNMPv3 block built from them.
#include "tools/dvkctl/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace dvkctl {
namespace {

struct Parsed {
  ParsedCommandLine result;
  std::string out;
  std::string err;
};

Parsed parse(std::vector<std::string> words) {
  words.insert(words.begin(), "dvkctl");
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  std::ostringstream out;
  std::ostringstream err;
  ParsedCommandLine result =
      parse_command_line(static_cast<int>(argv.size()), argv.data(), out, err);
  return {std::move(result), out.str(), err.str()};
}

using Outcome = ParsedCommandLine::Outcome;

TEST(CommandLine, DefaultsKeepThePluginsOwnValues) {
  const Parsed parsed = parse({"status", "127.0.0.1"});
  ASSERT_EQ(parsed.result.outcome, Outcome::kRun) << parsed.err;
  const Arguments& a = parsed.result.arguments;
  EXPECT_EQ(a.command, Command::kStatus);
  EXPECT_EQ(a.library, "libdvkplugin.so.1");
  EXPECT_FALSE(a.json);
  EXPECT_EQ(a.address, "127.0.0.1");
  EXPECT_EQ(a.snmp.transport, DVK_TRANSPORT_UDP_IPV4);
  EXPECT_EQ(a.snmp.snmp_mode, DVK_SNMP_V1);
  EXPECT_EQ(a.snmp.timeout_ms, 500u);
  EXPECT_EQ(a.snmp.retries, 2u);
  EXPECT_TRUE(a.snmp.read_community.empty());

  const DvkUsmParameters block = usm_block(a.snmp);
  EXPECT_EQ(block.user_name[0], '\0');
  EXPECT_EQ(block.security_level, kPluginDefault);
  EXPECT_EQ(block.auth_protocol, kPluginDefault);
  EXPECT_EQ(block.priv_protocol, kPluginDefault);
  EXPECT_EQ(block.context_name[0], '\0');
}

TEST(CommandLine, SnmpOptionsReachTheArgumentsAndTheBlock) {
  const Parsed parsed = parse({"info",
                               "::1",
                               "--transport",
                               "IPv6",
                               "--snmp",
                               "v3",
                               "--user",
                               "qmadmin",
                               "--security-level",
                               "authNoPriv",
                               "--auth-protocol",
                               "sha",
                               "--priv-protocol",
                               "aes",
                               "--auth-pass",
                               "admin-auth-phrase",
                               "--priv-pass",
                               "admin-priv-phrase",
                               "--context",
                               "ctx",
                               "--timeout",
                               "120",
                               "--retries",
                               "0",
                               "--read-community",
                               "r",
                               "--write-community",
                               "w",
                               "--find-community",
                               "f",
                               "--json"});
  ASSERT_EQ(parsed.result.outcome, Outcome::kRun) << parsed.err;
  const Arguments& a = parsed.result.arguments;
  EXPECT_TRUE(a.json) << "common options may follow the command";
  EXPECT_EQ(a.command, Command::kInfo);
  EXPECT_EQ(a.snmp.transport, DVK_TRANSPORT_UDP_IPV6);
  EXPECT_EQ(a.snmp.snmp_mode, DVK_SNMP_V3);
  EXPECT_EQ(a.snmp.timeout_ms, 120u);
  EXPECT_EQ(a.snmp.retries, 0u);
  EXPECT_EQ(a.snmp.read_community, "r");
  EXPECT_EQ(a.snmp.write_community, "w");
  EXPECT_EQ(a.snmp.find_community, "f");

  const DvkUsmParameters block = usm_block(a.snmp);
  EXPECT_STREQ(block.user_name, "qmadmin");
  EXPECT_EQ(block.security_level, 1);
  EXPECT_EQ(block.auth_protocol, 2);
  EXPECT_EQ(block.priv_protocol, 2);
  EXPECT_STREQ(block.auth_pass_phrase, "admin-auth-phrase");
  EXPECT_STREQ(block.priv_pass_phrase, "admin-priv-phrase");
  EXPECT_STREQ(block.context_name, "ctx");
}

TEST(CommandLine, CommandsTakeTheirOwnArguments) {
  const Parsed discover = parse({"--json", "discover", "--address", "127.0.0.9", "--filter",
                                 "1.3.6.1.4.1.119", "--filter", "1.3.6.1.4.1.253"});
  ASSERT_EQ(discover.result.outcome, Outcome::kRun) << discover.err;
  EXPECT_EQ(discover.result.arguments.command, Command::kDiscover);
  EXPECT_EQ(discover.result.arguments.destination, "127.0.0.9");
  EXPECT_EQ(discover.result.arguments.filters,
            (std::vector<std::string>{"1.3.6.1.4.1.119", "1.3.6.1.4.1.253"}));

  const Parsed jobs = parse({"jobs", "127.0.0.1", "--kind", "2"});
  ASSERT_EQ(jobs.result.outcome, Outcome::kRun) << jobs.err;
  EXPECT_EQ(jobs.result.arguments.job_kind, 2);

  const Parsed cancel = parse({"cancel", "127.0.0.1", "00000012"});
  ASSERT_EQ(cancel.result.outcome, Outcome::kRun) << cancel.err;
  EXPECT_EQ(cancel.result.arguments.command, Command::kCancel);
  EXPECT_EQ(cancel.result.arguments.job_id, "00000012");

  const Parsed transports = parse({"transports", "--library", "/opt/libdvkplugin.so"});
  ASSERT_EQ(transports.result.outcome, Outcome::kRun) << transports.err;
  EXPECT_EQ(transports.result.arguments.library, "/opt/libdvkplugin.so");
}

TEST(CommandLine, HelpAndVersionPrintOnStandardOutputAndRunNothing) {
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"--help"}, {"status", "--help"}, {"--version"}}) {
    const Parsed parsed = parse(words);
    EXPECT_EQ(parsed.result.outcome, Outcome::kDone) << words.front();
    EXPECT_FALSE(parsed.out.empty());
    EXPECT_TRUE(parsed.err.empty()) << parsed.err;
  }
}

TEST(CommandLine, BadArgumentsNameTheCommandWhenItIsKnown) {
  const Parsed kind = parse({"jobs", "127.0.0.1", "--kind", "3", "--json"});
  ASSERT_EQ(kind.result.outcome, Outcome::kBadArguments);
  EXPECT_EQ(kind.result.failure.status, ExitStatus::kUsage);
  EXPECT_EQ(kind.result.failure.kind, Failure::Kind::kUsage);
  EXPECT_TRUE(kind.result.arguments.json);
  EXPECT_EQ(kind.result.command, Command::kJobs);
  EXPECT_NE(kind.result.failure.message.find("--kind"), std::string::npos);
  EXPECT_TRUE(kind.out.empty());
  EXPECT_NE(kind.err.find("Usage: dvkctl jobs"), std::string::npos) << kind.err;

  const Parsed none = parse({"--json"});
  ASSERT_EQ(none.result.outcome, Outcome::kBadArguments);
  EXPECT_FALSE(none.result.command.has_value());

  const Parsed v3 = parse({"status", "127.0.0.1", "--auth-pass", "secret-phrase"});
  ASSERT_EQ(v3.result.outcome, Outcome::kBadArguments);
  EXPECT_EQ(v3.result.failure.message, "--auth-pass needs --snmp v3");
}

TEST(UsmBlock, TextsStopAtTheirFieldEvenWhenLonger) {
  SnmpArguments snmp;
  snmp.context = std::string(600, 'c');
  snmp.user = std::string(70, 'u');
  const DvkUsmParameters block = usm_block(snmp);
  EXPECT_EQ(std::strlen(block.context_name), sizeof block.context_name - 1);
  EXPECT_EQ(std::strlen(block.user_name), sizeof block.user_name - 1);
}

}  // namespace
}  // namespace dvkctl
