// The object lists: order, removal, iteration and take, the same for all
// three element kinds.
#include <gtest/gtest.h>

#include <vector>

#include "framework/ownership.h"
#include "snmp/model/vex_address_list.h"
#include "snmp/model/vsn_packet.h"
#include "snmp/model/vsn_packet_list.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_pdu_list.h"
#include "stand_in_address.h"

namespace {

using model_test::StandInAddress;
using vex::Owned;
using vex::Result;

struct PacketLists {
  using List = IVsnSnmpPacketList;
  static List* create(Result* err) { return vsn_create_packet_list(err); }
  static IVsnSnmpPacket* element() { return vsn_create_packet(); }
};

struct PduLists {
  using List = IVsnPduList;
  static List* create(Result* err) { return vsn_create_pdu_list(err); }
  static IVsnPdu* element() { return vsn_create_pdu(); }
};

struct AddressLists {
  using List = IVexNetworkAddressList;
  static List* create(Result* err) { return vex_create_address_list(err); }
  static IVexNetworkAddress* element() { return StandInAddress::make("10.0.0.1"); }
};

template <class Kind>
class ObjectList : public testing::Test {
 protected:
  using List = typename Kind::List;
  using Element = typename List::Element;
  using Iterator = typename List::Iterator;

  // A list of n new elements; their pointers in order go to `elements`.
  Owned<List> list_of(int n) {
    Result err = 1;
    Owned<List> list(Kind::create(&err));
    EXPECT_EQ(err, vex::kOk);
    for (int i = 0; i < n; ++i) {
      Element* element = Kind::element();
      elements.push_back(element);
      EXPECT_EQ(list->push_back(element), vex::kOk);
    }
    return list;
  }

  // The elements in iteration order.
  static std::vector<Element*> contents(List& list) {
    std::vector<Element*> seen;
    Iterator* it = list.create_iterator(nullptr);
    for (Element* e = list.current(it); e != nullptr; e = list.current(list.next(it))) {
      seen.push_back(e);
    }
    list.destroy_iterator(it);
    return seen;
  }

