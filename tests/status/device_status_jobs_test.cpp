#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/status/dvk_device_status.h"
#include "plugin/plugin_usm.h"
#include "scripted_requests.h"

namespace {

using namespace status_test;

const std::string kJob = "1.3.6.1.4.1.253.8.59";
const std::string kTexts = "1.3.6.1.4.1.253.8.51.5.1.1.4";
const std::string kJobLocalization = "1.3.6.1.4.1.253.8.51.3.1.1.1";
const std::string kJobCharacterSets = "1.3.6.1.4.1.253.8.51.4.1.1.7";
const std::string kCurrentLocalization = "1.3.6.1.2.1.43.5.1.1.2";

// A job row of job `n` whose coded columns all carry the value 1.
RowSpec job(int n, std::int32_t status_code, const std::string& identifier_index) {
  const std::string row = "5." + std::to_string(n);
  return {
      {kJob + ".6.1.1.4." + row, oid_value("1.3.6.1.4.1.253.8.58.2.1")},
      {kJob + ".6.1.1.9." + row, integer(status_code)},
      {kJob + ".6.1.1.10." + row, integer(0)},
      {kJob + ".16.1.1.5." + row, gauge(1)},
      {kJob + ".16.1.1.6." + row, gauge(2)},
      {kJob + ".6.1.1.5." + row, integer(1)},
      {kJob + ".6.1.1.6." + row, integer(1)},
      {kJob + ".10.1.1.7." + identifier_index, integer(1)},
      {kJob + ".6.1.1.3." + row, octets("job " + std::to_string(n))},
      {kJob + ".10.1.1.10." + row, octets("")},
      {kJob + ".16.1.1.4." + row, octets("")},
      {kJob + ".16.1.1.7." + row, octets("")},
  };
}

class DeviceStatusJobsTest : public ::testing::Test {
 protected:
  DeviceStatusJobsTest() {
    EXPECT_EQ(status.init(IVexNetworkAddress::PROTOCOL_IPV4, "192.0.2.7", &usm, 500, 2, 0),
              vex::kOk);
    // The job character set is 106, read through the job localization row 1.
    requests.tables[kJobLocalization] = {{{kJobLocalization + ".1", integer(3)}}};
    requests.integers[kJobCharacterSets + ".1.3"] = 106;
    requests.texts[kTexts + ".5.1.106"] = "text";
    jobs() = {job(1, 17, "5.1.48.48.48.48.48.48.49.50"), job(2, 4, "5.1.65.66"),
              job(3, 17, "5.1.67")};
  }

  std::vector<RowSpec>& jobs() { return requests.tables[kJob + ".6.1.1.4"]; }

  std::vector<std::string> identifiers() {
    std::vector<std::string> kept;
    DvkJobInfo record;
    for (std::uint32_t i = 0; status.get_job(i, &record) == vex::kOk; ++i) {
      kept.emplace_back(record.job_id);
    }
    return kept;
  }

  CDvkPluginUSM usm;
  ScriptedRequests requests;
  CDvkDeviceStatus status{requests};
};

TEST_F(DeviceStatusJobsTest, KindsSelectJobsByStatusCode) {
  struct Case {
    std::int32_t kind;
    std::vector<std::string> identifiers;
  };
  const Case cases[] = {{0, {"00000012", "AB", "C"}}, {1, {"AB"}}, {2, {"00000012", "C"}}};
  for (const Case& c : cases) {
    std::int32_t count = -1;
    ASSERT_EQ(status.number_of_jobs(c.kind, &count), vex::kOk) << c.kind;
    EXPECT_EQ(count, static_cast<std::int32_t>(c.identifiers.size())) << c.kind;
    EXPECT_EQ(identifiers(), c.identifiers) << c.kind;
  }
  std::int32_t count = -1;
  EXPECT_EQ(status.number_of_jobs(3, &count), vex::kInvalidArgument);
  EXPECT_EQ(status.number_of_jobs(-1, &count), vex::kInvalidArgument);
}

TEST_F(DeviceStatusJobsTest, ReadsTheJobCharacterSetFirstAndKeepsIt) {
  jobs() = {job(1, 4, "5.1.65")};
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_jobs(0, &count), vex::kOk);
  const std::vector<std::string> first = {
      "walk " + kJobLocalization,    "get " + kJobCharacterSets + ".1.3",
      "walk " + kJob + ".6.1.1.4",   "text " + kTexts + ".5.1.106",
      "text " + kTexts + ".5.1.106", "text " + kTexts + ".5.1.106"};
  EXPECT_EQ(requests.requests, first);

