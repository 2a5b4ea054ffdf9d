// Bindings, PDUs, targets, packets and lists when memory runs out: every
// failure answers -3, hands out nothing half-made, leaks nothing, and leaves
// the caller owning what it passed in.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "container_test_support.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vex_address_list.h"
#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_packet.h"
#include "snmp/model/vsn_packet_list.h"
#include "snmp/model/vsn_pdu_list.h"
#include "snmp/model/vsn_usm_target.h"
#include "stand_in_address.h"

namespace {

using namespace model_test;
using vex::AllocationLimit;
using ContainerMemory = CountedValues;

// Runs attempt(allowed) with 0, 1, 2 ... allocations allowed until it
// succeeds; every run before must fail with -3. Answers the number needed.
template <class Attempt>
int allocations_needed(Attempt attempt) {
  for (int allowed = 0; allowed < 200; ++allowed) {
    const Result result = attempt(allowed);
    if (vex::succeeded(result)) return allowed;
    EXPECT_EQ(result, vex::kOutOfMemory) << "with " << allowed << " allocations allowed";
  }
  ADD_FAILURE() << "never succeeded";
  return -1;
}

// Runs a creator-style call under the limit: null and -3, or an object and 0.
template <class Make>
Result made_under(int allowed, Make make) {
  Result err = 1;
  {
    const AllocationLimit limit(allowed);
    auto made = make(&err);
    EXPECT_EQ(made != nullptr, err == vex::kOk);
  }
  return err;
}

// A creator run with `allowed` allocations must answer null and -3.
template <class T>
void expect_creation_fails(T* (*create)(Result*), int allowed = 0) {
  Result err = 1;
  const AllocationLimit limit(allowed);
  const Owned<T> made(create(&err));
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(err, vex::kOutOfMemory);
}

IVsnSnmpTarget* create_community_kind(Result* err) {
  return vsn_create_target(vex::target_kind::kCommunity, err);
}

TEST_F(ContainerMemory, Creators) {
  expect_creation_fails(vsn_create_varbind);
  expect_creation_fails(vsn_create_varbind_list);
  expect_creation_fails(vsn_create_pdu);
  expect_creation_fails(vsn_create_packet);
  expect_creation_fails(create_community_kind);
  expect_creation_fails(vsn_create_community_target);
  expect_creation_fails(vsn_create_packet_list);
  expect_creation_fails(vsn_create_pdu_list);
  expect_creation_fails(vex_create_address_list);
  expect_creation_fails(vsn_create_usm_target);
  expect_creation_fails(vsn_create_usm_target, 1);  // the target without its engine buffer
  const AllocationLimit two(2);
  EXPECT_NE(Owned<IVsnUsmTarget>(vsn_create_usm_target()), nullptr);
}

TEST_F(ContainerMemory, FailedAddLeavesNameAndValueWithTheCaller) {
  for (bool with_value : {true, false}) {
    for (int start : {0, 4}) {
      SCOPED_TRACE(testing::Message() << "value " << with_value << ", bindings " << start);
      const Owned<IVsnVarBindList> list = list_of(start);
      const int needed = allocations_needed([&](int allowed) {
        Owned<IVsnOid> name = make_oid("1.3.6");
        Owned<IVsnValue> value(with_value ? counted(5) : nullptr);
        Result result = 1;
        {
          const AllocationLimit limit(allowed);
          result = list->add(name.get(), value.get());
        }
        if (vex::succeeded(result)) {
          static_cast<void>(name.release());
          static_cast<void>(value.release());
        } else {
          EXPECT_EQ(list->count(), start);
          EXPECT_STREQ(name->text(), "1.3.6");
        }
        return result;
      });
      EXPECT_GE(needed, 1);
      EXPECT_EQ(list->count(), start + 1);
    }
  }
}

TEST_F(ContainerMemory, FailedAppendLeavesTheBindingWithTheCaller) {
  const Owned<IVsnVarBindList> list = list_of(4);
  const Owned<IVsnVarBind> extra = binding("9", 9);
  {
    const AllocationLimit none(0);
    EXPECT_EQ(list->append(extra.get()), vex::kOutOfMemory);
    EXPECT_EQ(list->prepend(extra.get()), vex::kOutOfMemory);
  }
  EXPECT_EQ(list->count(), 4);
  EXPECT_STREQ(extra->name()->text(), "9");
}

TEST_F(ContainerMemory, FailedSetLeavesTheBindingEmpty) {
  const Owned<IVsnVarBind> made = binding("1.1", 1);
  const Owned<IVsnOid> name = make_oid("1.2");
  {
    const AllocationLimit none(0);
    EXPECT_EQ(made->set(name.get(), nullptr), vex::kOutOfMemory);
  }
  EXPECT_EQ(made->name(), nullptr);
  EXPECT_EQ(made->value(), nullptr);
  EXPECT_EQ(CountedValue::live(), 0) << "the parts it held are deleted";
  EXPECT_STREQ(name->text(), "1.2") << "the caller keeps the name";

  const Owned<IVsnVarBind> again = binding("1.1", 1);
  {
    const AllocationLimit none(0);
    EXPECT_EQ(again->set(again->name(), nullptr), vex::kOutOfMemory);
  }
  EXPECT_EQ(again->name(), nullptr) << "its own name, passed again, went with the rest";
}

TEST_F(ContainerMemory, PduAddMakesNoListWhenItFails) {
  const Owned<IVsnPdu> pdu(vsn_create_pdu());
  allocations_needed([&](int allowed) {
    Owned<IVsnOid> name = make_oid("1.3");
    Result result = 1;
    {
      const AllocationLimit limit(allowed);
      result = pdu->add(name.get(), nullptr);
    }
    if (vex::succeeded(result)) {
      static_cast<void>(name.release());
    } else {
      EXPECT_EQ(pdu->varbinds(), nullptr);
    }
    return result;
  });
  ASSERT_NE(pdu->varbinds(), nullptr);
  EXPECT_EQ(pdu->varbinds()->count(), 1);
}

TEST_F(ContainerMemory, CopiesOfLists) {
  const Owned<IVsnVarBindList> list = list_of(3);
  const int needed = allocations_needed([&](int allowed) {
    return made_under(
        allowed, [&](Result* err) { return Owned<IVsnVarBindList>(list->copy_range(0, 3, err)); });
  });
  EXPECT_GT(needed, 3);
  EXPECT_EQ(list->count(), 3);
  allocations_needed([&](int allowed) {
    return made_under(allowed,
                      [&](Result* err) { return Owned<IVsnVarBindList>(list->clone(err)); });
  });
}

TEST_F(ContainerMemory, SplitFrontLeavesTheListWhole) {
  const Owned<IVsnVarBindList> list = list_of(3);
  allocations_needed([&](int allowed) {
    Result err = 1;
    Owned<IVsnVarBindList> front;
    {
      const AllocationLimit limit(allowed);
      front.reset(list->split_front(2, &err));
    }
    EXPECT_EQ(list->count(), front != nullptr ? 1 : 3);
    return err;
  });
}

TEST_F(ContainerMemory, CopiesOfPdus) {
  const Owned<IVsnPdu> trap(vsn_create_pdu());
  trap->set_type(vex::pdu_type::kTrap);
  ASSERT_EQ(trap->set_time_stamp(vsn_create_value_ulong(3, vex::tag::kTimeTicks)), vex::kOk);
  ASSERT_EQ(trap->set_trap_oid(make_oid("1.3.6.1.4.1.253.0.7").release()), vex::kOk);
  trap->set_varbinds(list_of(2).release());
  allocations_needed([&](int allowed) {
    return made_under(allowed, [&](Result* err) { return Owned<IVsnPdu>(trap->clone(err)); });
  });

  const Owned<IVsnPdu> pdu(vsn_create_pdu());
  pdu->set_varbinds(list_of(1).release());
  IVsnVarBindList* own = pdu->varbinds();
  allocations_needed([&](int allowed) {
    Result result = 1;
    {
      const AllocationLimit limit(allowed);
      result = pdu->copy_from(trap.get());
    }
    if (vex::failed(result)) {
      EXPECT_EQ(pdu->varbinds(), own) << "the bindings stay";
    }
    return result;
  });
  EXPECT_TRUE(pdu->equals(trap.get()));
}

TEST_F(ContainerMemory, CopiesOfPacketsAndTargets) {
  IVsnCommunityTarget* community = vsn_create_community_target();
  ASSERT_EQ(community->set_community("public"), vex::kOk);
  const Owned<IVexNetworkAddress> address(StandInAddress::make("10.0.0.1"));
  ASSERT_EQ(community->set_address(address.get()), vex::kOk);
  const Owned<IVsnSnmpPacket> packet(vsn_create_packet());
  packet->set_target(community);
  packet->set_pdu(vsn_create_pdu());
  ASSERT_EQ(packet->pdu()->add(make_oid("1.3").release(), nullptr), vex::kOk);
  allocations_needed([&](int allowed) {
    return made_under(allowed,
                      [&](Result* err) { return Owned<IVsnSnmpPacket>(packet->clone(err)); });
  });

  const Owned<IVsnUsmTarget> usm(vsn_create_usm_target());
  ASSERT_EQ(usm->set_auth_passphrase("phrase"), vex::kOk);
  const std::uint8_t engine[] = {1, 2, 3};
  ASSERT_EQ(usm->set_engine_id(engine, 3), vex::kOk);
  allocations_needed([&](int allowed) {
    return made_under(allowed, [&](Result* err) { return Owned<IVsnSnmpTarget>(usm->clone(err)); });
  });
}

TEST_F(ContainerMemory, TargetTexts) {
  const Owned<IVsnCommunityTarget> community(vsn_create_community_target());
  ASSERT_EQ(community->set_community("public"), vex::kOk);
  {
    const AllocationLimit none(0);
    EXPECT_EQ(community->set_community("private"), vex::kOutOfMemory);
  }
  EXPECT_EQ(community->community(), nullptr) << "the old text is gone, no new one came";

  const Owned<IVsnUsmTarget> usm(vsn_create_usm_target());
  ASSERT_EQ(usm->set_context_name("ctx"), vex::kOk);
  const std::uint8_t engine[] = {1, 2, 3};
  ASSERT_EQ(usm->set_engine_id(engine, 3), vex::kOk);
  const std::string long_text(300, 'x');
  {
    const AllocationLimit none(0);
    EXPECT_EQ(usm->set_auth_passphrase(long_text.c_str()), vex::kOutOfMemory);
    EXPECT_EQ(usm->set_priv_passphrase(long_text.c_str()), vex::kOutOfMemory);
    EXPECT_EQ(usm->set_context_name(long_text.c_str()), vex::kOutOfMemory);
    EXPECT_EQ(usm->set_engine_id(engine, 2), vex::kOutOfMemory);
    EXPECT_EQ(usm->set_security_name("fits in its field"), vex::kOk);
  }
  EXPECT_STREQ(usm->context_name(), "ctx") << "the old texts stay";
  EXPECT_STREQ(usm->auth_passphrase(), "");
  EXPECT_EQ(usm->engine_id()->length(), 3);
}

TEST_F(ContainerMemory, ObjectLists) {
  const Owned<IVsnPduList> list(vsn_create_pdu_list());
  const Owned<IVsnPdu> pdu(vsn_create_pdu());
  Result err = 1;
  {
    const AllocationLimit none(0);
    EXPECT_EQ(list->push_back(pdu.get()), vex::kOutOfMemory);
    EXPECT_EQ(list->push_front(pdu.get()), vex::kOutOfMemory);
    EXPECT_EQ(list->create_iterator(&err), nullptr);
  }
  EXPECT_EQ(err, vex::kOutOfMemory);
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(pdu->type(), vex::pdu_type::kUnset) << "the caller still owns the PDU";
}

}  // namespace
