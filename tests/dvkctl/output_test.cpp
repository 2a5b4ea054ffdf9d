// Reports rendered as JSON and as text from records as the plug-in fills them.
#include <gtest/gtest.h>

#include <cstring>
#include <nlohmann/json.hpp>
#include <string>

#include "tools/dvkctl/json_output.h"
#include "tools/dvkctl/text_output.h"
#include "tools/dvkctl/text_table.h"

namespace dvkctl {
namespace {

using Json = nlohmann::json;

template <std::size_t N>
void put(char (&field)[N], const char* text) {
  std::strncpy(field, text, N - 1);
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class StatusOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    report_.target = {"127.0.0.20", DVK_TRANSPORT_UDP_IPV4};
    DvkStorageInfo ram{2, 1024, 1047552, {}};
    put(ram.description, "Main memory");
    report_.storage.push_back(ram);
    DvkDeviceInfo device{151, 3, {}};
    put(device.description, "RAM disk 64 MB");
    report_.devices.push_back(device);
    report_.printer = {3, {0x20, 0x00, 0x00, 0x00}};
    DvkInputTrayInfo bypass{};
    bypass.input_type = 5;
    bypass.capacity_unit = 8;
    bypass.max_capacity = 100;
    bypass.current_level = -3;
    put(bypass.input_name, "Bypass tray");
    report_.input_trays.push_back(bypass);
    DvkOutputTrayInfo centre{4, 0, {}, {}};
    put(centre.output_name, "Centre tray");
    report_.output_trays.push_back(centre);
    DvkTonerInfo black{19, 100, 80, {}};
    put(black.description, "Black toner");
    DvkTonerInfo cyan{19, 100, -3, {}};
    put(cyan.description, "Cyan toner");
    report_.toners = {black, cyan};
    DvkAlertInfo alert{4, 11, 2, 0, 1104, {}};
    put(alert.description, "Cyan toner low");
    report_.alerts.push_back(alert);
  }