  std::vector<Element*> elements;
};

using Kinds = testing::Types<PacketLists, PduLists, AddressLists>;
TYPED_TEST_SUITE(ObjectList, Kinds);

TYPED_TEST(ObjectList, NewListIsEmpty) {
  const auto list = this->list_of(0);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 0);
  Result err = 1;
  auto* it = list->create_iterator(&err);
  ASSERT_NE(it, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(list->current(it), nullptr);
  EXPECT_EQ(list->next(it), it);
  EXPECT_EQ(list->take(it), nullptr);
  list->destroy_iterator(it);
  list->remove_first();
  list->remove_last();
  list->clear();
  EXPECT_EQ(list->count(), 0);
}

TYPED_TEST(ObjectList, PushKeepsOrder) {
  const auto list = this->list_of(2);
  auto* front = TypeParam::element();
  auto* back = TypeParam::element();
  EXPECT_EQ(list->push_front(front), vex::kOk);
  EXPECT_EQ(list->push_back(back), vex::kOk);
  EXPECT_EQ(list->count(), 4);
  using Elements = std::vector<typename TestFixture::Element*>;
  EXPECT_EQ(this->contents(*list), (Elements{front, this->elements[0], this->elements[1], back}));
  EXPECT_EQ(list->push_front(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(list->push_back(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(list->count(), 4);
}

TYPED_TEST(ObjectList, RemoveFirstAndLast) {
  const auto list = this->list_of(3);
  list->remove_first();
  using Elements = std::vector<typename TestFixture::Element*>;
  EXPECT_EQ(this->contents(*list), (Elements{this->elements[1], this->elements[2]}));
  list->remove_last();
  EXPECT_EQ(this->contents(*list), (Elements{this->elements[1]}));
  list->clear();
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(this->contents(*list), Elements{});
}

TYPED_TEST(ObjectList, TakeInTheMiddle) {
  auto list = this->list_of(3);
  auto* it = list->create_iterator(nullptr);
  list->next(it);
  auto* second = list->current(it);
  ASSERT_EQ(second, this->elements[1]);
  Owned<typename TestFixture::Element> taken(list->take(it));
  EXPECT_EQ(taken.get(), second);
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->current(it), this->elements[2]) << "the iterator is on the former third";
  using Elements = std::vector<typename TestFixture::Element*>;
  EXPECT_EQ(this->contents(*list), (Elements{this->elements[0], this->elements[2]}));
  list->destroy_iterator(it);
  list.reset();
  EXPECT_EQ(taken.get(), second) << "the taken element outlives the list";
}

TYPED_TEST(ObjectList, TakeAtTheEndTakesNothing) {
  const auto list = this->list_of(1);
  auto* it = list->create_iterator(nullptr);
  Owned<typename TestFixture::Element> last(list->take(it));
  EXPECT_EQ(last.get(), this->elements[0]);
  EXPECT_EQ(list->current(it), nullptr);
  EXPECT_EQ(list->take(it), nullptr);
  EXPECT_EQ(list->count(), 0);
  list->destroy_iterator(it);
}

TYPED_TEST(ObjectList, IteratorMovesAndRewinds) {
  const auto list = this->list_of(2);
  auto* it = list->create_iterator(nullptr);
  list->next(list->next(it));
  EXPECT_EQ(list->current(it), nullptr);
  list->next(it);
  EXPECT_EQ(list->current(it), nullptr) << "next stays at the end";
  list->rewind(it);
  EXPECT_EQ(list->current(it), this->elements[0]);
  list->destroy_iterator(it);

  EXPECT_EQ(list->current(nullptr), nullptr);
  EXPECT_EQ(list->next(nullptr), nullptr);
  EXPECT_EQ(list->take(nullptr), nullptr);
  list->rewind(nullptr);
  list->destroy_iterator(nullptr);
  EXPECT_EQ(list->count(), 2);
}

TYPED_TEST(ObjectList, IteratorOnARemovedElementMovesOn) {
  const auto list = this->list_of(3);
  auto* on_first = list->create_iterator(nullptr);
  auto* on_last = list->create_iterator(nullptr);
  list->next(list->next(on_last));
  list->remove_first();
  EXPECT_EQ(list->current(on_first), this->elements[1]);
  list->remove_last();
  EXPECT_EQ(list->current(on_last), nullptr) << "at the end now";
  list->clear();
  EXPECT_EQ(list->current(on_first), nullptr);
  list->destroy_iterator(on_first);
  // on_last stays open: the list deletes it when it goes.
}

TYPED_TEST(ObjectList, AnotherListsIteratorIsIgnored) {
  const auto list = this->list_of(1);
  const auto other = this->list_of(1);
  auto* foreign = other->create_iterator(nullptr);
  EXPECT_EQ(list->current(foreign), nullptr);
  EXPECT_EQ(list->take(foreign), nullptr);
  list->destroy_iterator(foreign);
  EXPECT_EQ(other->current(foreign), this->elements[1]) << "still alive and in place";
  EXPECT_EQ(list->count(), 1);
  other->destroy_iterator(foreign);
}

TYPED_TEST(ObjectList, ElementPolicy) {
  const auto list = this->list_of(0);
  const auto& policy = list->element_policy();
  auto* element = TypeParam::element();
  EXPECT_EQ(policy.adopt(element), element);
  policy.dispose(element);
  policy.dispose(nullptr);
}

TEST(AddressList, RemovalDestroysAndTakeHandsOver) {
  const int live = StandInAddress::live();
  Owned<IVexNetworkAddressList> list(vex_create_address_list());
  for (const char* text : {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4"}) {
    ASSERT_EQ(list->push_back(StandInAddress::make(text)), vex::kOk);
  }
  EXPECT_EQ(StandInAddress::live(), live + 4);
  list->remove_first();
  list->remove_last();
  EXPECT_EQ(StandInAddress::live(), live + 2);
  auto* it = list->create_iterator(nullptr);
  const Owned<IVexNetworkAddress> taken(list->take(it));
  EXPECT_STREQ(taken->text(), "10.0.0.2");
  list->destroy_iterator(it);
  list.reset();
  EXPECT_EQ(StandInAddress::live(), live + 1) << "only the taken address is left";
}

}  // namespace
