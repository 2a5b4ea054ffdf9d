// The table-index forms of values: append_index, read_index, index_length.
#include <gtest/gtest.h>

#include <string>

#include "model_test_support.h"
#include "snmp/model/oid_text.h"

namespace {

using namespace model_test;
namespace tag = vex::tag;

struct AppendCase {
  std::int32_t tag;
  const char* value_text;
  const char* index;          // implied = 0
  const char* implied_index;  // implied = 1
};

const AppendCase kAppendCases[] = {
    {tag::kInteger, "-1", "4294967295", "4294967295"},
    {tag::kInteger, "17", "17", "17"},
    {tag::kGauge32, "7", "7", "7"},
    {tag::kTimeTicks, "4294967295", "4294967295", "4294967295"},
    {tag::kOctetString, "ab", "2.97.98", "97.98"},
    {tag::kOctetString, "", "0", ""},
    {tag::kOpaque, "\xff", "1.255", "255"},
    {tag::kIpAddress, "10.0.0.1", "4.10.0.0.1", "10.0.0.1"},
    {tag::kIpv6Address, "fe80:0:0:0:0:0:0:1", "16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1",
     "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
    {tag::kUdpAddress, "10.0.0.1/161", "1.6.10.0.0.1.0.161", "1.10.0.0.1.0.161"},
    {tag::kIpxAddress, "01020304:05060708090a/451", "5.12.1.2.3.4.5.6.7.8.9.10.4.81",
     "5.1.2.3.4.5.6.7.8.9.10.4.81"},
    {tag::kObjectId, "1.3.6", "3.1.3.6", "1.3.6"},
    {tag::kObjectId, "", "0", ""},
};

TEST(IndexForm, AppendIndex) {
  for (const AppendCase& c : kAppendCases) {
    SCOPED_TRACE(testing::Message() << "tag " << c.tag << " value " << c.value_text);
    Result err = 1;
    const Owned<IVsnValue> value(vsn_create_value_text(c.value_text, c.tag, &err));
    ASSERT_EQ(err, vex::kOk);
    for (std::int32_t implied : {0, 1}) {
      const std::string expected = implied != 0 ? c.implied_index : c.index;
      const Owned<IVsnOid> oid = make_oid();
      EXPECT_EQ(value->append_index(oid.get(), implied), vex::kOk);
      EXPECT_EQ(oid->text(), expected);
      EXPECT_EQ(oid->length(), value->index_length(implied));
      EXPECT_EQ(oid->length(), static_cast<std::int32_t>(vex::oid_text::count(expected)));

      const Owned<IVsnOid> column = make_oid("1.3.6.1.4");
      EXPECT_EQ(value->append_index(column.get(), implied), vex::kOk);
      EXPECT_EQ(column->text(), expected.empty() ? "1.3.6.1.4" : "1.3.6.1.4." + expected);

      const Owned<IVsnOid> replaced = make_oid("9.9.9");
      EXPECT_EQ(value->assign_index(replaced.get(), implied), vex::kOk);
      EXPECT_EQ(replaced->text(), expected);
    }
    EXPECT_EQ(value->append_index(nullptr, 0), vex::kInvalidArgument);
    EXPECT_EQ(value->assign_index(nullptr, 0), vex::kInvalidArgument);
  }
}

struct ReadCase {
  std::int32_t tag;
  const char* index;
  std::int32_t implied;
  std::int32_t length;
  Result result;
  std::string text;  // the value's text afterwards, when read
};

const ReadCase kReadCases[] = {
    {tag::kInteger, "4294967295.5", 0, -1, vex::kOk, "-1"},
    {tag::kInteger, "", 0, -1, vex::kNotInitialised, "0"},
    {tag::kGauge32, "12", 1, 3, vex::kOk, "12"},
    {tag::kOctetString, "2.97.98.99", 0, -1, vex::kOk, "ab"},
    {tag::kOctetString, "2.97.98", 0, -1, vex::kOk, "ab"},
    {tag::kOctetString, "3.97.98", 0, -1, vex::kBadIndex, ""},
    {tag::kOctetString, "0", 0, -1, vex::kOk, ""},
    {tag::kOctetString, "2.97.300", 0, -1, vex::kBadIndex, "a"},
    {tag::kOctetString, "97.98.99", 1, -1, vex::kOk, "abc"},
    {tag::kOctetString, "97.98.99", 1, 2, vex::kOk, "ab"},
    {tag::kOctetString, "97.98.99", 1, 7, vex::kOk, "abc"},
    {tag::kOctetString, "", 1, -1, vex::kOk, ""},
    {tag::kOctetString, "", 0, -1, vex::kNotInitialised, ""},
    {tag::kIpAddress, "4.10.0.0.1", 0, -1, vex::kOk, "10.0.0.1"},
    {tag::kIpAddress, "3.10.0.0.1", 0, -1, vex::kBadIndex, "0.0.0.0"},
    {tag::kIpAddress, "10.0.0.1.7", 1, 2, vex::kOk, "10.0.0.1"},
    {tag::kIpAddress, "4.10.256.0.1", 0, -1, vex::kBadIndex, "10.0.0.0"},
    {tag::kIpAddress, "4.10.0", 0, -1, vex::kValueMissing, "10.0.0.0"},
    {tag::kIpv6Address, "16.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.1", 0, -1, vex::kOk, "0:0:0:0:0:0:0:1"},
    {tag::kIpv6Address, "4.0.0.0.1", 0, -1, vex::kBadIndex, "0:0:0:0:0:0:0:0"},
    {tag::kUdpAddress, "1.6.10.0.0.1.0.161", 0, -1, vex::kOk, "10.0.0.1/161"},
    {tag::kUdpAddress, "1.10.0.0.1.0.161", 1, -1, vex::kOk, "10.0.0.1/161"},
    {tag::kUdpAddress, "2.6.10.0.0.1.0.161", 0, -1, vex::kBadIndex, "0.0.0.0/0"},
    {tag::kUdpAddress, "1.4.10.0.0.1", 0, -1, vex::kBadIndex, "0.0.0.0/0"},
    {tag::kIpxAddress, "5.12.0.0.0.1.0.0.0.0.0.2.1.0", 0, -1, vex::kOk,
     std::string("00000001:000000000002/100\0", 26)},
    {tag::kIpxAddress, "1.12.0.0.0.1.0.0.0.0.0.2.1.0", 0, -1, vex::kBadIndex,
     std::string("00000000:000000000000/0\0", 24)},
    {tag::kObjectId, "3.1.3.6.9", 0, -1, vex::kOk, "1.3.6"},
    {tag::kObjectId, "4.1.3.6", 0, -1, vex::kBadIndex, ""},
    {tag::kObjectId, "1.3.6", 1, -1, vex::kOk, "1.3.6"},
    {tag::kObjectId, "1.3.6", 1, 2, vex::kOk, "1.3"},
    {tag::kObjectId, "1.3.6", 1, 5, vex::kValueMissing, "1.3.6"},
    {tag::kObjectId, "0", 0, -1, vex::kOk, ""},
};

TEST(IndexForm, ReadIndex) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(testing::Message() << "tag " << c.tag << " index " << c.index << " implied "
                                    << c.implied << " length " << c.length);
    const Owned<IVsnValue> value = make_value(c.tag);
    const Owned<IVsnOid> oid = make_oid(c.index);
    EXPECT_EQ(value->read_index(oid.get(), c.implied, c.length), c.result);
    EXPECT_EQ(text_of(*value), c.text);
    EXPECT_STREQ(oid->text(), c.index) << "the source is not changed";
  }
}

