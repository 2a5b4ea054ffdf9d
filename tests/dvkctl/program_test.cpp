// The built dvkctl run as a user runs it: help, bad arguments, transports,
// and the error reports of a library that does not load and of exports that
// answer a negative code.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/dvkctl/dvkctl_runner.h"
#include "tests/support/loopback.h"

namespace dvkctl::test {
namespace {

using Json = nlohmann::json;

constexpr int kUsageStatus = 1;
constexpr int kLibraryStatus = 2;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(DvkctlHelp, ListsEveryCommandAndTheExitStatuses) {
  const DvkctlRun run = run_dvkctl({"--help"});
  ASSERT_EQ(run.exit_code, 0) << describe(run);
  EXPECT_TRUE(run.err.empty()) << run.err;
  for (const char* command :
       {"transports", "discover", "info", "status", "jobs", "cancel", "charset"}) {
    EXPECT_TRUE(contains(run.out, std::string("\n  ") + command + " ")) << command;
  }
  for (const char* status : {"0  success", "1  bad arguments", "2  the plug-in library",
                             "3  no answer", "4  the device set-up refused", "5  any other"}) {
    EXPECT_TRUE(contains(run.out, status)) << status << "\n" << run.out;
  }
}

TEST(DvkctlHelp, EachCommandHasItsOwnUsage) {
  for (const char* command :
       {"transports", "discover", "info", "status", "jobs", "cancel", "charset"}) {
    const DvkctlRun run = run_dvkctl({command, "--help"});
    EXPECT_EQ(run.exit_code, 0) << describe(run);
    EXPECT_TRUE(contains(run.out, std::string("Usage: dvkctl ") + command)) << run.out;
  }
}

struct BadArguments {
  const char* what;
  std::vector<std::string> arguments;
};

void PrintTo(const BadArguments& c, std::ostream* out) { *out << c.what; }

std::vector<BadArguments> bad_arguments() {
  std::vector<std::string> too_many_filters{"discover", "--address", "127.0.0.1"};
  for (int i = 0; i < 51; ++i) {
    too_many_filters.push_back("--filter");
    too_many_filters.push_back("1.3.6." + std::to_string(i));
  }
  return {
      {"no command", {}},
      {"unknown command", {"frobnicate"}},
      {"missing address", {"info"}},
      {"missing job", {"cancel", "127.0.0.1"}},
      {"extra word", {"transports", "extra"}},
      {"unknown option", {"status", "127.0.0.1", "--colour"}},
      {"job kind 3", {"jobs", "127.0.0.1", "--kind", "3"}},
      {"job kind -1", {"jobs", "127.0.0.1", "--kind", "-1"}},
      {"time-out not a number", {"status", "127.0.0.1", "--timeout", "soon"}},
      {"negative retries", {"status", "127.0.0.1", "--retries", "-1"}},
      {"unknown transport", {"status", "127.0.0.1", "--transport", "appletalk"}},
      {"transport code 3", {"status", "127.0.0.1", "--transport", "3"}},
      {"unknown SNMP version", {"status", "127.0.0.1", "--snmp", "v4"}},
      {"SNMPv3 option without v3", {"status", "127.0.0.1", "--user", "qmadmin"}},
      {"user name beyond 32",
       {"status", "127.0.0.1", "--snmp", "v3", "--user", std::string(33, 'u')}},
      {"address beyond 63", {"info", std::string(64, '1')}},
      {"empty address", {"info", ""}},
      {"community beyond 255", {"status", "127.0.0.1", "--read-community", std::string(256, 'c')}},
      {"filter beyond 63",
       {"discover", "--address", "127.0.0.1", "--filter", std::string(64, '1')}},
      {"51 filters", too_many_filters},
  };
}

// A search among them names a loopback destination, so that nothing would be
// broadcast even if the arguments were taken.
class DvkctlBadArguments : public ::testing::TestWithParam<BadArguments> {};

TEST_P(DvkctlBadArguments, GetAUsageMessageAndStatusOne) {
  const DvkctlRun run = run_with_plugin(GetParam().arguments);
  EXPECT_EQ(run.signal, 0) << describe(run);
  EXPECT_EQ(run.exit_code, kUsageStatus) << describe(run);
  EXPECT_TRUE(run.out.empty()) << describe(run);
  EXPECT_TRUE(contains(run.err, "Usage: dvkctl") || contains(run.err, "Run with --help"))
      << describe(run);
}

TEST_P(DvkctlBadArguments, GetAUsageErrorObjectInJsonMode) {
  std::vector<std::string> arguments = GetParam().arguments;
  arguments.emplace_back("--json");
  const DvkctlRun run = run_with_plugin(arguments);
  EXPECT_EQ(run.exit_code, kUsageStatus) << describe(run);
  Json document = parsed_output(run);
  ASSERT_TRUE(document.is_object()) << describe(run);
  EXPECT_TRUE(document.contains("command"));
  Json& error = document["error"];
  EXPECT_EQ(error["kind"], "usage");
  EXPECT_EQ(error["exit_status"], kUsageStatus);
  EXPECT_TRUE(error["message"].is_string() && !error["message"].get<std::string>().empty());
  EXPECT_FALSE(error.contains("code"));
  EXPECT_FALSE(run.err.empty()) << "the usage message belongs on standard error";
}

INSTANTIATE_TEST_SUITE_P(Cases, DvkctlBadArguments, ::testing::ValuesIn(bad_arguments()));

// The table line of the transport with `code`, or empty.
std::string transport_line(const std::string& out, const std::string& code) {
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  " + code + " ", 0) == 0) return line;
  }
  return {};
}

TEST(DvkctlTransports, TextListsEveryTransportCode) {
  const DvkctlRun run = run_with_plugin({"transports"});
  ASSERT_EQ(run.exit_code, 0) << describe(run);
  for (const auto& [code, name] : {std::pair{"1", "ipv4"}, std::pair{"2", "ipx"},
                                   std::pair{"3", "none"}, std::pair{"5", "ipv6"}}) {
    const std::string line = transport_line(run.out, code);
    EXPECT_TRUE(contains(line, name)) << code << "\n" << run.out;
    EXPECT_TRUE(line.ends_with(" yes") || line.ends_with(" no")) << line;
  }
  // Linux has no IPX sockets.
  EXPECT_TRUE(transport_line(run.out, "2").ends_with(" no")) << run.out;
}

TEST(DvkctlTransports, JsonNamesEachCodeAndWhetherItIsUsable) {
  const DvkctlRun run = run_with_plugin({"--json", "transports"});
  ASSERT_EQ(run.exit_code, 0) << describe(run);
  EXPECT_TRUE(run.err.empty()) << run.err;
  Json document = parsed_output(run);
  ASSERT_TRUE(document.is_object()) << run.out;
  EXPECT_EQ(document["command"], "transports");
  Json& transports = document["transports"];
  ASSERT_TRUE(transports.is_array());
  std::set<int> codes;
  for (Json& transport : transports) {
    ASSERT_TRUE(transport["code"].is_number_integer()) << transport;
    ASSERT_TRUE(transport["name"].is_string()) << transport;
    ASSERT_TRUE(transport["description"].is_string()) << transport;
    ASSERT_TRUE(transport["available"].is_boolean()) << transport;
    codes.insert(transport["code"].get<int>());
    // No IPX on Linux; code 3 is served by no transport.
    if (transport["code"] == 2 || transport["code"] == 3) {
      EXPECT_EQ(transport["available"], false) << transport;
    }
  }
  EXPECT_EQ(codes, (std::set<int>{1, 2, 3, 5}));
}

TEST(DvkctlLibrary, APathThatDoesNotExistIsStatusTwo) {
  const std::string missing = "/nonexistent/dvkctl-test/libdvkplugin.so";
  const DvkctlRun text = run_dvkctl({"--library", missing, "transports"});
  EXPECT_EQ(text.exit_code, kLibraryStatus) << describe(text);
  EXPECT_TRUE(text.out.empty()) << describe(text);
  EXPECT_TRUE(contains(text.err, "cannot load " + missing)) << describe(text);

  const DvkctlRun json = run_dvkctl({"transports", "--library", missing, "--json"});
  EXPECT_EQ(json.exit_code, kLibraryStatus) << describe(json);
  Json document = parsed_output(json);
  ASSERT_TRUE(document.is_object()) << describe(json);
  EXPECT_EQ(document["command"], "transports");
  EXPECT_EQ(document["error"]["kind"], "library");
  EXPECT_EQ(document["error"]["exit_status"], kLibraryStatus);
  EXPECT_TRUE(contains(document["error"]["message"].get<std::string>(), missing));
}

TEST(DvkctlLibrary, ALibraryWithoutTheExportsIsStatusTwo) {
  const DvkctlRun run = run_dvkctl({"--library", "libc.so.6", "--json", "transports"});
  EXPECT_EQ(run.exit_code, kLibraryStatus) << describe(run);
  Json document = parsed_output(run);
  ASSERT_TRUE(document.is_object()) << describe(run);
  EXPECT_TRUE(contains(document["error"]["message"].get<std::string>(), "lacks DvkInit"))
      << document;
}

// Commands whose plug-in functions answer a negative code. The address is a
// loopback address of the test's own with nothing behind port 161, so the
// device commands end with an error whether or not the plug-in sends
// anything; an IPX search to an IPv4 address is refused before it sends.
class DvkctlPluginErrors : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(address_.valid()) << "no free loopback address"; }

  std::vector<std::vector<std::string>> commands() const {
    const std::string& a = address_.text();
    const std::vector<std::string> quick{"--timeout", "50", "--retries", "0"};
    std::vector<std::vector<std::string>> all{{"info", a},
                                              {"status", a},
                                              {"jobs", a},
                                              {"charset", a},
                                              {"cancel", a, "00000012"},
                                              {"discover", "--address", a, "--transport", "ipx"}};
    for (auto& command : all) command.insert(command.end(), quick.begin(), quick.end());
    return all;
  }

  vex::test::LoopbackAddress address_ = vex::test::LoopbackAddress::ipv4();
};

