// What every value class answers: the operations it refuses, lengths,
// visitor dispatch, query identifiers, copies, comparisons and the creators.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "model_test_support.h"
#include "snmp/model/vsn_value_visitor.h"

namespace {

using namespace model_test;
namespace tag = vex::tag;

const std::set<std::int32_t> kUnsignedTags = {tag::kGauge32, tag::kCounter32, tag::kTimeTicks};
const std::set<std::int32_t> kByteTags = {tag::kOctetString, tag::kOpaque,     tag::kIpAddress,
                                          tag::kIpv6Address, tag::kUdpAddress, tag::kIpxAddress};

std::set<std::int32_t> with(std::set<std::int32_t> tags, std::initializer_list<std::int32_t> more) {
  tags.insert(more);
  return tags;
}

struct Operation {
  const char* name;
  std::set<std::int32_t> supported_by;
  // Runs the operation on a new value; returns its code, and for getters
  // checks the all-bits answer of a refusal.
  std::function<Result(IVsnValue&)> run;
};

template <class Get>
std::function<Result(IVsnValue&)> getter(Get get, std::uint64_t refused) {
  return [get, refused](IVsnValue& v) {
    Result err = 1;
    const auto answer = static_cast<std::uint64_t>(get(v, &err));
    if (err == vex::kNotSupported) {
      EXPECT_EQ(answer, refused);
    }
    return err;
  };
}

TEST(ValueContract, OperationsAreRefusedWithMinus5ByClassesWithoutThem) {
  const std::set<std::int32_t> ulong_tags =
      with(kUnsignedTags, {tag::kIpAddress, tag::kUdpAddress, tag::kCounter64, tag::kObjectId});
  const std::set<std::int32_t> ports = {tag::kUdpAddress, tag::kIpxAddress};
  const std::set<std::int32_t> halves = {tag::kCounter64};
  const std::set<std::int32_t> bytes = with(kByteTags, {tag::kObjectId});
  const std::set<std::int32_t> indexed = with(with(kByteTags, {tag::kObjectId, tag::kInteger}),
                                              {tag::kGauge32, tag::kCounter32, tag::kTimeTicks});
  std::uint8_t raw[16];
  std::fill(std::begin(raw), std::end(raw), '1');
  const Operation operations[] = {
      {"get_long",
       {tag::kInteger},
       getter([](IVsnValue& v, Result* e) { return static_cast<std::uint32_t>(v.get_long(e)); },
              0xFFFFFFFFU)},
      {"get_ulong", ulong_tags,
       getter([](IVsnValue& v, Result* e) { return v.get_ulong(e); }, 0xFFFFFFFFU)},
      {"get_port", ports, getter([](IVsnValue& v, Result* e) { return v.get_port(e); }, 65535)},
      {"get_high32", halves,
       getter([](IVsnValue& v, Result* e) { return v.get_high32(e); }, 0xFFFFFFFFU)},
      {"get_low32", halves,
       getter([](IVsnValue& v, Result* e) { return v.get_low32(e); }, 0xFFFFFFFFU)},
      {"get_bytes", bytes,
       [](IVsnValue& v) {
         std::int32_t n = 0;
         Result err = 1;
         if (v.get_bytes(&n, &err) == nullptr && err == vex::kOk) {
           EXPECT_EQ(n, 0);
         }
         return err;
       }},
      {"set_long", {tag::kInteger}, [](IVsnValue& v) { return v.set_long(-1); }},
      {"set_ulong", ulong_tags, [](IVsnValue& v) { return v.set_ulong(1); }},
      {"set_port", ports, [](IVsnValue& v) { return v.set_port(1); }},
      {"set_high32", halves, [](IVsnValue& v) { return v.set_high32(1); }},
      {"set_low32", halves, [](IVsnValue& v) { return v.set_low32(1); }},
      {"set_bytes", bytes,
       [&raw](IVsnValue& v) { return v.set_bytes(raw, std::max(v.length(), 1)); }},
      {"append_index", indexed,
       [](IVsnValue& v) {
         const Owned<IVsnOid> oid = make_oid();
         return v.append_index(oid.get(), 0);
       }},
      {"assign_index", indexed,
       [](IVsnValue& v) {
         const Owned<IVsnOid> oid = make_oid("9.9");
         const Result result = v.assign_index(oid.get(), 0);
         if (result == vex::kNotSupported) {
           EXPECT_STREQ(oid->text(), "9.9");
         }
         return result;
       }},
      {"read_index", indexed,
       [](IVsnValue& v) {
         const Owned<IVsnOid> oid = make_oid();
         v.append_index(oid.get(), 1);
         return v.read_index(oid.get(), 1, -1);
       }},
  };
  for (const Operation& op : operations) {
    for (std::int32_t t : all_tags()) {
      SCOPED_TRACE(testing::Message() << op.name << " on tag " << t);
      const Owned<IVsnValue> value = make_value(t);
      const Result result = op.run(*value);
      if (op.supported_by.contains(t)) {
        EXPECT_EQ(result, vex::kOk);
      } else {
        EXPECT_EQ(result, vex::kNotSupported);
      }
    }
  }
}

TEST(ValueContract, LengthAndIndexLengthOfNewValues) {
  struct Lengths {
    std::int32_t length, index, implied_index;
  };
  const std::map<std::int32_t, Lengths> expected = {
      {tag::kInteger, {1, 1, 1}},        {tag::kGauge32, {1, 1, 1}},
      {tag::kCounter32, {1, 1, 1}},      {tag::kTimeTicks, {1, 1, 1}},
      {tag::kCounter64, {1, 1, 1}},      {tag::kOctetString, {0, 1, 0}},
      {tag::kOpaque, {0, 1, 0}},         {tag::kIpAddress, {4, 5, 4}},
      {tag::kIpv6Address, {16, 17, 16}}, {tag::kUdpAddress, {6, 8, 7}},
      {tag::kIpxAddress, {12, 14, 13}},  {tag::kNull, {0, 0, 0}},
      {tag::kNoSuchObject, {0, 0, 0}},   {tag::kNoSuchInstance, {0, 0, 0}},
      {tag::kEndOfMibView, {0, 0, 0}},   {tag::kObjectId, {0, 1, 0}},
  };
  for (std::int32_t t : all_tags()) {
    const Owned<IVsnValue> value = make_value(t);
    const Lengths& e = expected.at(t);
    EXPECT_EQ(value->type(), t);
    EXPECT_EQ(value->length(), e.length) << t;
    EXPECT_EQ(value->index_length(0), e.index) << t;
    EXPECT_EQ(value->index_length(1), e.implied_index) << t;
  }
}

// Records which operation a value called.
class RecordingVisitor final : public IVsnValueVisitor {
 public:
  std::string called;
  IVsnValue* visited = nullptr;

