#include "device/status/job_records.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/fixed_text.h"
#include "status_test_support.h"

namespace {

using namespace status_test;

const std::string kJob = "1.3.6.1.4.1.253.8.59";
const std::string kTexts = "1.3.6.1.4.1.253.8.51.5.1.1.4";

vex::Owned<IVsnOid> oid(const char* text) { return vex::Owned<IVsnOid>(vsn_create_oid_text(text)); }

TEST(JobIdentifier, TakesUpToEightOctetsAfterTheFirstTwoSubIdentifiers) {
  struct Case {
    const char* index;
    vex::Result result;
    std::string identifier;
  };
  const Case cases[] = {
      {"5.1.48.48.48.48.48.48.49.50", vex::kOk, "00000012"},
      {"5.1.65.66", vex::kOk, "AB"},
      {"5.1.49.50.51.52.53.54.55.56.57", vex::kOk, "12345678"},
      {"5.1", vex::kOk, ""},
      {"5", vex::kOk, ""},
      {"5.1.48.0.49", vex::kOk, "0"},  // a zero octet ends the text
      {"5.1.48.256", vex::kBadIndex, ""},
      {"300.400.65", vex::kOk, "A"},  // the skipped sub-identifiers are not octets
  };
  for (const Case& c : cases) {
    char field[256];
    std::memset(field, 'x', sizeof field);
    EXPECT_EQ(vex::job_identifier(*oid(c.index), field, sizeof field), c.result) << c.index;
    EXPECT_EQ(vex::field_view(field), c.identifier) << c.index;
    EXPECT_EQ(bytes_of(field), ExpectedBytes(256).text(0, c.identifier).bytes()) << c.index;
  }
}

TEST(DateAndTime, DecodesYearBigEndianAndTheRestAsSignedOctets) {
  struct Case {
    std::string octets;
    DvkDateTime time;
  };
  const Case cases[] = {
      {std::string("\x07\xD4\x0C\x1F\x17\x00\x2D\x00", 8), {2004, 12, 31, 23, 0, 45}},
      {std::string("\x07\xD4\x0C\x1F\x17\x00\x2D\x00\x2B\x01\x00", 11), {2004, 12, 31, 23, 0, 45}},
      {"\x07\xD4\x0C", {2004, 12, 0, 0, 0, 0}},
      {"\x07", {0x0700, 0, 0, 0, 0, 0}},
      {"", {0, 0, 0, 0, 0, 0}},
      {"\xFF\xFF\xFF\x80\x7F", {65535, 0xFFFF, 0xFF80, 0x007F, 0, 0}},
  };
  for (const Case& c : cases) {
    const std::span<const std::uint8_t> octets(
        reinterpret_cast<const std::uint8_t*>(c.octets.data()), c.octets.size());
    EXPECT_EQ(bytes_of(vex::date_and_time(octets)), bytes_of(c.time)) << c.octets.size();
  }
}

TEST(JobListKinds, SelectByStatusCodeSeventeen) {
  struct Case {
    std::int32_t kind;
    std::int32_t status_code;
    bool kept;
  };
  const Case cases[] = {{0, 17, true}, {0, 4, true},  {1, 17, false}, {1, 4, true},
                        {2, 17, true}, {2, 4, false}, {3, 17, false}, {-1, 4, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(vex::job_kept(c.kind, c.status_code), c.kept) << c.kind << " " << c.status_code;
  }
}

TEST(JobTextOid, IndexesTheTextTableByColumnIndexValueAndCharacterSet) {
  vex::RequestOid name;
  ASSERT_EQ(vex::job_text_oid(5, 3, 106, &name), vex::kOk);
  EXPECT_STREQ(name.text, (kTexts + ".5.3.106").c_str());
  ASSERT_EQ(vex::job_text_oid(4294967295u, -1, 0, &name), vex::kOk);
  EXPECT_STREQ(name.text, (kTexts + ".4294967295.-1.0").c_str());
}

// Answers the lookups from a table and records them.
class TableTexts final : public vex::JobTexts {
 public:
  std::map<std::string, std::string> texts;
  std::vector<std::string> asked;

  vex::Result fetch(const char* oid, char* field, std::size_t capacity) override {
    asked.emplace_back(oid);
    const auto found = texts.find(oid);
    if (found == texts.end()) return vex::kValueMissing;
    vex::copy_to_field(field, capacity, found->second.c_str());
    return vex::kOk;
  }
};

// One job row: its cells carry the indexes of the three private job tables.
RowSpec job_row(const std::string& type, std::int32_t status_code,
                const std::string& identifier_index) {
  const std::string date("\x07\xD4\x0C\x1F\x17\x00\x2D\x00", 8);
  return {
      {kJob + ".6.1.1.4.5.12", oid_value(type)},
      {kJob + ".6.1.1.9.5.12", integer(status_code)},
      {kJob + ".6.1.1.10.5.12", integer(-2)},
      {kJob + ".16.1.1.5.5.12", gauge(4000000000u)},
      {kJob + ".16.1.1.6.5.12", gauge(7)},
      {kJob + ".6.1.1.5.5.12", integer(3)},
      {kJob + ".6.1.1.6.6.12", integer(9)},
      {kJob + ".10.1.1.7." + identifier_index, integer(1)},
      {kJob + ".6.1.1.3.5.12", octets("report.pdf")},
      {kJob + ".10.1.1.10.5.12", octets(date)},
      {kJob + ".16.1.1.4.5.12", octets("\x07\xD5\x01\x02")},
      {kJob + ".16.1.1.7.5.12", octets("")},
  };
}

class JobRecordTest : public ::testing::Test {
 protected:
  JobRecordTest() {
    texts.texts = {{kTexts + ".5.3.106", "Printing"},
                   {kTexts + ".6.9.106", "Tray 2"},
                   {kTexts + ".5.1.106", "Host"}};
  }
  TableTexts texts;
};

TEST_F(JobRecordTest, FillsEveryFieldByteForByte) {
  const vex::StatusRow row =
      build(job_row("1.3.6.1.4.1.253.8.58.2.4", 17, "5.1.48.48.48.48.48.48.49.50"));
  auto record = dirty<DvkJobInfo>();
  ASSERT_EQ(vex::job_record(row, 106, texts, &record), vex::kOk);
  EXPECT_EQ(bytes_of(record), ExpectedBytes(1336)
                                  .i32(0, 4)
                                  .i32(4, 17)
                                  .i32(8, -2)
                                  .i32(12, 4000000000u)
                                  .i32(16, 7)
                                  .text(20, "Printing")
                                  .text(276, "Tray 2")
                                  .text(532, "Host")
                                  .text(788, "00000012")
                                  .text(1044, "report.pdf")
                                  .u16(1300, 2004)
                                  .u16(1302, 12)
                                  .u16(1304, 31)
                                  .u16(1306, 23)
                                  .u16(1308, 0)
                                  .u16(1310, 45)
                                  .u16(1312, 2005)
                                  .u16(1314, 1)
                                  .u16(1316, 2)
                                  .bytes());
  EXPECT_EQ(texts.asked, (std::vector<std::string>{kTexts + ".5.3.106", kTexts + ".6.9.106",
                                                   kTexts + ".5.1.106"}));
}

TEST_F(JobRecordTest, GivesTypeZeroForAnUnknownJobType) {
  const vex::StatusRow row = build(job_row("1.3.6.1.4.1.253.8.58.2.13", 4, "5.1.65.66"));
  DvkJobInfo record;
  ASSERT_EQ(vex::job_record(row, 106, texts, &record), vex::kOk);
  EXPECT_EQ(record.job_type, 0);
  EXPECT_STREQ(record.job_id, "AB");
}

TEST_F(JobRecordTest, FailsWithTheLookupsCodeAndStopsLookingUp) {
  texts.texts.erase(kTexts + ".6.9.106");
  const vex::StatusRow row = build(job_row("1.3.6.1.4.1.253.8.58.2.4", 4, "5.1.65.66"));
  DvkJobInfo record;
  EXPECT_EQ(vex::job_record(row, 106, texts, &record), vex::kValueMissing);
  EXPECT_EQ(texts.asked, (std::vector<std::string>{kTexts + ".5.3.106", kTexts + ".6.9.106"}));
}

TEST_F(JobRecordTest, FailsWhenTheIdentifierIndexHoldsNoOctet) {
  const vex::StatusRow row = build(job_row("1.3.6.1.4.1.253.8.58.2.4", 4, "5.1.48.256"));
  DvkJobInfo record;
  EXPECT_EQ(vex::job_record(row, 106, texts, &record), vex::kBadIndex);
}

TEST_F(JobRecordTest, LooksNothingUpForCellsTheRowLacks) {
  RowSpec layout = job_row("1.3.6.1.4.1.253.8.58.2.4", 4, "5.1.65.66");
  layout[6].name = kJob + ".6.1.1.7.5.12";  // past its column
  layout.resize(8);
  layout.erase(layout.begin() + 7);  // no identifier column either
  const vex::StatusRow row = build(layout);
  auto record = dirty<DvkJobInfo>();
  ASSERT_EQ(vex::job_record(row, 106, texts, &record), vex::kOk);
  EXPECT_EQ(texts.asked, std::vector<std::string>{kTexts + ".5.3.106"});
  EXPECT_STREQ(record.text_1, "Printing");
  EXPECT_EQ(bytes_of(record.text_2), ExpectedBytes(256).bytes());
  EXPECT_EQ(bytes_of(record.job_id), ExpectedBytes(256).bytes());
  EXPECT_EQ(bytes_of(record.time_1), ExpectedBytes(12).bytes());
}

}  // namespace