TEST_F(DvkctlPluginErrors, JsonModePrintsOnlyOneErrorObject) {
  for (std::vector<std::string> command : commands()) {
    command.emplace_back("--json");
    const DvkctlRun run = run_with_plugin(command);
    SCOPED_TRACE(command.front());
    EXPECT_EQ(run.signal, 0) << describe(run);
    EXPECT_GE(run.exit_code, 3) << describe(run);
    EXPECT_TRUE(run.err.empty()) << describe(run);
    Json document = parsed_output(run);
    ASSERT_TRUE(document.is_object()) << describe(run);
    EXPECT_EQ(document["command"], command.front());
    EXPECT_FALSE(document.contains("printers") || document.contains("options"));
    Json& error = document["error"];
    EXPECT_EQ(error["kind"], "plugin");
    ASSERT_TRUE(error["code"].is_number_integer()) << error;
    EXPECT_LT(error["code"].get<int>(), 0);
    ASSERT_TRUE(error["message"].is_string()) << error;
    EXPECT_FALSE(error["message"].get<std::string>().empty());
    ASSERT_TRUE(error["call"].is_string()) << error;
    EXPECT_EQ(error["call"].get<std::string>().rfind("Dvk", 0), 0u) << error;
    EXPECT_EQ(error["exit_status"], run.exit_code);
  }
}

TEST_F(DvkctlPluginErrors, TextModeNamesTheCallCodeAndSentenceOnStandardError) {
  for (const std::vector<std::string>& command : commands()) {
    const DvkctlRun run = run_with_plugin(command);
    SCOPED_TRACE(command.front());
    EXPECT_GE(run.exit_code, 3) << describe(run);
    EXPECT_TRUE(run.out.empty()) << describe(run);
    EXPECT_EQ(run.err.rfind("dvkctl: Dvk", 0), 0u) << describe(run);
    EXPECT_TRUE(contains(run.err, " answered -")) << describe(run);
  }
}

}  // namespace
}  // namespace dvkctl::test