  Result visit_oid(IVsnValue* v) override { return note("oid", v); }
  Result visit_octet_string(IVsnValue* v) override { return note("octet_string", v); }
  Result visit_integer(IVsnValue* v) override { return note("integer", v); }
  Result visit_null(IVsnValue* v) override { return note("null", v); }
  Result visit_counter32(IVsnValue* v) override { return note("counter32", v); }
  Result visit_gauge32(IVsnValue* v) override { return note("gauge32", v); }
  Result visit_timeticks(IVsnValue* v) override { return note("timeticks", v); }
  Result visit_counter64(IVsnValue* v) override { return note("counter64", v); }
  Result visit_ipaddress(IVsnValue* v) override { return note("ipaddress", v); }
  Result visit_ipv6_address(IVsnValue* v) override { return note("ipv6_address", v); }
  Result visit_udp_address(IVsnValue* v) override { return note("udp_address", v); }
  Result visit_ipx_address(IVsnValue* v) override { return note("ipx_address", v); }
  Result visit_exception(IVsnValue* v) override { return note("exception", v); }

 private:
  Result note(const char* name, IVsnValue* v) {
    called = name;
    visited = v;
    return 77;
  }
};

TEST(ValueContract, AcceptCallsTheVisitorOperationOfTheClass) {
  const std::map<std::int32_t, std::string> expected = {
      {tag::kInteger, "integer"},
      {tag::kOctetString, "octet_string"},
      {tag::kNull, "null"},
      {tag::kObjectId, "oid"},
      {tag::kIpAddress, "ipaddress"},
      {tag::kCounter32, "counter32"},
      {tag::kGauge32, "gauge32"},
      {tag::kTimeTicks, "timeticks"},
      {tag::kOpaque, "octet_string"},
      {tag::kCounter64, "counter64"},
      {tag::kIpv6Address, "ipv6_address"},
      {tag::kNoSuchObject, "exception"},
      {tag::kNoSuchInstance, "exception"},
      {tag::kEndOfMibView, "exception"},
      {tag::kUdpAddress, "udp_address"},
      {tag::kIpxAddress, "ipx_address"},
  };
  for (std::int32_t t : all_tags()) {
    const Owned<IVsnValue> value = make_value(t);
    RecordingVisitor visitor;
    EXPECT_EQ(value->accept(&visitor), 77) << t;
    EXPECT_EQ(visitor.called, expected.at(t)) << t;
    EXPECT_EQ(visitor.visited, value.get()) << t;
    EXPECT_EQ(value->accept(nullptr), vex::kInvalidArgument) << t;
  }
}

TEST(ValueContract, QueryAnswersTheIdentifiersOfTheClassAndItsBases) {
  using vex::query_id::of_tag;
  const std::uint32_t common[] = {vex::query_id::kValue, vex::query_id::kImplementation};
  const std::map<std::int32_t, std::set<std::uint32_t>> own = {
      {tag::kInteger, {of_tag(tag::kInteger)}},
      {tag::kOctetString, {of_tag(tag::kOctetString)}},
      {tag::kNull, {of_tag(tag::kNull)}},
      {tag::kObjectId, {of_tag(tag::kObjectId), vex::query_id::kOid}},
      {tag::kIpAddress, {of_tag(tag::kIpAddress), of_tag(tag::kOctetString)}},
      {tag::kCounter32, {of_tag(tag::kCounter32), of_tag(tag::kGauge32)}},
      {tag::kGauge32, {of_tag(tag::kGauge32)}},
      {tag::kTimeTicks, {of_tag(tag::kTimeTicks), of_tag(tag::kGauge32)}},
      {tag::kOpaque, {of_tag(tag::kOpaque), of_tag(tag::kOctetString)}},
      {tag::kCounter64, {of_tag(tag::kCounter64)}},
      {tag::kIpv6Address, {of_tag(tag::kIpv6Address), of_tag(tag::kOctetString)}},
      {tag::kNoSuchObject, {vex::query_id::kException}},
      {tag::kNoSuchInstance, {vex::query_id::kException}},
      {tag::kEndOfMibView, {vex::query_id::kException}},
      {tag::kUdpAddress, {vex::query_id::kUdpAddress, of_tag(tag::kOctetString)}},
      {tag::kIpxAddress, {vex::query_id::kIpxAddress, of_tag(tag::kOctetString)}},
  };
  std::set<std::uint32_t> every_id(std::begin(common), std::end(common));
  for (const auto& [t, ids] : own) every_id.insert(ids.begin(), ids.end());
  every_id.insert(0xF0000045);

  for (std::int32_t t : all_tags()) {
    const Owned<IVsnValue> value = make_value(t);
    for (std::uint32_t id : every_id) {
      void* view = reinterpret_cast<void*>(1);
      value->query(id, &view);
      const bool answers = own.at(t).contains(id) || id == common[0] || id == common[1];
      EXPECT_EQ(view != nullptr, answers) << "tag " << t << " id " << std::hex << id;
    }
    void* interface = nullptr;
    value->query(vex::query_id::kValue, &interface);
    EXPECT_EQ(interface, value.get());
    value->query(vex::query_id::kValue, nullptr);
  }
  const Owned<IVsnValue> oid = make_value(tag::kObjectId);
  void* oid_view = nullptr;
  oid->query(vex::query_id::kOid, &oid_view);
  EXPECT_EQ(oid_view, oid->as_oid());
  EXPECT_EQ(make_value(tag::kOctetString)->as_oid(), nullptr);
}

TEST(ValueContract, CloneAssignAndEquals) {
  for (std::int32_t t : all_tags()) {
    SCOPED_TRACE(testing::Message() << "tag " << t);
    const Owned<IVsnValue> original = sample_value(t);
    Result err = 1;
    const Owned<IVsnValue> copy(original->clone(&err));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(err, vex::kOk);
    EXPECT_NE(copy.get(), original.get());
    EXPECT_EQ(copy->type(), t);
    EXPECT_TRUE(copy->equals(original.get()));
    EXPECT_EQ(text_of(*copy), text_of(*original));

    const Owned<IVsnValue> fresh = make_value(t);
    const bool without_content =
        t == tag::kNull || (t >= tag::kNoSuchObject && t <= tag::kEndOfMibView);
    EXPECT_EQ(fresh->equals(original.get()), without_content);
    EXPECT_EQ(fresh->assign(original.get()), vex::kOk);
    EXPECT_TRUE(fresh->equals(original.get()));

    EXPECT_EQ(fresh->assign(nullptr), vex::kInvalidArgument);
    EXPECT_FALSE(fresh->equals(nullptr));
    for (std::int32_t other : all_tags()) {
      if (other == t) continue;
      const Owned<IVsnValue> different = make_value(other);
      EXPECT_EQ(fresh->assign(different.get()), vex::kInvalidArgument) << other;
      EXPECT_FALSE(fresh->equals(different.get())) << other;
    }
    EXPECT_TRUE(fresh->equals(original.get())) << "a refused assign changes nothing";
  }
}

TEST(ValueContract, SameNumberUnderAnotherTagIsNeitherAssignableNorEqual) {
  const Owned<IVsnValue> gauge(vsn_create_value_ulong(5, tag::kGauge32));
  const Owned<IVsnValue> counter(vsn_create_value_ulong(5, tag::kCounter32));
  EXPECT_EQ(counter->assign(gauge.get()), vex::kInvalidArgument);
  EXPECT_FALSE(counter->equals(gauge.get()));
  EXPECT_FALSE(gauge->equals(counter.get()));
  const Owned<IVsnValue> ip(vsn_create_value_text("1.2.3.4", tag::kIpAddress));
  const std::uint8_t four[] = {1, 2, 3, 4};
  const Owned<IVsnValue> octets = make_value(tag::kOctetString);
  ASSERT_EQ(octets->set_bytes(four, 4), vex::kOk);
  EXPECT_FALSE(octets->equals(ip.get()));
  EXPECT_EQ(octets->assign(ip.get()), vex::kInvalidArgument);
}

TEST(ValueContract, ExceptionsAndNullsCompareByTag) {
  const Owned<IVsnValue> no_object = make_value(tag::kNoSuchObject);
  EXPECT_TRUE(no_object->equals(make_value(tag::kNoSuchObject).get()));
  EXPECT_FALSE(no_object->equals(make_value(tag::kNoSuchInstance).get()));
  EXPECT_FALSE(no_object->equals(make_value(tag::kNull).get()));
  EXPECT_TRUE(make_value(tag::kNull)->equals(make_value(tag::kNull).get()));
}

TEST(ValueContract, ClearReturnsToTheInitialContent) {
  for (std::int32_t t : all_tags()) {
    SCOPED_TRACE(testing::Message() << "tag " << t);
    const Owned<IVsnValue> value = sample_value(t);
    const std::int32_t fixed_length = make_value(t)->length();
    value->clear();
    EXPECT_TRUE(value->equals(make_value(t).get()));
    EXPECT_EQ(value->length(), fixed_length);
  }
  const Owned<IVsnValue> counter(vsn_create_counter64(7, 9));
  counter->clear();
  EXPECT_EQ(counter->get_high32(nullptr), 0U);
  EXPECT_EQ(counter->get_low32(nullptr), 0U);
}

TEST(ValueFactory, RefusesTagsOutsideTheTable) {
  for (std::int32_t t : {0x00, 0x01, 0x03, 0x07, 0x45, 0x47, 0x49, 0x83, 0xFF01, 0xFF04, -1}) {
    Result err = 1;
    EXPECT_EQ(vsn_create_value(t, &err), nullptr) << t;
    EXPECT_EQ(err, vex::kInvalidArgument) << t;
  }
  EXPECT_EQ(vsn_create_value(0x47, nullptr), nullptr);
  const Owned<IVsnValue> without_result(vsn_create_value(tag::kUdpAddress));
  EXPECT_EQ(text_of(*without_result), "0.0.0.0/0");
}

TEST(ValueFactory, CreatorsThatSetAValue) {
  struct Case {
    const char* name;
    std::function<IVsnValue*(Result*)> create;
    Result result;
    std::string text;
  };
  const Case cases[] = {
      {"long INTEGER", [](Result* e) { return vsn_create_value_long(-3, tag::kInteger, e); },
       vex::kOk, "-3"},
      {"long Gauge32 is refused",
       [](Result* e) { return vsn_create_value_long(3, tag::kGauge32, e); }, vex::kNotSupported,
       ""},
      {"ulong TimeTicks", [](Result* e) { return vsn_create_value_ulong(100, tag::kTimeTicks, e); },
       vex::kOk, "100"},
      {"ulong INTEGER is refused",
       [](Result* e) { return vsn_create_value_ulong(3, tag::kInteger, e); }, vex::kNotSupported,
       ""},
      {"ulong object identifier",
       [](Result* e) { return vsn_create_value_ulong(42, tag::kObjectId, e); }, vex::kOk, "42"},
      {"ulong of an unknown tag", [](Result* e) { return vsn_create_value_ulong(1, 0x47, e); },
       vex::kInvalidArgument, ""},
      {"text IpAddress", [](Result* e) { return vsn_create_value_text("1.2.3.4", 0x40, e); },
       vex::kOk, "1.2.3.4"},
      {"text that does not parse",
       [](Result* e) { return vsn_create_value_text("1.2.3.256", 0x40, e); }, vex::kInvalidArgument,
       ""},
      {"text of an invalid object identifier",
       [](Result* e) { return vsn_create_value_text("1..3", tag::kObjectId, e); },
       vex::kInvalidArgument, ""},
      {"null text", [](Result* e) { return vsn_create_value_text(nullptr, tag::kOctetString, e); },
       vex::kInvalidArgument, ""},
      {"text of NULL", [](Result* e) { return vsn_create_value_text("", tag::kNull, e); },
       vex::kNotSupported, ""},
      {"counter64", [](Result* e) { return vsn_create_counter64(1, 0, e); }, vex::kOk,
       "4294967296"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Result err = 1;
    const Owned<IVsnValue> value(c.create(&err));
    EXPECT_EQ(err, c.result);
    EXPECT_EQ(value != nullptr, c.result == vex::kOk);
    if (value != nullptr) {
      EXPECT_EQ(text_of(*value), c.text);
    }
  }
}

}  // namespace
