// Packets: a PDU and its target, owned together.
#include <gtest/gtest.h>

#include "container_test_support.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_packet.h"
#include "stand_in_address.h"

namespace {

using namespace model_test;
using Packet = CountedValues;

IVsnSnmpTarget* target_to(const char* address_text, const char* community) {
  IVsnCommunityTarget* target = vsn_create_community_target();
  EXPECT_EQ(target->set_community(community), vex::kOk);
  const Owned<IVexNetworkAddress> address(StandInAddress::make(address_text));
  EXPECT_EQ(target->set_address(address.get()), vex::kOk);
  return target;
}

IVsnPdu* response(std::int32_t request_id) {
  IVsnPdu* pdu = vsn_create_pdu();
  pdu->set_type(vex::pdu_type::kResponse);
  pdu->set_request_id(request_id);
  EXPECT_EQ(pdu->add(make_oid("1.3.6.1.2.1.1.1.0").release(), counted(request_id)), vex::kOk);
  return pdu;
}

Owned<IVsnSnmpPacket> packet_of(IVsnPdu* pdu, IVsnSnmpTarget* target) {
  Owned<IVsnSnmpPacket> packet(vsn_create_packet());
  packet->set_pdu(pdu);
  packet->set_target(target);
  return packet;
}

TEST_F(Packet, NewPacketIsEmpty) {
  Result err = 1;
  const Owned<IVsnSnmpPacket> packet(vsn_create_packet(&err));
  ASSERT_NE(packet, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(packet->pdu(), nullptr);
  EXPECT_EQ(packet->target(), nullptr);
  EXPECT_EQ(packet->take_pdu(), nullptr);
  EXPECT_EQ(packet->take_target(), nullptr);
}

TEST_F(Packet, DestroyingThePacketDeletesPduAndTarget) {
  const int addresses = StandInAddress::live();
  {
    const Owned<IVsnSnmpPacket> packet = packet_of(response(1), target_to("10.0.0.1", "public"));
    EXPECT_EQ(CountedValue::live(), 1);
    EXPECT_EQ(StandInAddress::live(), addresses + 1);
  }
  EXPECT_EQ(StandInAddress::live(), addresses) << "the target's address went with it";
}

TEST_F(Packet, CloneCopiesWhatIsThere) {
  const Owned<IVsnSnmpPacket> full = packet_of(response(5), target_to("10.0.0.1", "public"));
  Result err = 1;
  const Owned<IVsnSnmpPacket> copy(full->clone(&err));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_NE(copy->pdu(), full->pdu());
  EXPECT_NE(copy->target(), full->target());
  EXPECT_TRUE(copy->equals(full.get()));
  EXPECT_STREQ(copy->target()->address()->text(), "10.0.0.1");
  EXPECT_EQ(copy->pdu()->request_id(), 5);

  const Owned<IVsnSnmpPacket> only_pdu = packet_of(response(6), nullptr);
  const Owned<IVsnSnmpPacket> only_pdu_copy(only_pdu->clone(&err));
  ASSERT_NE(only_pdu_copy, nullptr);
  EXPECT_EQ(only_pdu_copy->target(), nullptr);
  EXPECT_NE(only_pdu_copy->pdu(), nullptr);
}

TEST_F(Packet, Equality) {
  const Owned<IVsnSnmpPacket> reference = packet_of(response(1), target_to("10.0.0.1", "public"));
  EXPECT_TRUE(reference->equals(packet_of(response(1), target_to("10.0.0.2", "public")).get()))
      << "target addresses do not count";
  EXPECT_FALSE(reference->equals(packet_of(response(2), target_to("10.0.0.1", "public")).get()));
  EXPECT_FALSE(reference->equals(packet_of(response(1), target_to("10.0.0.1", "private")).get()));
  EXPECT_FALSE(reference->equals(packet_of(nullptr, target_to("10.0.0.1", "public")).get()));
  EXPECT_FALSE(reference->equals(packet_of(response(1), nullptr).get()));
  EXPECT_FALSE(packet_of(response(1), nullptr)->equals(reference.get()));
  EXPECT_FALSE(reference->equals(nullptr));
  const Owned<IVsnSnmpPacket> empty(vsn_create_packet());
  EXPECT_TRUE(empty->equals(packet_of(nullptr, nullptr).get()));
}

}  // namespace