TEST(IndexForm, ReadIndexReplacesTheOldContent) {
  const Owned<IVsnValue> value = sample_value(tag::kOctetString);
  const Owned<IVsnOid> oid = make_oid("1.120");
  ASSERT_EQ(value->read_index(oid.get(), 0, -1), vex::kOk);
  EXPECT_EQ(text_of(*value), "x");
  EXPECT_EQ(value->read_index(nullptr, 0, -1), vex::kInvalidArgument);
}

TEST(IndexForm, AppendIndexTextBuildsTheValueFirst) {
  const Owned<IVsnOid> oid = make_oid("1.3.6.1.2.1.4.20.1.1");
  EXPECT_EQ(oid->append_index_text("10.0.0.1", tag::kIpAddress, 1), vex::kOk);
  EXPECT_STREQ(oid->text(), "1.3.6.1.2.1.4.20.1.1.10.0.0.1");
  EXPECT_EQ(oid->append_index_text("1.2.3.256", tag::kIpAddress, 1), vex::kInvalidArgument);
  EXPECT_EQ(oid->append_index_text("x", 0x47, 1), vex::kInvalidArgument);
  EXPECT_EQ(oid->append_index_text("x", tag::kNull, 1), vex::kNotSupported);
  EXPECT_EQ(oid->append_index_text(nullptr, tag::kOctetString, 0), vex::kInvalidArgument);
  EXPECT_STREQ(oid->text(), "1.3.6.1.2.1.4.20.1.1.10.0.0.1") << "failures append nothing";
}

}  // namespace
