// Binding lists: order, removal, copies and moves of ranges, error marking.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "container_test_support.h"

namespace {

using namespace model_test;
using Names = std::vector<std::string>;
using VarBindList = CountedValues;

TEST_F(VarBindList, InsertionKeepsOrder) {
  const Owned<IVsnVarBindList> list(vsn_create_varbind_list());
  ASSERT_EQ(list->count(), 0);
  EXPECT_EQ(list->add(make_oid("2").release(), counted(2)), vex::kOk);
  EXPECT_EQ(list->add_front(make_oid("1").release(), counted(1)), vex::kOk);
  EXPECT_EQ(list->append(binding("3", 3).release()), vex::kOk);
  EXPECT_EQ(list->prepend(binding("0", 0).release()), vex::kOk);
  EXPECT_EQ(names_of(*list), (Names{"0", "1", "2", "3"}));
  EXPECT_EQ(list->count(), 4);
}

TEST_F(VarBindList, AddWithoutValueGivesANullValue) {
  const Owned<IVsnVarBindList> list(vsn_create_varbind_list());
  ASSERT_EQ(list->add(make_oid("1.3").release(), nullptr), vex::kOk);
  EXPECT_EQ(list->at(0)->value()->type(), vex::tag::kNull);
}

TEST_F(VarBindList, MissingArgumentsAreRefusedAndLeftWithTheCaller) {
  const Owned<IVsnVarBindList> list = list_of(1);
  const Owned<IVsnValue> value(counted(7));
  EXPECT_EQ(list->add(nullptr, value.get()), vex::kInvalidArgument);
  EXPECT_EQ(list->add_front(nullptr, value.get()), vex::kInvalidArgument);
  EXPECT_EQ(list->append(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(list->prepend(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(value->get_ulong(nullptr), 7U) << "the caller still owns the value";
}

TEST_F(VarBindList, GrowingKeepsOrderAndPositions) {
  const Owned<IVsnVarBindList> list(vsn_create_varbind_list());
  Names expected;
  for (int i = 0; i < 40; ++i) {
    const std::string back = std::to_string(100 + i);
    const std::string front = std::to_string(99 - i);
    ASSERT_EQ(list->add(make_oid(back.c_str()).release(), nullptr), vex::kOk);
    ASSERT_EQ(list->add_front(make_oid(front.c_str()).release(), nullptr), vex::kOk);
  }
  for (int i = 60; i < 140; ++i) expected.push_back(std::to_string(i));
  EXPECT_EQ(names_of(*list), expected);
}

TEST_F(VarBindList, AtLendsInsideTheList) {
  const Owned<IVsnVarBindList> list = list_of(3);
  EXPECT_STREQ(list->at(2)->name()->text(), "1.3");
  EXPECT_EQ(list->at(3), nullptr);
  EXPECT_EQ(list->at(-1), nullptr);
}

TEST_F(VarBindList, RemoveAt) {
  const Owned<IVsnVarBindList> list = list_of(4);
  IVsnVarBind* taken = nullptr;
  ASSERT_EQ(list->remove_at(1, &taken), vex::kOk);
  const Owned<IVsnVarBind> own_taken(taken);
  ASSERT_NE(taken, nullptr);
  EXPECT_STREQ(taken->name()->text(), "1.2");
  EXPECT_EQ(names_of(*list), (Names{"1.1", "1.3", "1.4"}));

  EXPECT_EQ(list->remove_at(0, nullptr), vex::kOk);
  EXPECT_EQ(names_of(*list), (Names{"1.3", "1.4"})) << "the following bindings move up";
  EXPECT_EQ(CountedValue::live(), 3) << "a null out-pointer deletes the binding";

  taken = nullptr;
  EXPECT_EQ(list->remove_at(2, &taken), vex::kInvalidArgument);
  EXPECT_EQ(list->remove_at(-1, &taken), vex::kInvalidArgument);
  EXPECT_EQ(taken, nullptr);
  EXPECT_EQ(list->count(), 2);
}

TEST_F(VarBindList, TakingFromTheFront) {
  const Owned<IVsnVarBindList> list = list_of(2);
  IVsnOid* name = nullptr;
  IVsnValue* value = nullptr;
  list->take_first_parts(&name, &value);
  const Owned<IVsnOid> own_name(name);
  const Owned<IVsnValue> own_value(value);
  ASSERT_NE(name, nullptr);
  EXPECT_STREQ(name->text(), "1.1");
  EXPECT_EQ(value->get_ulong(nullptr), 1U);

  const Owned<IVsnVarBind> second(list->pop_front());
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second->name()->text(), "1.2");
  EXPECT_EQ(list->count(), 0);

  EXPECT_EQ(list->pop_front(), nullptr);
  const Owned<IVsnOid> marker = make_oid("9");
  name = marker.get();
  list->take_first_parts(&name, nullptr);
  EXPECT_EQ(name, marker.get()) << "an empty list writes nothing";
}

TEST_F(VarBindList, CopyRange) {
  const Owned<IVsnVarBindList> list = list_of(3);
  const struct {
    std::int32_t start;
    std::int32_t n;
    Names names;
  } cases[] = {
      {0, 2, {"1.1", "1.2"}},
      {1, 10, {"1.2", "1.3"}},
      {2, 1, {"1.3"}},
      {0, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "start " << c.start << " n " << c.n);
    Result err = 1;
    const Owned<IVsnVarBindList> copy(list->copy_range(c.start, c.n, &err));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(err, vex::kOk);
    EXPECT_EQ(names_of(*copy), c.names);
    if (copy->count() != 0) {
      EXPECT_NE(copy->at(0), list->at(c.start)) << "clones, not moves";
    }
  }
  EXPECT_EQ(list->count(), 3);

  for (const auto& [start, n] : {std::pair{3, 1}, std::pair{-1, 1}, std::pair{0, -1}}) {
    Result err = 1;
    EXPECT_EQ(list->copy_range(start, n, &err), nullptr) << start << " " << n;
    EXPECT_EQ(err, vex::kInvalidArgument);
  }
  Result err = 1;
  const Owned<IVsnVarBindList> empty(vsn_create_varbind_list());
  EXPECT_EQ(empty->copy_range(0, 1, &err), nullptr);
  EXPECT_EQ(err, vex::kInvalidArgument);
}

TEST_F(VarBindList, SplitFrontMovesTheBindings) {
  const struct {
    std::int32_t n;
    Names front;
    Names rest;
  } cases[] = {
      {10, {"1.1", "1.2", "1.3"}, {}},
      {3, {"1.1", "1.2", "1.3"}, {}},
      {2, {"1.1", "1.2"}, {"1.3"}},
      {0, {}, {"1.1", "1.2", "1.3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "n " << c.n);
    const Owned<IVsnVarBindList> list = list_of(3);
    IVsnVarBind* first = list->at(0);
    Result err = 1;
    const Owned<IVsnVarBindList> front(list->split_front(c.n, &err));
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(err, vex::kOk);
    EXPECT_EQ(names_of(*front), c.front);
    EXPECT_EQ(names_of(*list), c.rest);
    if (front->count() != 0) {
      EXPECT_EQ(front->at(0), first) << "the same binding objects";
    }
  }
  const Owned<IVsnVarBindList> list = list_of(3);
  Result err = 1;
  EXPECT_EQ(list->split_front(-1, &err), nullptr);
  EXPECT_EQ(err, vex::kInvalidArgument);
  const Owned<IVsnVarBindList> all(list->split_front(10, nullptr));
  err = 1;
  EXPECT_EQ(list->copy_range(3, 1, &err), nullptr) << "the emptied list has nothing to copy";
  EXPECT_EQ(err, vex::kInvalidArgument);
}

TEST_F(VarBindList, MarkError) {
  using Statuses = std::vector<std::int32_t>;
  const struct {
    std::int32_t status;
    std::int32_t index;
    Statuses expected;
  } cases[] = {
      {2, 2, {100, 2, 100}}, {2, 0, {100, 100, 100}}, {5, 1, {5, 100, 100}},
      {5, 3, {100, 100, 5}}, {2, 4, {100, 100, 100}}, {2, -1, {100, 100, 100}},
      {0, 2, {100, 0, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "status " << c.status << " index " << c.index);
    const Owned<IVsnVarBindList> list = list_of(3);
    list->at(0)->set_status(7);
    EXPECT_EQ(list->mark_error(c.status, c.index), 3);
    EXPECT_EQ(statuses_of(*list), c.expected);
  }
  const Owned<IVsnVarBindList> empty(vsn_create_varbind_list());
  EXPECT_EQ(empty->mark_error(2, 1), 0);
}

TEST_F(VarBindList, SetAllStatus) {
  const Owned<IVsnVarBindList> list = list_of(3);
  list->mark_error(2, 2);
  EXPECT_EQ(list->set_all_status(0), 3);
  EXPECT_EQ(statuses_of(*list), (std::vector<std::int32_t>{0, 0, 0}));
}

TEST_F(VarBindList, CloneAndEquality) {
  const Owned<IVsnVarBindList> list = list_of(3);
  Result err = 1;
  const Owned<IVsnVarBindList> copy(list->clone(&err));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_TRUE(list->equals(copy.get()));
  EXPECT_TRUE(copy->equals(list.get()));
  EXPECT_FALSE(list->equals(nullptr));

  copy->at(1)->set_status(100);
  EXPECT_FALSE(list->equals(copy.get())) << "statuses count";
  EXPECT_FALSE(list->equals(list_of(2).get()));
  EXPECT_FALSE(list_of(2)->equals(list.get()));

  const Owned<IVsnVarBindList> empty(vsn_create_varbind_list());
  const Owned<IVsnVarBindList> empty_copy(empty->clone(&err));
  ASSERT_NE(empty_copy, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(empty_copy->count(), 0);
  EXPECT_TRUE(empty->equals(empty_copy.get()));
}

}  // namespace
