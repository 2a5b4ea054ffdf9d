// Address objects: storing texts, protocols and ports, comparing and copying.
#include "net/network_address.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vex_buffer.h"

namespace {

using vex::Owned;

Owned<IVexNetworkAddress> address(const char* text = nullptr, std::int32_t protocol = 0,
                                  std::uint16_t port = 0) {
  vex::Result err = 1;
  Owned<IVexNetworkAddress> made(vex_create_network_address(&err));
  EXPECT_EQ(err, 0);
  if (text != nullptr) {
    EXPECT_EQ(made->set(text, protocol, port), 0) << text;
  }
  return made;
}

std::string text_of(const IVexNetworkAddress& a) {
  return a.text() != nullptr ? a.text() : "(null)";
}

TEST(NetworkAddress, StartsEmpty) {
  const Owned<IVexNetworkAddress> a = address();
  EXPECT_EQ(a->text(), nullptr);
  EXPECT_EQ(a->text_buffer(), nullptr);
  EXPECT_EQ(a->protocol(), 0);
  EXPECT_EQ(a->port(), 0);
  EXPECT_FALSE(a->is_valid());
}

TEST(NetworkAddress, SetTextTakesTheProtocolOnceAndThenRefusesAnother) {
  const Owned<IVexNetworkAddress> a = address();
  a->set_port(161);
  EXPECT_EQ(a->set_text("FE80::1"), 0);
  EXPECT_EQ(text_of(*a), "fe80::1");
  EXPECT_EQ(a->protocol(), IVexNetworkAddress::PROTOCOL_IPV6);
  EXPECT_EQ(a->port(), 161);

  EXPECT_EQ(a->set_text("10.0.0.1"), -2);
  EXPECT_EQ(text_of(*a), "fe80::1");
  EXPECT_EQ(a->protocol(), IVexNetworkAddress::PROTOCOL_IPV6);

  EXPECT_EQ(a->set_text("2001:DB8::7"), 0);
  EXPECT_EQ(text_of(*a), "2001:db8::7");
}

TEST(NetworkAddress, SetTextPassesTheNameServiceErrorAndKeepsTheOldText) {
  const Owned<IVexNetworkAddress> a = address("198.18.0.1", 1, 161);
  EXPECT_EQ(a->set_text("printer"), -1);
  EXPECT_EQ(a->set_text(""), -2);
  EXPECT_EQ(a->set_text(nullptr), -2);
  EXPECT_EQ(text_of(*a), "198.18.0.1");
  EXPECT_EQ(a->protocol(), 1);
}

TEST(NetworkAddress, IpxTextIsLoweredAndRecognised) {
  const Owned<IVexNetworkAddress> a = address();
  EXPECT_EQ(a->set_text("0000000A:00A0B1C2D3E4"), 0);
  EXPECT_EQ(text_of(*a), "0000000a:00a0b1c2d3e4");
  EXPECT_EQ(a->protocol(), IVexNetworkAddress::PROTOCOL_IPX);
  EXPECT_TRUE(a->is_valid());
}

TEST(NetworkAddress, SetStoresUncheckedAndZeroKeepsProtocolAndPort) {
  const Owned<IVexNetworkAddress> a = address("198.18.0.1", 1, 161);
  EXPECT_EQ(a->set("10.0.0.1", 0, 0), 0);
  EXPECT_EQ(text_of(*a), "10.0.0.1");
  EXPECT_EQ(a->protocol(), 1);
  EXPECT_EQ(a->port(), 161);

  EXPECT_EQ(a->set("ABCDEFGH-xyz", 3, 7), 0);  // only "A" to "F" are lowered
  EXPECT_EQ(text_of(*a), "abcdefGH-xyz");
  EXPECT_EQ(a->protocol(), 3);
  EXPECT_EQ(a->port(), 7);
  EXPECT_FALSE(a->is_valid());

  EXPECT_EQ(a->set(nullptr, 1, 1), -2);
  EXPECT_EQ(text_of(*a), "abcdefGH-xyz");

  EXPECT_EQ(a->set("", 0, 0), 0);
  EXPECT_EQ(text_of(*a), "");
}

TEST(NetworkAddress, GetHandsOutACopy) {
  const Owned<IVexNetworkAddress> a = address("2001:DB8::1", 4, 161);
  IVexBuffer* raw = nullptr;
  std::int32_t protocol = 0;
  std::uint16_t port = 0;
  ASSERT_EQ(a->get(&raw, &protocol, &port), 0);
  const Owned<IVexBuffer> copy(raw);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy.get(), a->text_buffer());
  EXPECT_TRUE(copy->equals_text("2001:db8::1"));
  EXPECT_EQ(protocol, 4);
  EXPECT_EQ(port, 161);

  EXPECT_EQ(a->get(nullptr, &protocol, &port), -2);
  IVexBuffer* only_text = nullptr;
  ASSERT_EQ(a->get(&only_text, nullptr, nullptr), 0);
  Owned<IVexBuffer>{only_text};

  IVexBuffer* empty = nullptr;
  ASSERT_EQ(address()->get(&empty, nullptr, nullptr), 0);
  const Owned<IVexBuffer> empty_owner(empty);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->length(), 0);
}

