// PDUs: header fields, equality, the trap fields, the bindings and copies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "container_test_support.h"

namespace {

using namespace model_test;
using Names = std::vector<std::string>;
namespace pdu_type = vex::pdu_type;
namespace tag = vex::tag;
using Pdu = CountedValues;

Owned<IVsnPdu> make_pdu(std::int32_t type, int bindings = 0) {
  Owned<IVsnPdu> pdu(vsn_create_pdu());
  pdu->set_type(type);
  if (bindings != 0) pdu->set_varbinds(list_of(bindings).release());
  return pdu;
}

void set_header(IVsnPdu& pdu, std::int32_t request_id, std::int32_t status, std::int32_t index) {
  pdu.set_request_id(request_id);
  pdu.set_error_status(status);
  pdu.set_error_index(index);
}

// A trap PDU with a time stamp and a trap identifier.
Owned<IVsnPdu> make_trap(std::uint32_t ticks, const char* trap) {
  Owned<IVsnPdu> pdu = make_pdu(pdu_type::kTrap, 1);
  EXPECT_EQ(pdu->set_time_stamp(vsn_create_value_ulong(ticks, tag::kTimeTicks)), vex::kOk);
  EXPECT_EQ(pdu->set_trap_oid(make_oid(trap).release()), vex::kOk);
  return pdu;
}

// One change to a PDU and whether it still equals the unchanged one.
struct PduChange {
  const char* change;
  void (*apply)(IVsnPdu&);
  bool equal;
};

TEST_F(Pdu, NewPdu) {
  Result err = 1;
  const Owned<IVsnPdu> pdu(vsn_create_pdu(&err));
  ASSERT_NE(pdu, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(pdu->type(), pdu_type::kUnset);
  EXPECT_EQ(pdu->request_id(), 0);
  EXPECT_EQ(pdu->error_status(), 0);
  EXPECT_EQ(pdu->error_index(), 0);
  EXPECT_EQ(pdu->varbinds(), nullptr);
  EXPECT_EQ(pdu->time_stamp(), nullptr);
  EXPECT_EQ(pdu->trap_oid(), nullptr);
}

TEST_F(Pdu, AnUnsetTypeIsNeverEqual) {
  const Owned<IVsnPdu> a(vsn_create_pdu());
  const Owned<IVsnPdu> b(vsn_create_pdu());
  EXPECT_FALSE(a->equals(b.get()));
  EXPECT_FALSE(a->equals(a.get()));
  a->set_type(pdu_type::kGet);
  b->set_type(pdu_type::kGet);
  EXPECT_TRUE(a->equals(b.get()));
  EXPECT_FALSE(a->equals(nullptr));
}

TEST_F(Pdu, EqualityOfRequests) {
  const Owned<IVsnPdu> reference = make_pdu(pdu_type::kResponse, 2);
  const PduChange cases[] = {
      {"nothing", [](IVsnPdu&) {}, true},
      {"type", [](IVsnPdu& p) { p.set_type(pdu_type::kGet); }, false},
      {"request-id", [](IVsnPdu& p) { p.set_request_id(9); }, false},
      {"error status", [](IVsnPdu& p) { p.set_error_status(2); }, false},
      {"error index", [](IVsnPdu& p) { p.set_error_index(1); }, false},
      {"a binding's status", [](IVsnPdu& p) { p.varbinds()->at(1)->set_status(5); }, false},
      {"no bindings", [](IVsnPdu& p) { p.set_varbinds(nullptr); }, false},
      {"a time stamp, which a request ignores",
       [](IVsnPdu& p) { p.set_time_stamp(vsn_create_value(tag::kTimeTicks)); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    const Owned<IVsnPdu> other = make_pdu(pdu_type::kResponse, 2);
    c.apply(*other);
    EXPECT_EQ(reference->equals(other.get()), c.equal);
  }
  const Owned<IVsnPdu> without = make_pdu(pdu_type::kResponse);
  EXPECT_FALSE(without->equals(reference.get()));
  EXPECT_TRUE(without->equals(make_pdu(pdu_type::kResponse).get()));
}

TEST_F(Pdu, EqualityOfTraps) {
  const Owned<IVsnPdu> reference = make_trap(10, "1.3.6.1.6.3.1.1.5.1");
  const PduChange cases[] = {
      {"nothing", [](IVsnPdu&) {}, true},
      {"request-id and error fields, which a trap ignores",
       [](IVsnPdu& p) { set_header(p, 4, 1, 1); }, true},
      {"time stamp", [](IVsnPdu& p) { p.time_stamp()->set_ulong(11); }, false},
      {"no time stamp", [](IVsnPdu& p) { p.take_time_stamp()->destroy(); }, false},
      {"trap identifier", [](IVsnPdu& p) { p.trap_oid()->append_subid(1); }, false},
      {"no trap identifier", [](IVsnPdu& p) { p.take_trap_oid()->destroy(); }, false},
      {"bindings", [](IVsnPdu& p) { p.set_varbinds(list_of(2).release()); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    const Owned<IVsnPdu> other = make_trap(10, "1.3.6.1.6.3.1.1.5.1");
    c.apply(*other);
    EXPECT_EQ(reference->equals(other.get()), c.equal);
  }
  const Owned<IVsnPdu> bare = make_pdu(pdu_type::kTrap);
  EXPECT_TRUE(bare->equals(make_pdu(pdu_type::kTrap).get()));
  EXPECT_FALSE(bare->equals(reference.get()));
}

TEST_F(Pdu, TimeStampMustBeTimeTicks) {
  const Owned<IVsnPdu> pdu(vsn_create_pdu());
  const Owned<IVsnValue> gauge(vsn_create_value_ulong(5, tag::kGauge32));
  EXPECT_EQ(pdu->set_time_stamp(gauge.get()), vex::kInvalidArgument);
  EXPECT_EQ(pdu->set_time_stamp(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(pdu->time_stamp(), nullptr);
  EXPECT_EQ(gauge->get_ulong(nullptr), 5U) << "a refused value stays the caller's";

  ASSERT_EQ(pdu->set_time_stamp(counted(1, tag::kTimeTicks)), vex::kOk);
  IVsnValue* second = counted(2, tag::kTimeTicks);
  ASSERT_EQ(pdu->set_time_stamp(second), vex::kOk);
  EXPECT_EQ(CountedValue::live(), 1) << "the first time stamp is deleted";
  EXPECT_EQ(pdu->time_stamp(), second);
  EXPECT_EQ(pdu->set_time_stamp(second), vex::kOk) << "storing it again keeps it";
  EXPECT_EQ(pdu->time_stamp()->get_ulong(nullptr), 2U);
}

TEST_F(Pdu, TrapOidMustBeAnObjectIdentifier) {
  const Owned<IVsnPdu> pdu(vsn_create_pdu());
  const Owned<IVsnValue> integer(vsn_create_value_long(6, tag::kInteger));
  EXPECT_EQ(pdu->set_trap_oid(integer.get()), vex::kInvalidArgument);
  EXPECT_EQ(pdu->set_trap_oid(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(pdu->trap_oid(), nullptr);

  IVsnValue* value = vsn_create_value_text("1.3.6.1.6.3.1.1.5.1", tag::kObjectId);
  ASSERT_EQ(pdu->set_trap_oid(value), vex::kOk);
  ASSERT_NE(pdu->trap_oid(), nullptr);
  EXPECT_EQ(pdu->trap_oid(), value->as_oid()) << "the same object, seen as IVsnOid";
  EXPECT_STREQ(pdu->trap_oid()->text(), "1.3.6.1.6.3.1.1.5.1");
  ASSERT_EQ(pdu->set_trap_oid(vsn_create_value_text("1.3.6.1.4.1.253.0.7", tag::kObjectId)),
            vex::kOk);
  EXPECT_STREQ(pdu->trap_oid()->text(), "1.3.6.1.4.1.253.0.7");
}

TEST_F(Pdu, BindingOperationsMakeTheListWhenNeeded) {
  const Owned<IVsnPdu> pdu(vsn_create_pdu());
  EXPECT_EQ(pdu->pop_front(), nullptr);
  IVsnOid* name = nullptr;
  pdu->take_first_parts(&name, nullptr);
  EXPECT_EQ(name, nullptr);
  EXPECT_EQ(pdu->varbinds(), nullptr) << "reading makes no list";

  EXPECT_EQ(pdu->add(make_oid("1.2").release(), counted(2)), vex::kOk);
  ASSERT_NE(pdu->varbinds(), nullptr);
  EXPECT_EQ(pdu->add_front(make_oid("1.1").release(), counted(1)), vex::kOk);
  EXPECT_EQ(pdu->append(binding("1.3", 3).release()), vex::kOk);
  EXPECT_EQ(pdu->prepend(binding("1.0", 0).release()), vex::kOk);
  EXPECT_EQ(names_of(*pdu->varbinds()), (Names{"1.0", "1.1", "1.2", "1.3"}));

  const Owned<IVsnVarBind> first(pdu->pop_front());
  EXPECT_STREQ(first->name()->text(), "1.0");
  IVsnValue* value = nullptr;
  pdu->take_first_parts(&name, &value);
  const Owned<IVsnOid> own_name(name);
  const Owned<IVsnValue> own_value(value);
  EXPECT_STREQ(name->text(), "1.1");
  EXPECT_EQ(value->get_ulong(nullptr), 1U);
  EXPECT_EQ(pdu->varbinds()->count(), 2);
}

TEST_F(Pdu, AFailedAddLeavesThePduWithoutAList) {
  const Owned<IVsnPdu> pdu(vsn_create_pdu());
  const Owned<IVsnValue> value(counted(1));
  EXPECT_EQ(pdu->add(nullptr, value.get()), vex::kInvalidArgument);
  EXPECT_EQ(pdu->add_front(nullptr, value.get()), vex::kInvalidArgument);
  EXPECT_EQ(pdu->append(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(pdu->prepend(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(pdu->varbinds(), nullptr);
}

TEST_F(Pdu, ResetKeepsOnlyTheRequestId) {
  const Owned<IVsnPdu> pdu = make_trap(5, "1.3.6.1.4.1.253.0.7");
  set_header(*pdu, 77, 2, 3);
  pdu->reset();
  EXPECT_EQ(pdu->type(), pdu_type::kUnset);
  EXPECT_EQ(pdu->request_id(), 77);
  EXPECT_EQ(pdu->error_status(), -1);
  EXPECT_EQ(pdu->error_index(), 0);
  EXPECT_EQ(pdu->varbinds(), nullptr);
  EXPECT_EQ(pdu->time_stamp(), nullptr);
  EXPECT_EQ(pdu->trap_oid(), nullptr);
}

TEST_F(Pdu, CloneCopiesEverything) {
  const Owned<IVsnPdu> trap = make_trap(42, "1.3.6.1.4.1.253.0.7");
  set_header(*trap, 3, 1, 2);
  Result err = 1;
  const Owned<IVsnPdu> copy(trap->clone(&err));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_TRUE(copy->equals(trap.get()));
  EXPECT_EQ(copy->request_id(), 3);
  EXPECT_EQ(copy->error_status(), 1);
  EXPECT_EQ(copy->error_index(), 2);
  EXPECT_NE(copy->time_stamp(), trap->time_stamp());
  EXPECT_NE(copy->trap_oid(), trap->trap_oid());
  EXPECT_NE(copy->varbinds(), trap->varbinds());
  EXPECT_EQ(copy->time_stamp()->get_ulong(nullptr), 42U);
  EXPECT_STREQ(copy->trap_oid()->text(), "1.3.6.1.4.1.253.0.7");

  const Owned<IVsnPdu> request = make_pdu(pdu_type::kGet);
  const Owned<IVsnPdu> request_copy(request->clone(nullptr));
  ASSERT_NE(request_copy, nullptr);
  EXPECT_EQ(request_copy->varbinds(), nullptr) << "no bindings stay no bindings";
}

TEST_F(Pdu, CopyHeaderKeepsTheTrapFieldsTheOtherLacks) {
  const Owned<IVsnPdu> pdu = make_trap(5, "1.3.6.1.4.1.253.0.7");
  const Owned<IVsnPdu> request = make_pdu(pdu_type::kGetNext, 1);
  request->set_request_id(8);
  ASSERT_EQ(pdu->copy_header(request.get()), vex::kOk);
  EXPECT_EQ(pdu->type(), pdu_type::kGetNext);
  EXPECT_EQ(pdu->request_id(), 8);
  ASSERT_NE(pdu->time_stamp(), nullptr);
  EXPECT_EQ(pdu->time_stamp()->get_ulong(nullptr), 5U);
  ASSERT_NE(pdu->trap_oid(), nullptr);
  EXPECT_EQ(pdu->varbinds()->count(), 1) << "copy_header leaves the bindings";
  EXPECT_EQ(pdu->copy_header(nullptr), vex::kInvalidArgument);
}

TEST_F(Pdu, CopyFromReplacesTheBindings) {
  const Owned<IVsnPdu> pdu = make_pdu(pdu_type::kResponse, 3);
  const Owned<IVsnPdu> other = make_pdu(pdu_type::kGet, 1);
  ASSERT_EQ(pdu->copy_from(other.get()), vex::kOk);
  EXPECT_TRUE(pdu->equals(other.get()));
  EXPECT_EQ(pdu->varbinds()->count(), 1);

  const Owned<IVsnPdu> without = make_pdu(pdu_type::kGet);
  ASSERT_EQ(pdu->copy_from(without.get()), vex::kOk);
  EXPECT_EQ(pdu->varbinds(), nullptr) << "the other has none, so none are left";
  EXPECT_EQ(pdu->copy_from(nullptr), vex::kInvalidArgument);

  const Owned<IVsnPdu> self = make_trap(1, "1.3.6.1.4.1.253.0.7");
  ASSERT_EQ(self->copy_from(self.get()), vex::kOk);
  EXPECT_EQ(self->varbinds()->count(), 1);
  EXPECT_EQ(self->time_stamp()->get_ulong(nullptr), 1U);
}

// How a request that is too big is cut into pieces and put together again.
TEST_F(Pdu, SplittingAndMergingARequest) {
  const Owned<IVsnPdu> request = make_pdu(pdu_type::kGet, 5);
  request->set_request_id(11);
  Owned<IVsnVarBindList> bindings(request->take_varbinds());
  EXPECT_EQ(request->varbinds(), nullptr);

  std::vector<Owned<IVsnPdu>> pieces;
  for (std::int32_t per : {3, 2}) {
    Result err = 1;
    Owned<IVsnPdu> piece(request->clone(&err));
    ASSERT_NE(piece, nullptr);
    piece->set_varbinds(bindings->split_front(per, &err));
    EXPECT_EQ(err, vex::kOk);
    pieces.push_back(std::move(piece));
  }
  EXPECT_EQ(bindings->count(), 0);
  EXPECT_EQ(names_of(*pieces[0]->varbinds()), (Names{"1.1", "1.2", "1.3"}));
  EXPECT_EQ(names_of(*pieces[1]->varbinds()), (Names{"1.4", "1.5"}));
  EXPECT_EQ(pieces[1]->request_id(), 11);
  request->set_varbinds(bindings.release());

  for (const Owned<IVsnPdu>& piece : pieces) {
    while (IVsnVarBind* moved = piece->pop_front()) ASSERT_EQ(request->append(moved), vex::kOk);
  }
  EXPECT_EQ(names_of(*request->varbinds()), (Names{"1.1", "1.2", "1.3", "1.4", "1.5"}));
}

}  // namespace