  requests.requests.clear();
  ASSERT_EQ(status.number_of_jobs(0, &count), vex::kOk);
  EXPECT_EQ(requests.requests.front(), "walk " + kJob + ".6.1.1.4");

  // Reading kind 1 explicitly replaces the kept job character set.
  requests.integers[kJobCharacterSets + ".1.3"] = 2;
  std::int32_t value = -1;
  ASSERT_EQ(status.character_set(1, &value), vex::kOk);
  EXPECT_EQ(value, 2);
  requests.requests.clear();
  EXPECT_EQ(status.number_of_jobs(0, &count), vex::kValueMissing);  // no texts in set 2
  EXPECT_EQ(requests.requests.at(1), "text " + kTexts + ".5.1.2");
}

TEST_F(DeviceStatusJobsTest, ACharacterSetFailureLeavesTheJobsAlone) {
  std::int32_t count = -1;
  ASSERT_EQ(status.number_of_jobs(0, &count), vex::kOk);
  // A failing get leaves the kept set at 0, so the next count reads it again.
  requests.integers.clear();
  std::int32_t value = -1;
  EXPECT_EQ(status.character_set(1, &value), vex::kValueMissing);
  EXPECT_EQ(value, -1);
  requests.walk_failures[kJobLocalization] = vex::kTimeout;
  count = 99;
  EXPECT_EQ(status.number_of_jobs(0, &count), vex::kTimeout);
  EXPECT_EQ(count, 99);
  EXPECT_EQ(identifiers(), (std::vector<std::string>{"00000012", "AB", "C"}));
}

TEST_F(DeviceStatusJobsTest, AFailingRowEndsTheCountKeepingTheJobsBefore) {
  struct Case {
    const char* what;
    RowSpec failing;
    vex::Result result;
  };
  RowSpec no_text = job(2, 4, "5.1.65.66");
  no_text[5].value = integer(99);  // the printer has no text for 99
  const Case cases[] = {{"missing text", no_text, vex::kValueMissing},
                        {"identifier octet above 255", job(2, 4, "5.1.48.256"), vex::kBadIndex}};
  for (const Case& c : cases) {
    jobs() = {job(1, 4, "5.1.49"), c.failing, job(3, 4, "5.1.51")};
    std::int32_t count = 99;
    EXPECT_EQ(status.number_of_jobs(0, &count), c.result) << c.what;
    EXPECT_EQ(count, 99) << c.what;
    EXPECT_EQ(identifiers(), std::vector<std::string>{"1"}) << c.what;
  }
}

TEST_F(DeviceStatusJobsTest, CharacterSetTakesTheLastRowsValue) {
  requests.tables[kCurrentLocalization] = {{{kCurrentLocalization + ".1", integer(2)}},
                                           {{kCurrentLocalization + ".2", integer(5)}}};
  requests.integers["1.3.6.1.2.1.43.7.1.1.4.1.2"] = 3;
  requests.integers["1.3.6.1.2.1.43.7.1.1.4.2.5"] = 106;
  std::int32_t value = -1;
  ASSERT_EQ(status.character_set(0, &value), vex::kOk);
  EXPECT_EQ(value, 106);
  EXPECT_EQ(requests.requests, (std::vector<std::string>{"walk " + kCurrentLocalization,
                                                         "get 1.3.6.1.2.1.43.7.1.1.4.1.2",
                                                         "get 1.3.6.1.2.1.43.7.1.1.4.2.5"}));

  // No rows: the kept value stays.
  requests.tables[kCurrentLocalization].clear();
  value = -1;
  ASSERT_EQ(status.character_set(0, &value), vex::kOk);
  EXPECT_EQ(value, 106);

  EXPECT_EQ(status.character_set(2, &value), vex::kInvalidArgument);
  EXPECT_EQ(status.character_set(0, nullptr), vex::kInvalidArgument);
}

TEST_F(DeviceStatusJobsTest, CancelSetsTheJobsCancelObjectTo1414) {
  EXPECT_EQ(status.cancel_job("AB"), vex::kOk);
  EXPECT_EQ(requests.requests,
            std::vector<std::string>{"set 1.3.6.1.4.1.253.8.76.3.2.1.1.101.2.65.66 = 1414"});
  requests.set_answer = vex::kValueMissing;  // noSuchName: a job the printer does not know
  EXPECT_EQ(status.cancel_job("ZZ"), vex::kValueMissing);
  EXPECT_EQ(status.cancel_job(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(requests.requests.size(), 2u);
}

}  // namespace
