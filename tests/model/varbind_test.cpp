// Variable bindings: name, value, status, and what set, detach and clone do
// with the parts.
#include <gtest/gtest.h>

#include "container_test_support.h"

namespace {

using namespace model_test;
using VarBind = CountedValues;

TEST_F(VarBind, NewBindingIsEmpty) {
  Result err = 1;
  const Owned<IVsnVarBind> made(vsn_create_varbind(&err));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(made->name(), nullptr);
  EXPECT_EQ(made->value(), nullptr);
  EXPECT_EQ(made->status(), vex::binding_status::kNoError);
  EXPECT_NE(Owned<IVsnVarBind>(vsn_create_varbind()), nullptr) << "no result pointer needed";
}

TEST_F(VarBind, SetWithoutValueStoresANullValue) {
  const Owned<IVsnVarBind> made(vsn_create_varbind());
  IVsnOid* name = make_oid("1.3.6.1.2.1.1.2.0").release();
  ASSERT_EQ(made->set(name, nullptr), vex::kOk);
  EXPECT_EQ(made->name(), name);
  ASSERT_NE(made->value(), nullptr);
  EXPECT_EQ(made->value()->type(), vex::tag::kNull);
}

TEST_F(VarBind, SetAndBindReplaceBothParts) {
  for (bool use_bind : {false, true}) {
    const Owned<IVsnVarBind> made = binding("1.1", 1);
    IVsnOid* name = make_oid("1.2").release();
    IVsnValue* value = counted(2);
    EXPECT_EQ(use_bind ? made->bind(name, value) : made->set(name, value), vex::kOk);
    EXPECT_EQ(CountedValue::live(), 1) << "the replaced value is deleted";
    EXPECT_EQ(made->name(), name);
    EXPECT_EQ(made->value(), value);
  }
}

TEST_F(VarBind, StoringTheHeldPartsAgainKeepsThem) {
  const Owned<IVsnVarBind> made = binding("1.1", 1);
  IVsnOid* name = made->name();
  IVsnValue* value = made->value();
  EXPECT_EQ(made->set(name, value), vex::kOk);
  made->set_name(name);
  made->set_value(value);
  EXPECT_STREQ(made->name()->text(), "1.1");
  EXPECT_EQ(made->value()->get_ulong(nullptr), 1U);
  EXPECT_EQ(CountedValue::live(), 1);
}

TEST_F(VarBind, SetNameAndSetValueReplaceOnePart) {
  const Owned<IVsnVarBind> made = binding("1.1", 1);
  made->set_value(counted(2));
  EXPECT_EQ(CountedValue::live(), 1);
  EXPECT_STREQ(made->name()->text(), "1.1");
  made->set_name(nullptr);
  EXPECT_EQ(made->name(), nullptr);
  made->set_value(nullptr);
  EXPECT_EQ(made->value(), nullptr) << "set_value stores null as it is";
  EXPECT_EQ(CountedValue::live(), 0);
}

TEST_F(VarBind, DetachHandsThePartsOutOrDeletesThem) {
  const Owned<IVsnVarBind> made = binding("1.1", 1);
  IVsnOid* name = nullptr;
  IVsnValue* value = nullptr;
  made->detach(&name, &value);
  EXPECT_EQ(made->name(), nullptr);
  EXPECT_EQ(made->value(), nullptr);
  const Owned<IVsnOid> own_name(name);
  const Owned<IVsnValue> own_value(value);
  ASSERT_NE(name, nullptr);
  EXPECT_STREQ(name->text(), "1.1");
  EXPECT_EQ(CountedValue::live(), 1) << "the caller holds the value now";

  const Owned<IVsnVarBind> other = binding("1.2", 2);
  other->detach(nullptr, nullptr);
  EXPECT_EQ(CountedValue::live(), 1) << "without out-pointers the parts are deleted";
  EXPECT_EQ(other->name(), nullptr);
}

TEST_F(VarBind, CloneCopiesThePartsButNotTheStatus) {
  const Owned<IVsnVarBind> original = binding("1.3.6", 5);
  original->set_status(2);
  Result err = 1;
  const Owned<IVsnVarBind> copy(original->clone(&err));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(copy->status(), 0);
  EXPECT_NE(copy->name(), original->name());
  EXPECT_NE(copy->value(), original->value());
  EXPECT_STREQ(copy->name()->text(), "1.3.6");
  EXPECT_TRUE(copy->value()->equals(original->value()));

  const Owned<IVsnVarBind> empty(vsn_create_varbind());
  const Owned<IVsnVarBind> empty_copy(empty->clone(nullptr));
  ASSERT_NE(empty_copy, nullptr);
  EXPECT_EQ(empty_copy->name(), nullptr);
  EXPECT_EQ(empty_copy->value(), nullptr);
}

TEST_F(VarBind, Equality) {
  const Owned<IVsnVarBind> reference = binding("1.1", 1);
  const Owned<IVsnVarBind> same = binding("1.1", 1);
  const Owned<IVsnVarBind> other_name = binding("1.2", 1);
  const Owned<IVsnVarBind> other_value = binding("1.1", 2);
  const Owned<IVsnVarBind> other_status = binding("1.1", 1);
  other_status->set_status(100);
  const Owned<IVsnVarBind> without_value = binding("1.1", 1);
  without_value->set_value(nullptr);
  const Owned<IVsnVarBind> empty(vsn_create_varbind());
  const Owned<IVsnVarBind> also_empty(vsn_create_varbind());

  EXPECT_TRUE(reference->equals(same.get()));
  EXPECT_FALSE(reference->equals(nullptr));
  EXPECT_FALSE(reference->equals(other_name.get()));
  EXPECT_FALSE(reference->equals(other_value.get()));
  EXPECT_FALSE(reference->equals(other_status.get()));
  EXPECT_FALSE(reference->equals(without_value.get()));
  EXPECT_FALSE(without_value->equals(reference.get()));
  EXPECT_TRUE(empty->equals(also_empty.get()));
}

}  // namespace
