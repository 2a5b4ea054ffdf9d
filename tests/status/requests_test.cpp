// The names and values of the requests beyond the table walks: the cancel
// set, the character-set gets and their formatting.
#include <gtest/gtest.h>

#include <string>

#include "device/status/cancel_request.h"
#include "device/status/character_set.h"
#include "device/status/request_oid.h"
#include "status_test_support.h"

namespace {

using namespace status_test;

TEST(CancelRequest, IndexesTheCancelColumnBy101AndTheIdentifiersOctets) {
  struct Case {
    const char* job_id;
    const char* suffix;
  };
  const Case cases[] = {{"AB", "101.2.65.66"},
                        {"00000012", "101.8.48.48.48.48.48.48.49.50"},
                        {"", "101.0"},
                        {"\xC3\xA9", "101.2.195.169"}};
  for (const Case& c : cases) {
    vex::CancelRequest request;
    ASSERT_EQ(vex::cancel_request(c.job_id, &request), vex::kOk);
    EXPECT_EQ(std::string(request.column) + "." + request.suffix->text(),
              std::string("1.3.6.1.4.1.253.8.76.3.2.1.1.") + c.suffix);
    EXPECT_EQ(request.value, 1414);
  }
  vex::CancelRequest request;
  EXPECT_EQ(vex::cancel_request(nullptr, &request), vex::kInvalidArgument);
}

TEST(CharacterSetKinds, WalkOneColumnAndGetFromAnother) {
  ASSERT_NE(vex::character_set_kind(0), nullptr);
  ASSERT_NE(vex::character_set_kind(1), nullptr);
  EXPECT_STREQ(vex::character_set_kind(0)->walked.root, "1.3.6.1.2.1.43.5.1.1.2");
  EXPECT_STREQ(vex::character_set_kind(0)->get_column, "1.3.6.1.2.1.43.7.1.1.4");
  EXPECT_STREQ(vex::character_set_kind(1)->walked.root, "1.3.6.1.4.1.253.8.51.3.1.1.1");
  EXPECT_STREQ(vex::character_set_kind(1)->get_column, "1.3.6.1.4.1.253.8.51.4.1.1.7");
  EXPECT_EQ(vex::character_set_kind(2), nullptr);
  EXPECT_EQ(vex::character_set_kind(-1), nullptr);
}

TEST(CharacterSetOid, NamesTheGetByTheRowsFirstIndexAndItsValue) {
  const vex::CharacterSetKind& printer = *vex::character_set_kind(0);
  const vex::CharacterSetKind& jobs = *vex::character_set_kind(1);
  struct Case {
    const vex::CharacterSetKind* kind;
    RowSpec row;
    vex::Result result;
    const char* oid;
  };
  const Case cases[] = {
      {&printer,
       {{"1.3.6.1.2.1.43.5.1.1.2.1", integer(2)}},
       vex::kOk,
       "1.3.6.1.2.1.43.7.1.1.4.1.2"},
      {&jobs,
       {{"1.3.6.1.4.1.253.8.51.3.1.1.1.3.7", integer(106)}},
       vex::kOk,
       "1.3.6.1.4.1.253.8.51.4.1.1.7.3.106"},
      {&printer, {{"1.3.6.1.2.1.43.5.1.1.3.1", integer(2)}}, vex::kValueMissing, ""},
      {&printer, {}, vex::kValueMissing, ""},
  };
  for (const Case& c : cases) {
    const vex::StatusRow row = build(c.row);
    vex::RequestOid oid;
    EXPECT_EQ(vex::character_set_oid(*c.kind, row, &oid), c.result) << c.oid;
    EXPECT_STREQ(oid.text, c.oid);
  }
}

TEST(RequestOid, RefusesNamesThatDoNotFit) {
  vex::RequestOid oid;
  EXPECT_EQ(vex::format_request_oid("1.3.6", {-5, 7}, &oid), vex::kOk);
  EXPECT_STREQ(oid.text, "1.3.6.-5.7");
  const std::string long_column(vex::RequestOid::kCapacity - 3, '1');
  EXPECT_EQ(vex::format_request_oid(long_column.c_str(), {123}, &oid), vex::kInvalidArgument);
  EXPECT_STREQ(oid.text, "");
  EXPECT_EQ(vex::format_request_oid(nullptr, {1}, &oid), vex::kInvalidArgument);
}

}  // namespace
