#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "model_test_support.h"

namespace {

using namespace model_test;
namespace relation = vex::relation;

void expect_oid(const IVsnOid& oid, const char* text, std::int32_t count) {
  EXPECT_STREQ(oid.text(), text);
  EXPECT_EQ(oid.length(), count);
}

TEST(ObjectId, NewIdentifierIsEmpty) {
  Result err = 1;
  const Owned<IVsnOid> oid(vsn_create_oid(&err));
  ASSERT_NE(oid, nullptr);
  EXPECT_EQ(err, vex::kOk);
  expect_oid(*oid, "", 0);
  EXPECT_TRUE(oid->is_valid());
  EXPECT_EQ(oid->type(), vex::tag::kObjectId);
  EXPECT_EQ(oid->get_ulong(&err), 0U);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(oid->element_at(0, &err), -1);
  EXPECT_EQ(err, vex::kNotInitialised);
  EXPECT_EQ(oid->as_oid(), oid.get());
}

TEST(ObjectId, SyntaxCheck) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {
      {"", true},      {"0", true},     {"1.3.6.1", true}, {"1.99999999999", true}, {"0.0", true},
      {"2.999", true}, {"10.20", true}, {"01", false},     {"1.", false},           {".1", false},
      {"1..2", false}, {"1.a", false},  {"-1", false},     {"+1", false},           {" 1", false},
      {"1.3 ", false}, {"1.03", false}, {".", false},      {"00", false},           {"1.0.0", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(make_oid(c.text)->is_valid(), c.valid) << '"' << c.text << '"';
    Result err = 1;
    const Owned<IVsnOid> created(vsn_create_oid_text(c.text, &err));
    EXPECT_EQ(created != nullptr, c.valid) << c.text;
    EXPECT_EQ(err, c.valid ? vex::kOk : vex::kInvalidArgument) << c.text;
  }
  const Owned<IVsnOid> from_null(vsn_create_oid_text(nullptr));
  ASSERT_NE(from_null, nullptr);
  expect_oid(*from_null, "", 0);
}

TEST(ObjectId, RelationCodes) {
  const struct {
    const char* a;
    const char* b;
    std::int32_t code;
  } cases[] = {
      {"1.3.6.1.2.1.25.2.3.1.2.5", "1.3.6.1.2.1.25.2.3.1.2", relation::kThisBelow},
      {"1.3.6.1.2.1.25.2.3.1.2", "1.3.6.1.2.1.25.2.3.1.2.5", relation::kOtherBelow},
      {"1.3.6.1.2.1.25.2.3.1.3", "1.3.6.1.2.1.25.2.3.1.2", relation::kAfter},
      {"1.3.6.1.2.1.25.2.3.1.2", "1.3.6.1.2.1.25.2.3.1.2", relation::kSame},
      // Text order, not numeric order.
      {"1.3.6.1.2.1.10", "1.3.6.1.2.1.9", relation::kBefore},
      {"1.3.6.1.2.1.9", "1.3.6.1.2.1.10", relation::kAfter},
      {"1.3.6", "1.3.61", relation::kBefore},
      {"1.3.61", "1.3.6", relation::kAfter},
      {"1.3.6.1", "1.3.61", relation::kBefore},
      {"", "1", relation::kBefore},
      {"1", "", relation::kAfter},
      {"", "", relation::kSame},
  };
  for (const auto& c : cases) {
    const Owned<IVsnOid> a = make_oid(c.a);
    const Owned<IVsnOid> b = make_oid(c.b);
    Result err = 1;
    EXPECT_EQ(a->compare_text(c.b, &err), c.code) << c.a << " vs " << c.b;
    EXPECT_EQ(err, vex::kOk);
    EXPECT_EQ(a->compare(b.get(), &err), c.code) << c.a << " vs " << c.b;
  }
  Result err = 1;
  EXPECT_EQ(make_oid("1")->compare_text(nullptr, &err), -1);
  EXPECT_EQ(err, vex::kInvalidArgument);
  err = 1;
  EXPECT_EQ(make_oid("1")->compare(nullptr, &err), -1);
  EXPECT_EQ(err, vex::kInvalidArgument);
}

// Over random pairs the two directions agree, and 1/2 mean a prefix at a dot.
TEST(ObjectId, RelationIsConsistentBothWays) {
  std::mt19937 random(5);
  const auto random_oid = [&random] {
    std::string text;
    for (std::uint32_t i = 0, n = random() % 5; i < n; ++i) {
      if (!text.empty()) text += '.';
      text += std::to_string(random() % 14);
    }
    return text;
  };
  const std::int32_t mirror[] = {relation::kSame, relation::kThisBelow, relation::kOtherBelow,
                                 relation::kAfter, relation::kBefore};
  for (int i = 0; i < 2000; ++i) {
    const std::string a = random_oid();
    const std::string b = random_oid();
    const std::int32_t ab = make_oid(a.c_str())->compare_text(b.c_str(), nullptr);
    const std::int32_t ba = make_oid(b.c_str())->compare_text(a.c_str(), nullptr);
    ASSERT_EQ(ba, mirror[ab]) << a << " vs " << b;
    const bool b_below_a = b.size() > a.size() && b.starts_with(a) && b[a.size()] == '.';
    EXPECT_EQ(ab == relation::kOtherBelow, b_below_a) << a << " vs " << b;
    if (ab == relation::kBefore || ab == relation::kAfter) {
      EXPECT_EQ(ab == relation::kBefore, a < b) << a << " vs " << b;
    }
  }
}

TEST(ObjectId, ElementAtAndGetUlong) {
  const Owned<IVsnOid> oid = make_oid("1.3.4294967295.4294967296.06");
  Result err = 1;
  EXPECT_EQ(oid->element_at(0, &err), 1);
  EXPECT_EQ(oid->element_at(2, &err), 4294967295LL);
  EXPECT_EQ(oid->element_at(3, &err), 0) << "a longer number wraps modulo 2^32";
  EXPECT_EQ(oid->element_at(4, &err), 6);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(oid->element_at(5, &err), -1);
  EXPECT_EQ(err, vex::kValueMissing);
  EXPECT_EQ(oid->get_ulong(nullptr), 1U);
  EXPECT_EQ(make_oid("4294967295.1")->get_ulong(nullptr), 4294967295U);
}

TEST(ObjectId, SettersStoreTheTextAsGiven) {
  const Owned<IVsnOid> oid = make_oid("1.3");
  ASSERT_EQ(oid->set_ulong(4294967295U), vex::kOk);
  expect_oid(*oid, "4294967295", 1);
  ASSERT_EQ(oid->set_text("1.2..x"), vex::kOk);
  expect_oid(*oid, "1.2..x", 4);
  EXPECT_FALSE(oid->is_valid());
  const std::uint8_t bytes[] = {'1', '.', '3', '.', '6'};
  ASSERT_EQ(oid->set_bytes(bytes, 3), vex::kOk);
  expect_oid(*oid, "1.3", 2);
  EXPECT_EQ(oid->set_bytes(nullptr, 0), vex::kInvalidArgument);
  EXPECT_EQ(oid->set_bytes(bytes, -1), vex::kInvalidArgument);
  EXPECT_EQ(bytes_of(*oid), (std::vector<std::uint8_t>{'1', '.', '3'}));
  ASSERT_EQ(oid->set_text(nullptr), vex::kOk);
  expect_oid(*oid, "", 0);
  for (const auto& refused :
       {oid->set_long(1), oid->set_port(1), oid->set_high32(1), oid->set_low32(1)}) {
    EXPECT_EQ(refused, vex::kNotSupported);
  }
}

TEST(ObjectId, Appending) {
  struct Case {
    const char* name;
    const char* start;
    std::function<Result(IVsnOid&)> append;
    Result result;
    const char* text;
    std::int32_t count;
  };
  const Case cases[] = {
      {"text to empty", "", [](IVsnOid& o) { return o.append_text("1.3"); }, vex::kOk, "1.3", 2},
      {"text after a dot", "1.3", [](IVsnOid& o) { return o.append_text("6.1"); }, vex::kOk,
       "1.3.6.1", 4},
      {"null text", "1.3", [](IVsnOid& o) { return o.append_text(nullptr); }, vex::kOk, "1.3", 2},
      {"empty text", "1.3", [](IVsnOid& o) { return o.append_text(""); }, vex::kOk, "1.3", 2},
      {"own text", "1.3", [](IVsnOid& o) { return o.append_text(o.text()); }, vex::kOk, "1.3.1.3",
       4},
      {"largest sub-identifier to empty", "",
       [](IVsnOid& o) { return o.append_subid(4294967295U); }, vex::kOk, "4294967295", 1},
      {"sub-identifier 0", "1.3", [](IVsnOid& o) { return o.append_subid(0); }, vex::kOk, "1.3.0",
       3},
      {"other identifier", "1.3", [](IVsnOid& o) { return o.append_oid(make_oid("6.1.2").get()); },
       vex::kOk, "1.3.6.1.2", 5},
      {"empty other identifier", "1.3", [](IVsnOid& o) { return o.append_oid(make_oid().get()); },
       vex::kOk, "1.3", 2},
      {"itself", "1.3", [](IVsnOid& o) { return o.append_oid(&o); }, vex::kOk, "1.3.1.3", 4},
      {"null identifier", "1.3", [](IVsnOid& o) { return o.append_oid(nullptr); },
       vex::kInvalidArgument, "1.3", 2},
      {"index of the string ab", "1.3.6",
       [](IVsnOid& o) {
         const Owned<IVsnValue> ab(vsn_create_value_text("ab", vex::tag::kOctetString));
         return o.append_value_index(ab.get(), 0);
       },
       vex::kOk, "1.3.6.2.97.98", 6},
      {"null value index", "1.3", [](IVsnOid& o) { return o.append_value_index(nullptr, 0); },
       vex::kInvalidArgument, "1.3", 2},
      {"own index", "1.3", [](IVsnOid& o) { return o.append_value_index(&o, 0); }, vex::kOk,
       "1.3.2.1.3", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Owned<IVsnOid> oid = make_oid(c.start);
    oid->length();  // the count is known before, and must stay exact
    EXPECT_EQ(c.append(*oid), c.result);
    expect_oid(*oid, c.text, c.count);
  }
}

TEST(ObjectId, StripPrefix) {
  const char* row = "1.3.6.1.2.1.25.2.3.1.2.5";
  const struct {
    const char* prefix;
    Result result;
    const char* text;
    std::int32_t count;
  } cases[] = {
      {"1.3.6.1.2.1.25.2.3.1.2", vex::kOk, "5", 1},
      {"1.3.6.1.2.1.25.2.3.1", vex::kOk, "2.5", 2},
      {"1.3.6.1.2.1.25.2.3.1.2.5", vex::kOk, "", 0},
      {"1.3.6.1.2.1.25.2.3.1.3", vex::kInvalidArgument, row, 12},
      {"1.3.6.1.2.1.25.2.3.1.2.5.1", vex::kInvalidArgument, row, 12},
      {"1.3.6.1.2.1.25.2.3.1.25", vex::kInvalidArgument, row, 12},
      {"1.3.6.1.2.1.25.2.3.1.", vex::kInvalidArgument, row, 12},
      {"", vex::kInvalidArgument, row, 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prefix);
    const Owned<IVsnOid> by_text = make_oid(row);
    EXPECT_EQ(by_text->strip_prefix_text(c.prefix), c.result);
    expect_oid(*by_text, c.text, c.count);
    const Owned<IVsnOid> by_oid = make_oid(row);
    EXPECT_EQ(by_oid->strip_prefix(make_oid(c.prefix).get()), c.result);
    expect_oid(*by_oid, c.text, c.count);
  }
  EXPECT_EQ(make_oid(row)->strip_prefix_text(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(make_oid(row)->strip_prefix(nullptr), vex::kInvalidArgument);
  const Owned<IVsnOid> empty = make_oid();
  EXPECT_EQ(empty->strip_prefix_text(""), vex::kOk);
  expect_oid(*empty, "", 0);
}

TEST(ObjectId, Remove) {
  const struct {
    const char* start;
    std::uint32_t from, count;
    Result result;
    const char* text;
    std::int32_t left;
  } cases[] = {
      {"1.3.6.1.2", 1, 2, vex::kOk, "1.1.2", 3},
      {"1.3.6.1.2", 1, 0xFFFFFFFFU, vex::kOk, "1", 1},
      {"1.3.6.1.2", 5, 1, vex::kInvalidArgument, "1.3.6.1.2", 5},
      {"1.3.6.1.2", 0, 1, vex::kOk, "3.6.1.2", 4},
      {"1.3.6.1.2", 4, 1, vex::kOk, "1.3.6.1", 4},
      {"1.3.6.1.2", 3, 9, vex::kOk, "1.3.6", 3},
      {"1.3.6.1.2", 0, 5, vex::kOk, "", 0},
      {"1.3.6.1.2", 0, 100, vex::kOk, "", 0},
      {"1.3.6.1.2", 2, 0, vex::kOk, "1.3.6.1.2", 5},
      {"161", 0, 1, vex::kOk, "", 0},
      {"", 0, 1, vex::kInvalidArgument, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " remove " << c.from << ", " << c.count);
    const Owned<IVsnOid> oid = make_oid(c.start);
    EXPECT_EQ(oid->remove(c.from, c.count), c.result);
    expect_oid(*oid, c.text, c.left);
  }
}

TEST(ObjectId, TakePrefix) {
  const struct {
    std::uint32_t n;
    Result result;
    const char* prefix;
    const char* left;
  } cases[] = {
      {2, vex::kOk, "1.3", "6.1"},
      {1, vex::kOk, "1", "3.6.1"},
      {4, vex::kOk, "1.3.6.1", ""},
      {10, vex::kOk, "1.3.6.1", ""},
      {0, vex::kInvalidArgument, nullptr, "1.3.6.1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    const Owned<IVsnOid> oid = make_oid("1.3.6.1");
    Result err = 1;
    const Owned<IVsnOid> prefix(oid->take_prefix_oid(c.n, &err));
    EXPECT_EQ(err, c.result);
    EXPECT_STREQ(oid->text(), c.left);
    EXPECT_EQ(oid->length(), make_oid(c.left)->length());
    if (c.prefix == nullptr) {
      EXPECT_EQ(prefix, nullptr);
    } else {
      ASSERT_NE(prefix, nullptr);
      EXPECT_STREQ(prefix->text(), c.prefix);
    }

    const Owned<IVsnOid> again = make_oid("1.3.6.1");
    const Owned<IVexBuffer> text(again->take_prefix_buffer(c.n, &err));
    EXPECT_EQ(err, c.result);
    EXPECT_STREQ(again->text(), c.left);
    if (c.prefix != nullptr) {
      EXPECT_EQ(buffer_text(*text), c.prefix);
    }
  }
  EXPECT_EQ(make_oid("1.3")->take_prefix_into(nullptr, 1), vex::kInvalidArgument);
  EXPECT_EQ(make_oid("1.3")->take_prefix_to_buffer(nullptr, 1), vex::kInvalidArgument);
}

TEST(ObjectId, TakeFirstSubid) {
  const Owned<IVsnOid> oid = make_oid("161.7");
  Result err = 1;
  EXPECT_EQ(oid->take_first_subid(&err), 161U);
  EXPECT_EQ(err, vex::kOk);
  expect_oid(*oid, "7", 1);
  EXPECT_EQ(oid->take_first_subid(&err), 7U);
  expect_oid(*oid, "", 0);
  EXPECT_EQ(oid->take_first_subid(&err), 0xFFFFFFFFU);
  EXPECT_EQ(err, vex::kNotInitialised);
}

TEST(ObjectId, TakeAndPeekIndexValues) {
  const Owned<IVsnOid> row = make_oid("2.97.98.4.10.0.0.1.97.98.99.100");
  Result err = 1;
  const Owned<IVsnValue> peeked(row->peek_index_value(vex::tag::kOctetString, &err, 0));
  ASSERT_NE(peeked, nullptr);
  EXPECT_EQ(text_of(*peeked), "ab");
  EXPECT_STREQ(row->text(), "2.97.98.4.10.0.0.1.97.98.99.100") << "peeking changes nothing";

  const Owned<IVsnValue> name(row->take_index_value(vex::tag::kOctetString, &err, 0, -1));
  ASSERT_NE(name, nullptr);
  EXPECT_STREQ(row->text(), "4.10.0.0.1.97.98.99.100");
  // A failing read removes nothing.
  EXPECT_EQ(row->take_index_value(vex::tag::kUdpAddress, &err, 0, -1), nullptr);
  EXPECT_EQ(err, vex::kBadIndex);
  EXPECT_STREQ(row->text(), "4.10.0.0.1.97.98.99.100");
  const Owned<IVsnValue> address(row->take_index_value(vex::tag::kIpAddress, &err, 0, -1));
  ASSERT_NE(address, nullptr);
  EXPECT_EQ(text_of(*address), "10.0.0.1");
  const Owned<IVsnValue> implied(row->take_index_value(vex::tag::kOctetString, &err, 1, 2));
  ASSERT_NE(implied, nullptr);
  EXPECT_EQ(text_of(*implied), "ab");
  expect_oid(*row, "99.100", 2);
  // A length only counts for classes that read one.
  const Owned<IVsnOid> numbers = make_oid("7.8.9");
  const Owned<IVsnValue> number(numbers->take_index_value(vex::tag::kGauge32, &err, 1, 2));
  ASSERT_NE(number, nullptr);
  expect_oid(*numbers, "8.9", 2);
  const Owned<IVsnValue> longer(row->take_index_value(vex::tag::kOctetString, &err, 1, 5));
  ASSERT_NE(longer, nullptr);
  EXPECT_EQ(text_of(*longer), "cd");
  expect_oid(*row, "", 0);
  EXPECT_EQ(row->take_index_value(0x47, &err, 1, -1), nullptr);
  EXPECT_EQ(err, vex::kInvalidArgument);
  EXPECT_EQ(row->take_index_into(nullptr, 0, -1), vex::kInvalidArgument);
  EXPECT_EQ(row->peek_index_into(nullptr, 0), vex::kInvalidArgument);
}

TEST(ObjectId, AssignValueIndexReplacesTheIdentifier) {
  const Owned<IVsnOid> oid = make_oid("9.9");
  const Owned<IVsnValue> udp(vsn_create_value_text("10.0.0.1/161", vex::tag::kUdpAddress));
  ASSERT_EQ(oid->assign_value_index(udp.get(), 0), vex::kOk);
  expect_oid(*oid, "1.6.10.0.0.1.0.161", 8);
  EXPECT_EQ(oid->assign_value_index(nullptr, 0), vex::kInvalidArgument);
  EXPECT_EQ(oid->assign_value_index(make_value(vex::tag::kNull).get(), 0), vex::kNotSupported);
  expect_oid(*oid, "1.6.10.0.0.1.0.161", 8);
}

TEST(ObjectId, IndexOperationsOnItself) {
  const Owned<IVsnOid> oid = make_oid("1.3");
  ASSERT_EQ(oid->assign_index(oid.get(), 0), vex::kOk);
  expect_oid(*oid, "2.1.3", 3);
  ASSERT_EQ(oid->read_index(oid.get(), 0, -1), vex::kOk);
  expect_oid(*oid, "1.3", 2);
  ASSERT_EQ(oid->take_index_into(oid.get(), 1, -1), vex::kOk);
  EXPECT_EQ(oid->length(), 0);
}

TEST(ObjectId, CloneAndViews) {
  const Owned<IVsnOid> oid = make_oid("1.3.6");
  Result err = 1;
  const Owned<IVsnOid> copy(oid->clone(&err));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(err, vex::kOk);
  ASSERT_EQ(copy->append_subid(1), vex::kOk);
  EXPECT_STREQ(oid->text(), "1.3.6");
  expect_oid(*copy, "1.3.6.1", 4);

  // The value view and the identifier view are one object.
  IVsnValue* value = vsn_create_value(vex::tag::kObjectId);
  IVsnOid* as_oid = value->as_oid();
  ASSERT_NE(as_oid, nullptr);
  EXPECT_EQ(static_cast<IVsnValue*>(as_oid), value);
  ASSERT_EQ(as_oid->append_text("1.3"), vex::kOk);
  EXPECT_EQ(text_of(*value), "1.3");
  as_oid->destroy();
}

}  // namespace