TEST(NetworkAddress, EqualsComparesCanonicalTextsAndTheArgumentsPortOnlyWhenSet) {
  const Owned<IVexNetworkAddress> with_port = address("10.0.0.1", 1, 161);
  const Owned<IVexNetworkAddress> without_port = address("10.0.0.1", 1, 0);
  EXPECT_TRUE(with_port->equals(without_port.get()));
  EXPECT_FALSE(without_port->equals(with_port.get()));
  EXPECT_FALSE(with_port->equals(address("10.0.0.1", 1, 162).get()));
  EXPECT_FALSE(with_port->equals(address("10.0.0.2", 1, 161).get()));
  EXPECT_FALSE(with_port->equals(address("10.0.0.1", 4, 161).get()));
  EXPECT_FALSE(with_port->equals(nullptr));

  const Owned<IVexNetworkAddress> long_form = address("2001:0DB8:0000:0000::0001", 4, 161);
  EXPECT_TRUE(long_form->equals(address("2001:db8::1", 4, 161).get()));

  EXPECT_FALSE(address("printer", 1, 161)->equals(address("printer", 1, 161).get()));
  EXPECT_FALSE(address()->equals(address().get()));
}

TEST(NetworkAddress, CloneCopiesTextProtocolAndPort) {
  const Owned<IVexNetworkAddress> a = address("0000000A:00A0B1C2D3E4", 2, 0x900F);
  IVexNetworkAddress* raw = nullptr;
  ASSERT_EQ(a->clone(&raw), 0);
  const Owned<IVexNetworkAddress> copy(raw);
  EXPECT_EQ(text_of(*copy), "0000000a:00a0b1c2d3e4");
  EXPECT_EQ(copy->protocol(), 2);
  EXPECT_EQ(copy->port(), 0x900F);
  EXPECT_NE(copy->text_buffer(), a->text_buffer());
  EXPECT_TRUE(copy->equals(a.get()));

  EXPECT_EQ(a->clone(nullptr), -2);
  IVexNetworkAddress* none = &*a;
  EXPECT_EQ(address()->clone(&none), -2);  // no text
  EXPECT_EQ(none, nullptr);
}

TEST(NetworkAddress, ValidityAndNormalisationAskTheTransportSupport) {
  const Owned<IVexNetworkAddress> a = address("FE80:0000::0001%1", 4, 161);
  EXPECT_TRUE(a->is_valid());
  EXPECT_EQ(a->normalize(), 0);
  EXPECT_EQ(text_of(*a), "fe80::1%1");

  const Owned<IVexNetworkAddress> name = address("printer", 1, 161);
  EXPECT_FALSE(name->is_valid());
  EXPECT_EQ(name->normalize(), -1);
  EXPECT_EQ(text_of(*name), "printer");
  EXPECT_EQ(address()->normalize(), -2);
}

TEST(NetworkAddressCreators, TextCreatorTakesTheProtocolOfTheText) {
  vex::Result err = 1;
  const Owned<IVexNetworkAddress> a(vex_create_network_address_text("FE80::1", 161, &err));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(text_of(*a), "fe80::1");
  EXPECT_EQ(a->protocol(), 4);
  EXPECT_EQ(a->port(), 161);

  err = 1;
  EXPECT_EQ(vex_create_network_address_text("printer", 161, &err), nullptr);
  EXPECT_EQ(err, -1);
  EXPECT_EQ(vex_create_network_address_text(nullptr, 161, &err), nullptr);
  EXPECT_EQ(err, -2);
  const Owned<IVexNetworkAddress> no_result(vex_create_network_address_text("198.18.0.1", 0));
  EXPECT_NE(no_result, nullptr);
}

TEST(NetworkAddressCreators, FullCreatorStoresWithoutCheckingAndReportsSet) {
  vex::Result err = 1;
  const Owned<IVexNetworkAddress> a(
      vex_create_network_address_full("not an address", 1, 161, &err));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(a->protocol(), 1);

  const Owned<IVexNetworkAddress> empty(vex_create_network_address_full(nullptr, 1, 161, &err));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(err, -2);
  EXPECT_EQ(empty->text(), nullptr);
  EXPECT_EQ(empty->protocol(), 0);
}

TEST(NetworkAddressCreators, ExhaustedMemory) {
  vex::Result err = 1;
  {
    const vex::AllocationLimit none(0);
    EXPECT_EQ(vex_create_network_address(&err), nullptr);
  }
  EXPECT_EQ(err, -3);
  const Owned<IVexNetworkAddress> a = address("198.18.0.1", 1, 161);
  IVexNetworkAddress* copy = nullptr;
  {
    const vex::AllocationLimit none(0);
    EXPECT_EQ(a->clone(&copy), -3);
    EXPECT_EQ(a->set("198.18.0.2", 0, 0), -3);
  }
  {
    const vex::AllocationLimit one(1);  // the copy, but not its text
    EXPECT_EQ(a->clone(&copy), -3);
  }
  EXPECT_EQ(copy, nullptr);
  EXPECT_EQ(text_of(*a), "198.18.0.1");
}

}  // namespace
