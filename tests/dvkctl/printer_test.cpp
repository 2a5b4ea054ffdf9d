// dvkctl against simulated printers on loopback addresses: every device
// command's text and JSON, and the errors of a silent address and of a
// printer of another model.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/dvkctl/device_sessions.h"
#include "tests/dvkctl/dvkctl_runner.h"
#include "tests/support/loopback.h"
#include "tests/support/requirements.h"
#include "tests/support/snmpd_agent.h"

namespace dvkctl::test {
namespace {

using Json = nlohmann::json;
using vex::test::SnmpdAgent;

constexpr const char* kSupportedOid = "1.3.6.1.4.1.119.1.40.297.93.1.38.8.6";

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class DvkctlPrinter : public ::testing::Test {
 protected:
  void SetUp() override {
    DVKCTL_REQUIRE_DEVICE_SESSIONS();
    DVK_REQUIRE_AGENTS();
    if (!agent_)
      agent_ = std::make_unique<SnmpdAgent>(vex::test::SnmpdOptions{.printer = "quillmark-5150"});
    ASSERT_TRUE(agent_->ok()) << agent_->error();
  }
  static void TearDownTestSuite() { agent_.reset(); }

  // `command` on the printer, with short time-outs and --json when asked.
  static DvkctlRun run(std::vector<std::string> command, bool json = false) {
    command.insert(command.begin() + 1, agent_->address());
    for (const char* word : {"--timeout", "300", "--retries", "1"}) command.emplace_back(word);
    if (json) command.emplace_back("--json");
    return run_with_plugin(command);
  }

  static Json run_json(const std::vector<std::string>& command) {
    const DvkctlRun result = run(command, true);
    EXPECT_EQ(result.exit_code, 0) << describe(result);
    EXPECT_TRUE(result.err.empty()) << describe(result);
    return parsed_output(result);
  }

  // The text output of `command` holds every one of `parts`.
  static void expect_text(const std::vector<std::string>& command,
                          std::initializer_list<std::string> parts) {
    const DvkctlRun text = run(command);
    ASSERT_EQ(text.exit_code, 0) << describe(text);
    for (const std::string& part : parts)
      EXPECT_TRUE(contains(text.out, part)) << part << "\n" << text.out;
  }

  static std::unique_ptr<SnmpdAgent> agent_;
};

std::unique_ptr<SnmpdAgent> DvkctlPrinter::agent_;

TEST_F(DvkctlPrinter, InfoPrintsEveryOptionAndTheTrays) {
  Json info = run_json({"info"});
  Json& options = info["options"];
  EXPECT_EQ(options["SysName"], "QM5150-OFFICE-2F");
  EXPECT_EQ(options["MemorySizeInKByte"], 1047552);
  EXPECT_EQ(options["MemorySizeInMByte"], 1023);
  EXPECT_EQ(options["PrinterRomVersionMajor"], 2);
  EXPECT_EQ(options["PrinterRomVersionMinor"], 17);
  EXPECT_EQ(options["PrinterRomVersionRevision"], 3);
  EXPECT_EQ(options["NetWareSAPUnitName"], "QM5150_PRN01");
  EXPECT_EQ(options["MinPasswordLength"], 8);
  EXPECT_EQ(options["UserPromptSetting"], 1);
  for (const char* flag : {"Scanner", "Copier", "HardDisk", "RamDisk", "DuplexModule", "InTrayMSI",
                           "InTrayEx1", "InTrayEx2"}) {
    EXPECT_EQ(options[flag], true) << flag;
  }
  EXPECT_EQ(options["NumberOfInputTray"], 5);
  Json& trays = info["input_trays"];
  ASSERT_EQ(trays.size(), 5u);
  EXPECT_EQ(trays[0]["InputTrayIndex"], 1);
  EXPECT_EQ(trays[0]["InputTrayName"], "Bypass tray");
  EXPECT_EQ(trays[0]["InputTrayMediaSize"], 25);
  EXPECT_EQ(trays[0]["InputTrayMediaDirection"], 3);
  EXPECT_EQ(trays[0]["InputTrayCurrentLevelInPercent"], -1);
  EXPECT_EQ(trays[1]["InputTrayCurrentLevelInPercent"], 50);
  EXPECT_EQ(trays[2]["InputTrayMediaSize"], 10000);

  expect_text({"info"}, {"SysName", "QM5150-OFFICE-2F", "Input trays", "MediaSize", "Bypass tray"});
}

TEST_F(DvkctlPrinter, StatusReadsEveryTable) {
  Json status = run_json({"status"});
  EXPECT_EQ(status["storage"].size(), 3u);
  EXPECT_EQ(status["storage"][0]["storage_type_name"], "ram");
  EXPECT_EQ(status["devices"].size(), 9u);
  EXPECT_EQ(status["printer"]["printer_status_name"], "idle");
  EXPECT_EQ(status["printer"]["detected_errors"], Json::array({"lowToner"}));
  EXPECT_EQ(status["input_trays"].size(), 5u);
  EXPECT_EQ(status["input_trays"][0]["current_level_meaning"], "at least one remains");
  EXPECT_EQ(status["output_trays"].size(), 3u);
  ASSERT_EQ(status["toners"].size(), 4u);
  EXPECT_EQ(status["toners"][0]["percent"], 80);
  EXPECT_EQ(status["toners"][1]["level_meaning"], "at least one remains");
  ASSERT_EQ(status["alerts"].size(), 2u);
  EXPECT_EQ(status["alerts"][0]["description"], "Cyan toner low");

  expect_text({"status"}, {"lowToner", "Black toner", "] 80% (80 of 100)", "at least one remains",
                           "Cyan toner low"});
}

TEST_F(DvkctlPrinter, JobsOfEachKind) {
  std::set<std::string> kept[3];
  for (int kind = 0; kind < 3; ++kind) {
    Json listed = run_json({"jobs", "--kind", std::to_string(kind)});
    for (Json& job : listed["jobs"]) {
      kept[kind].insert(job["name"].get<std::string>());
      if (job["job_id"] == "00000012") {
        EXPECT_EQ(job["text_1"], "Printing");
        EXPECT_EQ(job["time_1"]["year"], 2004);
      }
    }
  }
  EXPECT_EQ(kept[0],
            (std::set<std::string>{"quarterly-report.pdf", "badge-photo.jpg", "minutes.docx"}));
  EXPECT_EQ(kept[1], (std::set<std::string>{"quarterly-report.pdf", "badge-photo.jpg"}));
  EXPECT_EQ(kept[2], (std::set<std::string>{"minutes.docx"}));
  expect_text({"jobs"}, {"Job 00000012  quarterly-report.pdf"});
}

TEST_F(DvkctlPrinter, CharsetAndCancel) {
  Json charset = run_json({"charset"});
  EXPECT_EQ(charset["printer_character_set"], 106);
  EXPECT_EQ(charset["job_character_set"], 106);
  expect_text({"charset"}, {"printer  106", "jobs     106"});
  EXPECT_EQ(run_json({"cancel", "00000012"})["cancelled"], true);
  expect_text({"cancel", "00000013"}, {"Job 00000013 cancelled on " + agent_->address()});

  const DvkctlRun unknown = run({"cancel", "NOSUCHJOB"}, true);
  EXPECT_EQ(unknown.exit_code, 5) << describe(unknown);
  EXPECT_EQ(parsed_output(unknown)["error"]["code"], -7);
}

TEST_F(DvkctlPrinter, DiscoverToTheAgentsAddress) {
  const DvkctlRun found = run_with_plugin(
      {"discover", "--address", agent_->address(), "--timeout", "300", "--retries", "0", "--json"});
  ASSERT_EQ(found.exit_code, 0) << describe(found);
  Json document = parsed_output(found);
  ASSERT_EQ(document["count"], 1) << document;
  EXPECT_TRUE(contains(document["printers"][0]["address"].get<std::string>(), agent_->address()));
  EXPECT_EQ(document["printers"][0]["model_name"], "Quillmark 5150");
  EXPECT_EQ(document["printers"][0]["sys_object_id"], kSupportedOid);

  const DvkctlRun text = run_with_plugin(
      {"discover", "--address", agent_->address(), "--timeout", "300", "--retries", "0"});
  EXPECT_TRUE(contains(text.out, ": 1 printer\n")) << describe(text);
  EXPECT_TRUE(contains(text.out, "Quillmark 5150  " + std::string(kSupportedOid)))
      << describe(text);
}

TEST_F(DvkctlPrinter, SnmpV3WithTheAdministratorsKeys) {
  Json charset = run_json({"charset", "--snmp", "v3", "--user", "qmadmin", "--auth-protocol", "sha",
                           "--auth-pass", "admin-auth-phrase", "--priv-protocol", "aes",
                           "--priv-pass", "admin-priv-phrase"});
  EXPECT_EQ(charset["printer_character_set"], 106);
}

class DvkctlErrors : public ::testing::Test {
 protected:
  void SetUp() override {
    DVKCTL_REQUIRE_DEVICE_SESSIONS();
    DVK_REQUIRE_AGENTS();
  }
};

TEST_F(DvkctlErrors, ASilentAddressIsStatusThree) {
  const auto silent = vex::test::LoopbackAddress::ipv4();
  ASSERT_TRUE(silent.valid());
  const DvkctlRun run =
      run_with_plugin({"status", silent.text(), "--timeout", "100", "--retries", "1", "--json"});
  EXPECT_EQ(run.exit_code, 3) << describe(run);
  Json error = parsed_output(run)["error"];
  EXPECT_EQ(error["code"], -203);
  EXPECT_EQ(error["message"], "no answer within 100 ms after 1 retry");

  const DvkctlRun text =
      run_with_plugin({"info", silent.text(), "--timeout", "100", "--retries", "0"});
  EXPECT_EQ(text.exit_code, 3) << describe(text);
  EXPECT_TRUE(text.out.empty()) << describe(text);
  EXPECT_EQ(text.err,
            "dvkctl: DvkInitDeviceEx answered -203: no answer within 100 ms and no retries\n");
}

TEST_F(DvkctlErrors, AnotherModelIsStatusFour) {
  SnmpdAgent other({.printer = "quillmark-6100"});
  ASSERT_TRUE(other.ok()) << other.error();
  const DvkctlRun run =
      run_with_plugin({"info", other.address(), "--timeout", "300", "--retries", "1", "--json"});
  EXPECT_EQ(run.exit_code, 4) << describe(run);
  Json error = parsed_output(run)["error"];
  EXPECT_EQ(error["call"], "DvkInitDeviceEx");
  EXPECT_EQ(error["code"], -2);
  EXPECT_EQ(error["message"],
            "not the supported printer model, or an address of another transport");
}

}  // namespace
}  // namespace dvkctl::test
