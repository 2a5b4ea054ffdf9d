// Who deletes what: every set and take operation of bindings, lists, PDUs
// and packets, seen through values that count their live objects.
#include <gtest/gtest.h>

#include "container_test_support.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_packet.h"
#include "stand_in_address.h"

namespace {

using namespace model_test;
using Ownership = CountedValues;

Owned<IVsnPdu> pdu_with(int bindings) {
  Owned<IVsnPdu> pdu(vsn_create_pdu());
  pdu->set_type(vex::pdu_type::kGet);
  pdu->set_varbinds(list_of(bindings).release());
  return pdu;
}

TEST_F(Ownership, ListDeletesWhatItWasGiven) {
  {
    const Owned<IVsnVarBindList> list(vsn_create_varbind_list());
    ASSERT_EQ(list->append(binding("1.1", 1).release()), vex::kOk);
    ASSERT_EQ(list->prepend(binding("1.0", 0).release()), vex::kOk);
    ASSERT_EQ(list->add(make_oid("1.2").release(), counted(2)), vex::kOk);
    ASSERT_EQ(list->add_front(make_oid("0.9").release(), counted(9)), vex::kOk);
    EXPECT_EQ(CountedValue::live(), 4);
  }
  EXPECT_EQ(CountedValue::live(), 0) << "the list's destroy deleted all four";
}

TEST_F(Ownership, SplitFrontHandsTheBindingsToTheNewList) {
  const Owned<IVsnVarBindList> list = list_of(3);
  Owned<IVsnVarBindList> front(list->split_front(2, nullptr));
  front.reset();
  EXPECT_EQ(CountedValue::live(), 1) << "the moved bindings went with the new list";
  EXPECT_EQ(list->count(), 1);
}

TEST_F(Ownership, CopyRangeLeavesTheOriginals) {
  const Owned<IVsnVarBindList> list = list_of(3);
  Owned<IVsnVarBindList> copy(list->copy_range(0, 3, nullptr));
  EXPECT_EQ(CountedValue::live(), 6);
  copy.reset();
  EXPECT_EQ(CountedValue::live(), 3);
}

TEST_F(Ownership, PduSetVarbindsDeletesTheOldList) {
  const Owned<IVsnPdu> pdu = pdu_with(2);
  pdu->set_varbinds(list_of(1).release());
  EXPECT_EQ(CountedValue::live(), 1);
  pdu->set_varbinds(pdu->varbinds());
  EXPECT_EQ(pdu->varbinds()->count(), 1) << "storing the held list again keeps it";
  pdu->set_varbinds(nullptr);
  EXPECT_EQ(CountedValue::live(), 0);
}

TEST_F(Ownership, PduTakeVarbindsHandsTheListOver) {
  Owned<IVsnVarBindList> taken;
  {
    const Owned<IVsnPdu> pdu = pdu_with(2);
    taken.reset(pdu->take_varbinds());
    EXPECT_EQ(pdu->varbinds(), nullptr);
    EXPECT_EQ(pdu->take_varbinds(), nullptr);
  }
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->count(), 2) << "alive after the PDU is gone";
  EXPECT_EQ(CountedValue::live(), 2);
}

TEST_F(Ownership, PduTakeTimeStampAndTrapOid) {
  Owned<IVsnValue> stamp;
  Owned<IVsnOid> trap;
  {
    const Owned<IVsnPdu> pdu(vsn_create_pdu());
    ASSERT_EQ(pdu->set_time_stamp(counted(9, vex::tag::kTimeTicks)), vex::kOk);
    ASSERT_EQ(pdu->set_trap_oid(make_oid("1.3.6.1.4.1.253.0.7").release()), vex::kOk);
    stamp.reset(pdu->take_time_stamp());
    trap.reset(pdu->take_trap_oid());
    EXPECT_EQ(pdu->time_stamp(), nullptr);
    EXPECT_EQ(pdu->trap_oid(), nullptr);
    EXPECT_EQ(pdu->take_time_stamp(), nullptr);
    EXPECT_EQ(pdu->take_trap_oid(), nullptr);
  }
  EXPECT_EQ(stamp->get_ulong(nullptr), 9U);
  EXPECT_STREQ(trap->text(), "1.3.6.1.4.1.253.0.7");
}

TEST_F(Ownership, PduDeletesItsTrapFields) {
  {
    const Owned<IVsnPdu> pdu(vsn_create_pdu());
    ASSERT_EQ(pdu->set_time_stamp(counted(1, vex::tag::kTimeTicks)), vex::kOk);
    ASSERT_EQ(pdu->add(make_oid("1.1").release(), counted(2)), vex::kOk);
    EXPECT_EQ(CountedValue::live(), 2);
  }
  EXPECT_EQ(CountedValue::live(), 0);
}

TEST_F(Ownership, PacketSetDeletesWhatItReplaces) {
  const int addresses = StandInAddress::live();
  const Owned<IVsnSnmpPacket> packet(vsn_create_packet());
  packet->set_pdu(pdu_with(1).release());
  packet->set_pdu(pdu_with(2).release());
  EXPECT_EQ(CountedValue::live(), 2) << "the first PDU and its binding are gone";
  packet->set_pdu(packet->pdu());
  EXPECT_EQ(CountedValue::live(), 2);

  Owned<IVsnCommunityTarget> target(vsn_create_community_target());
  const Owned<IVexNetworkAddress> address(StandInAddress::make("10.0.0.1"));
  ASSERT_EQ(target->set_address(address.get()), vex::kOk);
  packet->set_target(target.release());
  EXPECT_EQ(StandInAddress::live(), addresses + 2);
  packet->set_target(vsn_create_target(0));
  EXPECT_EQ(StandInAddress::live(), addresses + 1) << "the replaced target took its address";
  packet->set_pdu(nullptr);
  EXPECT_EQ(CountedValue::live(), 0);
}

TEST_F(Ownership, PacketTakeHandsPduAndTargetOver) {
  Owned<IVsnPdu> pdu;
  Owned<IVsnSnmpTarget> target;
  {
    const Owned<IVsnSnmpPacket> packet(vsn_create_packet());
    packet->set_pdu(pdu_with(1).release());
    packet->set_target(vsn_create_target(0));
    pdu.reset(packet->take_pdu());
    target.reset(packet->take_target());
    EXPECT_EQ(packet->pdu(), nullptr);
    EXPECT_EQ(packet->target(), nullptr);
  }
  ASSERT_NE(pdu, nullptr);
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(pdu->varbinds()->count(), 1);
  EXPECT_EQ(target->kind(), vex::target_kind::kCommunity);
}

}  // namespace