  StatusReport report_;
};

TEST_F(StatusOutput, JsonCarriesEveryRecordFieldAndItsMeaning) {
  Json document = Json::parse(json_report("status", report_));
  EXPECT_EQ(document["command"], "status");
  EXPECT_EQ(document["address"], "127.0.0.20");
  EXPECT_EQ(document["transport"], (Json{{"code", 1}, {"name", "ipv4"}}));

  Json& storage = document["storage"][0];
  EXPECT_EQ(storage["storage_type"], 2);
  EXPECT_EQ(storage["storage_type_name"], "ram");
  EXPECT_EQ(storage["allocation_units"], 1024);
  EXPECT_EQ(storage["size"], 1047552);
  EXPECT_EQ(storage["description"], "Main memory");

  Json& device = document["devices"][0];
  EXPECT_EQ(device["device_type_name"], "private type 151");
  EXPECT_EQ(device["device_status_name"], "warning");

  Json& printer = document["printer"];
  EXPECT_EQ(printer["printer_status"], 3);
  EXPECT_EQ(printer["printer_status_name"], "idle");
  EXPECT_EQ(printer["detected_error_state"], "20000000");
  EXPECT_EQ(printer["detected_errors"], Json::array({"lowToner"}));

  Json& tray = document["input_trays"][0];
  EXPECT_EQ(tray["input_type"], 5);
  EXPECT_EQ(tray["max_capacity"], 100);
  EXPECT_TRUE(tray["max_capacity_meaning"].is_null());
  EXPECT_EQ(tray["current_level"], -3);
  EXPECT_EQ(tray["current_level_meaning"], "at least one remains");
  EXPECT_TRUE(tray["percent"].is_null());
  EXPECT_EQ(tray["input_name"], "Bypass tray");

  EXPECT_EQ(document["output_trays"][0]["output_name"], "Centre tray");

  Json& toners = document["toners"];
  ASSERT_EQ(toners.size(), 2u);
  EXPECT_EQ(toners[0]["level"], 80);
  EXPECT_EQ(toners[0]["percent"], 80);
  EXPECT_TRUE(toners[0]["level_meaning"].is_null());
  EXPECT_EQ(toners[1]["level"], -3);
  EXPECT_EQ(toners[1]["level_meaning"], "at least one remains");
  EXPECT_TRUE(toners[1]["percent"].is_null());

  Json& alert = document["alerts"][0];
  EXPECT_EQ(alert["severity_name"], "warning");
  EXPECT_EQ(alert["code"], 1104);
  EXPECT_EQ(alert["description"], "Cyan toner low");
}

TEST_F(StatusOutput, TextShowsNamesBarsAndWords) {
  const std::string text = text_report(report_);
  for (const char* part :
       {"Status of 127.0.0.20 (ipv4)", "ram (2)", "private type 151 (151)", "warning (3)",
        "idle (3)", "lowToner (20000000)", "Bypass tray", "at least one remains, capacity 100",
        "[################----] 80% (80 of 100)", "Cyan toner low"}) {
    EXPECT_TRUE(contains(text, part)) << part << "\n" << text;
  }
}

TEST_F(StatusOutput, EmptyTablesSayNone) {
  report_.alerts.clear();
  const std::string text = text_report(report_);
  EXPECT_TRUE(contains(text, "\nAlerts\n  none\n")) << text;
  EXPECT_EQ(Json::parse(json_report("status", report_))["alerts"], Json::array());
}

TEST_F(StatusOutput, PrinterTextsThatAreNotUtf8StillMakeAValidDocument) {
  put(report_.storage[0].description, "M\xe9moire");  // Latin-1
  Json document = Json::parse(json_report("status", report_));
  EXPECT_EQ(document["storage"][0]["description"], "M\xef\xbf\xbdmoire");
}

TEST_F(StatusOutput, FieldsWithoutTerminatorAreReadToTheirEnd) {
  std::memset(report_.toners[0].description, 'x', sizeof report_.toners[0].description);
  Json document = Json::parse(json_report("status", report_));
  EXPECT_EQ(document["toners"][0]["description"], std::string(256, 'x'));
}

TEST(TextOutput, ControlCharactersFromPrintersNeverReachTheTerminal) {
  EXPECT_EQ(printable("QM\x1b[2J\tA\x7f"), "QM?[2J?A?");
  DiscoverReport report;
  report.transport = DVK_TRANSPORT_UDP_IPV4;
  report.count = 1;
  report.printers.push_back({"198.18.0.2", "Quill\x1b]0;owned\x07", "1.3.6"});
  const std::string text = text_report(report);
  EXPECT_EQ(text.find('\x1b'), std::string::npos) << text;
  EXPECT_TRUE(contains(text, "Quill?]0;owned?")) << text;
}

TEST(InfoOutput, OptionsKeepTheirNamesKindsAndOrder) {
  InfoReport report{{"127.0.0.21", DVK_TRANSPORT_UDP_IPV4}, {}, {}};
  report.options = {{"Scanner", true}, {"MemorySizeInKByte", 1047552}, {"SysName", "QM5150"}};
  report.trays = {{{"InputTrayIndex", 1}, {"InputTrayName", "Bypass tray"}},
                  {{"InputTrayIndex", 2}, {"InputTrayName", "Tray 1"}}};
  Json document = Json::parse(json_report("info", report));
  EXPECT_EQ(document["command"], "info");
  EXPECT_EQ(document["options"]["Scanner"], true);
  EXPECT_EQ(document["options"]["MemorySizeInKByte"], 1047552);
  EXPECT_EQ(document["options"]["SysName"], "QM5150");
  ASSERT_EQ(document["input_trays"].size(), 2u);
  EXPECT_EQ(document["input_trays"][1]["InputTrayIndex"], 2);
  EXPECT_EQ(document["input_trays"][1]["InputTrayName"], "Tray 1");

  const std::string text = text_report(report);
  EXPECT_TRUE(contains(text, "Scanner            yes")) << text;
  EXPECT_TRUE(contains(text, "Index  Name")) << text;
  EXPECT_TRUE(contains(text, "2      Tray 1")) << text;
}

TEST(JobsOutput, JobsCarryTheirIdentifierTextsAndTimes) {
  DvkJobInfo job{};
  job.job_type = 1;
  job.status_code = 17;
  put(job.job_id, "00000012");
  put(job.name, "quarterly-report.pdf");
  put(job.text_1, "Completed");
  job.time_1 = {2004, 12, 31, 23, 0, 45};
  const JobsReport report{{"127.0.0.22", DVK_TRANSPORT_UDP_IPV4}, 2, {job}};
  Json document = Json::parse(json_report("jobs", report));
  EXPECT_EQ(document["kind"], 2);
  Json& row = document["jobs"][0];
  EXPECT_EQ(row["job_id"], "00000012");
  EXPECT_EQ(row["name"], "quarterly-report.pdf");
  EXPECT_EQ(row["status_code"], 17);
  EXPECT_EQ(row["text_1"], "Completed");
  EXPECT_EQ(row["time_1"], (Json{{"year", 2004},
                                 {"month", 12},
                                 {"day", 31},
                                 {"hour", 23},
                                 {"minutes", 0},
                                 {"seconds", 45}}));
  const std::string text = text_report(report);
  EXPECT_TRUE(contains(text, "Job 00000012  quarterly-report.pdf")) << text;
  EXPECT_TRUE(contains(text, "2004-12-31 23:00:45")) << text;
}

TEST(SmallReports, CancelCharsetAndDiscoverInJson) {
  Json cancel = Json::parse(json_report("cancel", CancelReport{{"127.0.0.23", 1}, "00000012"}));
  EXPECT_EQ(cancel["job_id"], "00000012");
  EXPECT_EQ(cancel["cancelled"], true);

  Json charset = Json::parse(json_report("charset", CharsetReport{{"::1", 5}, 106, 3}));
  EXPECT_EQ(charset["transport"]["name"], "ipv6");
  EXPECT_EQ(charset["printer_character_set"], 106);
  EXPECT_EQ(charset["job_character_set"], 3);

  DiscoverReport found;
  found.transport = DVK_TRANSPORT_UDP_IPV4;
  found.count = 1;
  found.filters = {"1.3.6.1.4.1.119"};
  found.printers.push_back({"198.18.0.2", "Quillmark 5150", "1.3.6.1.4.1.119.1"});
  Json discover = Json::parse(json_report("discover", found));
  EXPECT_TRUE(discover["destination"].is_null());
  EXPECT_EQ(discover["count"], 1);
  EXPECT_EQ(discover["filters"], Json::array({"1.3.6.1.4.1.119"}));
  EXPECT_EQ(discover["printers"][0], (Json{{"address", "198.18.0.2"},
                                           {"model_name", "Quillmark 5150"},
                                           {"sys_object_id", "1.3.6.1.4.1.119.1"}}));
}

TEST(FailureOutput, PluginErrorsNameTheCallAndCode) {
  Failure failure{Failure::Kind::kPlugin, ExitStatus::kNoAnswer, "no answer within 50 ms",
                  "DvkInitDeviceEx", -203};
  Json document = Json::parse(json_failure("info", failure));
  EXPECT_EQ(document["command"], "info");
  EXPECT_EQ(document["error"], (Json{{"kind", "plugin"},
                                     {"message", "no answer within 50 ms"},
                                     {"exit_status", 3},
                                     {"call", "DvkInitDeviceEx"},
                                     {"code", -203}}));
  EXPECT_EQ(text_failure(failure),
            "dvkctl: DvkInitDeviceEx answered -203: no answer within 50 ms\n");

  Json usage = Json::parse(json_failure(std::nullopt, usage_failure("bad")));
  EXPECT_TRUE(usage["command"].is_null());
  EXPECT_FALSE(usage["error"].contains("code"));
  EXPECT_EQ(usage["error"]["exit_status"], 1);
}

TEST(TextTable, ColumnsAreAsWideAsTheirWidestCell) {
  TextTable table({"a", "long heading"});
  table.add_row({"wide cell", "x"});
  table.add_row({"b"});
  std::ostringstream out;
  table.print(out, "> ");
  EXPECT_EQ(out.str(),
            "> a          long heading\n"
            "> wide cell  x\n"
            "> b\n");
}

}  // namespace
}  // namespace dvkctl
