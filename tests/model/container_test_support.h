#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model_test_support.h"
#include "snmp/model/out_params.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_value_base.h"
#include "snmp/model/vsn_varbind.h"
#include "snmp/model/vsn_varbind_list.h"

namespace model_test {

// A value of any tag that counts its live objects, so that a test can see
// whether a holder deleted it.
class CountedValue final : public CVsnValue {
 public:
  explicit CountedValue(std::int32_t tag, std::uint32_t number = 0) : tag_(tag), number_(number) {
    ++live_;
  }
  CountedValue(const CountedValue&) = delete;
  CountedValue& operator=(const CountedValue&) = delete;
  ~CountedValue() override { --live_; }

  static int live() { return live_; }

  IVsnValue* clone(Result* err) const override {
    vex::report(err, vex::kOk);
    return new CountedValue(tag_, number_);
  }
  Result assign(const IVsnValue* other) override {
    const auto* peer = dynamic_cast<const CountedValue*>(other);
    if (peer == nullptr || peer->tag_ != tag_) return vex::kInvalidArgument;
    number_ = peer->number_;
    return vex::kOk;
  }
  void clear() override { number_ = 0; }
  std::int32_t type() const override { return tag_; }
  bool equals(const IVsnValue* other) const override {
    const auto* peer = dynamic_cast<const CountedValue*>(other);
    return peer != nullptr && peer->tag_ == tag_ && peer->number_ == number_;
  }
  std::uint32_t get_ulong(Result* err) const override {
    vex::report(err, vex::kOk);
    return number_;
  }

 private:
  static inline int live_ = 0;

  std::int32_t tag_;
  std::uint32_t number_;
};

inline IVsnValue* counted(std::uint32_t number, std::int32_t tag = vex::tag::kInteger) {
  return new CountedValue(tag, number);
}

// A test that checks at its end that every counted value it made is gone.
class CountedValues : public testing::Test {
 protected:
  void SetUp() override { live_at_start_ = CountedValue::live(); }
  void TearDown() override {
    EXPECT_EQ(CountedValue::live(), live_at_start_) << "counted values were leaked or kept";
  }

 private:
  int live_at_start_ = 0;
};

// A binding named by the text holding a counted value.
inline Owned<IVsnVarBind> binding(const char* name, std::uint32_t number) {
  Owned<IVsnVarBind> made(vsn_create_varbind());
  EXPECT_EQ(made->set(make_oid(name).release(), counted(number)), vex::kOk);
  return made;
}

// A list of bindings named 1.1, 1.2, ... holding counted values 1, 2, ...
inline Owned<IVsnVarBindList> list_of(int n) {
  Owned<IVsnVarBindList> list(vsn_create_varbind_list());
  for (int i = 1; i <= n; ++i) {
    const std::string name = "1." + std::to_string(i);
    EXPECT_EQ(list->add(make_oid(name.c_str()).release(), counted(i)), vex::kOk);
  }
  return list;
}

// The names of a list's bindings in order.
inline std::vector<std::string> names_of(const IVsnVarBindList& list) {
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < list.count(); ++i) {
    const IVsnOid* name = list.at(i)->name();
    names.emplace_back(name != nullptr ? name->text() : "<none>");
  }
  return names;
}

inline std::vector<std::int32_t> statuses_of(const IVsnVarBindList& list) {
  std::vector<std::int32_t> statuses;
  for (std::int32_t i = 0; i < list.count(); ++i) statuses.push_back(list.at(i)->status());
  return statuses;
}

}  // namespace model_test
