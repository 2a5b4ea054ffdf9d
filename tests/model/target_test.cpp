// Community and USM targets: defaults, views, the visitor, copies and
// comparison.
#include <gtest/gtest.h>

#include <string>

#include "framework/ownership.h"
#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_target_base.h"
#include "snmp/model/vsn_target_visitor.h"
#include "snmp/model/vsn_usm_target.h"
#include "stand_in_address.h"

namespace {

using model_test::StandInAddress;
using vex::Owned;
using vex::Result;
namespace query = vex::target_query;

Owned<IVsnCommunityTarget> community_target(const char* community) {
  Owned<IVsnCommunityTarget> target(vsn_create_community_target());
  EXPECT_EQ(target->set_community(community), vex::kOk);
  return target;
}

Owned<IVsnUsmTarget> usm_target(const char* user) {
  Owned<IVsnUsmTarget> target(vsn_create_usm_target());
  EXPECT_EQ(target->set_security_name(user), vex::kOk);
  target->set_security_level(vex::usm::kAuthPriv);
  target->set_auth_protocol(vex::usm::kHmacSha);
  target->set_priv_protocol(vex::usm::kAes);
  EXPECT_EQ(target->set_auth_passphrase("auth phrase"), vex::kOk);
  EXPECT_EQ(target->set_priv_passphrase("priv phrase"), vex::kOk);
  EXPECT_EQ(target->set_context_name("ctx"), vex::kOk);
  const std::uint8_t engine[] = {0x80, 0, 0x1f, 0x88};
  EXPECT_EQ(target->set_engine_id(engine, 4), vex::kOk);
  return target;
}

void set_common_fields(IVsnSnmpTarget& target) {
  target.set_version(vex::snmp_version::kV2c);
  target.set_timeout(300);
  target.set_retries(2);
  target.set_max_size(1400);
  target.set_port(1161);
  const Owned<IVexNetworkAddress> address(StandInAddress::make("10.0.0.1"));
  EXPECT_EQ(target.set_address(address.get()), vex::kOk);
}

void expect_new_common_fields(const IVsnSnmpTarget& target) {
  EXPECT_EQ(target.version(), vex::snmp_version::kUnset);
  EXPECT_EQ(target.timeout(), -1);
  EXPECT_EQ(target.retries(), 0);
  EXPECT_EQ(target.max_size(), 0);
  EXPECT_EQ(target.port(), 0);
  EXPECT_EQ(target.address(), nullptr);
}

std::string engine_text(const IVsnUsmTarget& target) {
  const IVexBuffer* id = target.engine_id();
  return id->length() == 0 ? std::string() : std::string(id->data(), id->length());
}

class RecordingVisitor final : public IVsnTargetVisitor {
 public:
  Result visit_community_target(IVsnCommunityTarget* target) override {
    community = target;
    return 11;
  }
  Result visit_usm_target(IVsnUsmTarget* target) override {
    usm = target;
    return vex::kNotSupported;
  }
  IVsnCommunityTarget* community = nullptr;
  IVsnUsmTarget* usm = nullptr;
};

TEST(SnmpTarget, CreateByKind) {
  Result err = 1;
  const Owned<IVsnSnmpTarget> target(vsn_create_target(vex::target_kind::kCommunity, &err));
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(err, vex::kOk);
  EXPECT_EQ(target->kind(), vex::target_kind::kCommunity);
  EXPECT_NE(vex::as_community(target.get()), nullptr);
  for (std::int32_t kind : {1, 2, -1}) {
    err = 1;
    EXPECT_EQ(vsn_create_target(kind, &err), nullptr) << kind;
    EXPECT_EQ(err, vex::kInvalidArgument);
  }
}

TEST(SnmpTarget, NewTargets) {
  Result err = 1;
  const Owned<IVsnCommunityTarget> community(vsn_create_community_target(&err));
  ASSERT_NE(community, nullptr);
  EXPECT_EQ(err, vex::kOk);
  expect_new_common_fields(*community);
  EXPECT_EQ(community->community(), nullptr);
  EXPECT_EQ(community->kind(), vex::target_kind::kCommunity);

  err = 1;
  const Owned<IVsnUsmTarget> usm(vsn_create_usm_target(&err));
  ASSERT_NE(usm, nullptr);
  EXPECT_EQ(err, vex::kOk);
  expect_new_common_fields(*usm);
  EXPECT_EQ(usm->kind(), vex::target_kind::kUsm);
  EXPECT_STREQ(usm->security_name(), "");
  EXPECT_EQ(usm->security_level(), vex::usm::kNoAuthNoPriv);
  EXPECT_EQ(usm->auth_protocol(), 0);
  EXPECT_EQ(usm->priv_protocol(), 0);
  EXPECT_STREQ(usm->auth_passphrase(), "");
  EXPECT_STREQ(usm->priv_passphrase(), "");
  EXPECT_STREQ(usm->context_name(), "");
  ASSERT_NE(usm->engine_id(), nullptr);
  EXPECT_EQ(usm->engine_id()->length(), 0);
}

TEST(SnmpTarget, QueryViews) {
  const Owned<IVsnCommunityTarget> community(vsn_create_community_target());
  const Owned<IVsnUsmTarget> usm(vsn_create_usm_target());
  IVsnSnmpTarget* c = community.get();
  IVsnSnmpTarget* u = usm.get();
  const struct {
    IVsnSnmpTarget* target;
    std::int32_t id;
    void* expected;
  } cases[] = {
      {c, query::kTarget, c},
      {c, query::kCommon, dynamic_cast<CVsnSnmpTarget*>(c)},
      {c, query::kCommunityPart, community.get()},
      {c, query::kCommunity, community.get()},
      {c, query::kUsmPart, nullptr},
      {c, query::kUsm, nullptr},
      {c, 6, nullptr},
      {c, -1, nullptr},
      {u, query::kTarget, u},
      {u, query::kCommon, dynamic_cast<CVsnSnmpTarget*>(u)},
      {u, query::kCommunityPart, nullptr},
      {u, query::kCommunity, nullptr},
      {u, query::kUsmPart, usm.get()},
      {u, query::kUsm, usm.get()},
      {u, 6, nullptr},
  };
  for (const auto& c_ : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c_.target->kind() << " id " << c_.id);
    void* view = &view;
    c_.target->query(c_.id, &view);
    EXPECT_EQ(view, c_.expected);
    c_.target->query(c_.id, nullptr);
  }
  EXPECT_NE(dynamic_cast<CVsnSnmpTarget*>(c), nullptr);
  EXPECT_EQ(vex::as_community(c), community.get());
  EXPECT_EQ(vex::as_usm(c), nullptr);
  EXPECT_EQ(vex::as_usm(u), usm.get());
  EXPECT_EQ(vex::as_community(u), nullptr);
  EXPECT_EQ(vex::as_usm(nullptr), nullptr);
}

TEST(SnmpTarget, AcceptCallsTheVisitorOfTheClass) {
  const Owned<IVsnCommunityTarget> community(vsn_create_community_target());
  const Owned<IVsnUsmTarget> usm(vsn_create_usm_target());
  RecordingVisitor visitor;
  EXPECT_EQ(community->accept(&visitor), 11) << "the visitor's result";
  EXPECT_EQ(visitor.community, community.get());
  EXPECT_EQ(visitor.usm, nullptr);
  EXPECT_EQ(usm->accept(&visitor), vex::kNotSupported);
  EXPECT_EQ(visitor.usm, usm.get());
  EXPECT_EQ(community->accept(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(usm->accept(nullptr), vex::kInvalidArgument);
}

TEST(SnmpTarget, SettersAnswerTheStoredValue) {
  const Owned<IVsnSnmpTarget> target(vsn_create_target(0));
  EXPECT_EQ(target->set_version(1), 1);
  EXPECT_EQ(target->set_timeout(250), 250);
  EXPECT_EQ(target->set_retries(3), 3);
  EXPECT_EQ(target->set_max_size(484), 484);
  EXPECT_EQ(target->set_port(65535), 65535);
  EXPECT_EQ(target->version(), 1);
  EXPECT_EQ(target->timeout(), 250);
  EXPECT_EQ(target->retries(), 3);
  EXPECT_EQ(target->max_size(), 484);
  EXPECT_EQ(target->port(), 65535);
}

TEST(SnmpTarget, SetAddressKeepsACopy) {
  const int live = StandInAddress::live();
  {
    const Owned<IVsnSnmpTarget> target(vsn_create_target(0));
    {
      const Owned<IVexNetworkAddress> address(StandInAddress::make("192.168.0.10", 161));
      ASSERT_EQ(target->set_address(address.get()), vex::kOk);
      ASSERT_NE(target->address(), nullptr);
      EXPECT_NE(target->address(), address.get());
      EXPECT_TRUE(target->address()->equals(address.get()));
    }
    EXPECT_STREQ(target->address()->text(), "192.168.0.10") << "the caller's address is gone";

    ASSERT_EQ(target->set_address(target->address()), vex::kOk) << "its own address again";
    EXPECT_STREQ(target->address()->text(), "192.168.0.10");
    EXPECT_EQ(StandInAddress::live(), live + 1);

    {
      const Owned<IVexNetworkAddress> other(StandInAddress::make("10.1.1.1"));
      const StandInAddress::FailingClones failing;
      EXPECT_EQ(target->set_address(other.get()), vex::kOutOfMemory);
      EXPECT_EQ(target->address(), nullptr) << "a failed clone leaves no address";
    }
    const Owned<IVexNetworkAddress> again(StandInAddress::make("10.1.1.1"));
    ASSERT_EQ(target->set_address(again.get()), vex::kOk);
    EXPECT_EQ(target->set_address(nullptr), vex::kOk);
    EXPECT_EQ(target->address(), nullptr);
    EXPECT_EQ(StandInAddress::live(), live + 1) << "only the caller's address is left";
  }
  EXPECT_EQ(StandInAddress::live(), live);
}

TEST(SnmpTarget, CommunityIsCopied) {
  const Owned<IVsnCommunityTarget> target(vsn_create_community_target());
  std::string text = "public";
  ASSERT_EQ(target->set_community(text.c_str()), vex::kOk);
  text = "changed";
  EXPECT_STREQ(target->community(), "public");
  ASSERT_EQ(target->set_community(target->community()), vex::kOk);
  EXPECT_STREQ(target->community(), "public");
  ASSERT_EQ(target->set_community(""), vex::kOk);
  ASSERT_NE(target->community(), nullptr) << "an empty community is still a community";
  EXPECT_STREQ(target->community(), "");
  ASSERT_EQ(target->set_community(nullptr), vex::kOk);
  EXPECT_EQ(target->community(), nullptr);
}

TEST(SnmpTarget, ClearDropsOnlyTheCommunity) {
  const Owned<IVsnCommunityTarget> community = community_target("private");
  set_common_fields(*community);
  community->clear();
  EXPECT_EQ(community->community(), nullptr);
  EXPECT_EQ(community->version(), vex::snmp_version::kV2c);
  EXPECT_EQ(community->timeout(), 300);
  ASSERT_NE(community->address(), nullptr);

  const Owned<IVsnUsmTarget> usm = usm_target("user");
  usm->clear();
  EXPECT_STREQ(usm->security_name(), "user") << "a USM target keeps its parameters";
  EXPECT_EQ(engine_text(*usm).size(), 4U);
}

TEST(SnmpTarget, SecurityNameHoldsAtMost32Characters) {
  const Owned<IVsnUsmTarget> target(vsn_create_usm_target());
  const std::string longest(32, 'u');
  ASSERT_EQ(target->set_security_name(longest.c_str()), vex::kOk);
  EXPECT_EQ(target->security_name(), longest);
  const std::string too_long(33, 'v');
  EXPECT_EQ(target->set_security_name(too_long.c_str()), vex::kInvalidArgument);
  EXPECT_EQ(target->security_name(), longest) << "the old name stays";
  ASSERT_EQ(target->set_security_name(target->security_name()), vex::kOk);
  EXPECT_EQ(target->security_name(), longest);
  ASSERT_EQ(target->set_security_name(nullptr), vex::kOk);
  EXPECT_STREQ(target->security_name(), "");
}

TEST(SnmpTarget, UsmSetters) {
  const Owned<IVsnUsmTarget> target(vsn_create_usm_target());
  EXPECT_EQ(target->set_security_level(7), vex::kOk) << "codes are not checked here";
  EXPECT_EQ(target->set_auth_protocol(-4), vex::kOk);
  EXPECT_EQ(target->set_priv_protocol(9), vex::kOk);
  EXPECT_EQ(target->security_level(), 7);
  EXPECT_EQ(target->auth_protocol(), -4);
  EXPECT_EQ(target->priv_protocol(), 9);

  const std::string phrase(300, 'p');
  ASSERT_EQ(target->set_auth_passphrase(phrase.c_str()), vex::kOk);
  ASSERT_EQ(target->set_priv_passphrase("secret"), vex::kOk);
  ASSERT_EQ(target->set_context_name("ctx"), vex::kOk);
  EXPECT_EQ(target->auth_passphrase(), phrase);
  EXPECT_STREQ(target->priv_passphrase(), "secret");
  EXPECT_STREQ(target->context_name(), "ctx");
  ASSERT_EQ(target->set_auth_passphrase(nullptr), vex::kOk);
  ASSERT_EQ(target->set_priv_passphrase(nullptr), vex::kOk);
  ASSERT_EQ(target->set_context_name(nullptr), vex::kOk);
  EXPECT_STREQ(target->auth_passphrase(), "");
  EXPECT_STREQ(target->priv_passphrase(), "");
  EXPECT_STREQ(target->context_name(), "");
}

TEST(SnmpTarget, EngineIdentifier) {
  const Owned<IVsnUsmTarget> target(vsn_create_usm_target());
  const std::uint8_t bytes[] = {0x80, 0x00, 0x1f, 0x88, 0x04};
  ASSERT_EQ(target->set_engine_id(bytes, 5), vex::kOk);
  EXPECT_EQ(engine_text(*target), std::string("\x80\x00\x1f\x88\x04", 5));
  EXPECT_EQ(target->set_engine_id(bytes, -1), vex::kInvalidArgument);
  EXPECT_EQ(engine_text(*target).size(), 5U);
  ASSERT_EQ(target->set_engine_id(bytes, 0), vex::kOk);
  EXPECT_EQ(target->engine_id()->length(), 0);
  ASSERT_EQ(target->set_engine_id(bytes, 2), vex::kOk);
  ASSERT_EQ(target->set_engine_id(nullptr, 2), vex::kOk);
  EXPECT_EQ(target->engine_id()->length(), 0);
}

TEST(SnmpTarget, CommunityTargetsCompareTheCommunityOnly) {
  const Owned<IVsnCommunityTarget> a = community_target("public");
  const Owned<IVsnCommunityTarget> b = community_target("public");
  set_common_fields(*b);
  const Owned<IVexNetworkAddress> elsewhere(StandInAddress::make("10.9.9.9"));
  ASSERT_EQ(a->set_address(elsewhere.get()), vex::kOk);
  a->set_version(vex::snmp_version::kV1);
  EXPECT_TRUE(a->equals(b.get())) << "versions and addresses differ, communities agree";
  EXPECT_FALSE(a->equals(community_target("private").get()));
  EXPECT_FALSE(a->equals(community_target(nullptr).get()));
  EXPECT_FALSE(community_target(nullptr)->equals(a.get()));
  EXPECT_TRUE(community_target(nullptr)->equals(community_target(nullptr).get()));
  EXPECT_FALSE(community_target("")->equals(community_target(nullptr).get()));
  EXPECT_FALSE(a->equals(nullptr));
  EXPECT_FALSE(a->equals(usm_target("public").get()));
  EXPECT_FALSE(usm_target("public")->equals(a.get()));
}

TEST(SnmpTarget, UsmTargetsCompareTheSecurityParameters) {
  const Owned<IVsnUsmTarget> reference = usm_target("user");
  const struct {
    const char* change;
    void (*apply)(IVsnUsmTarget&);
    bool equal;
  } cases[] = {
      {"nothing", [](IVsnUsmTarget&) {}, true},
      {"engine identifier", [](IVsnUsmTarget& t) { t.set_engine_id(nullptr, 0); }, true},
      {"common fields", [](IVsnUsmTarget& t) { set_common_fields(t); }, true},
      {"security name", [](IVsnUsmTarget& t) { t.set_security_name("other"); }, false},
      {"security level", [](IVsnUsmTarget& t) { t.set_security_level(1); }, false},
      {"auth protocol", [](IVsnUsmTarget& t) { t.set_auth_protocol(1); }, false},
      {"priv protocol", [](IVsnUsmTarget& t) { t.set_priv_protocol(1); }, false},
      {"auth phrase", [](IVsnUsmTarget& t) { t.set_auth_passphrase("x"); }, false},
      {"priv phrase", [](IVsnUsmTarget& t) { t.set_priv_passphrase("x"); }, false},
      {"context", [](IVsnUsmTarget& t) { t.set_context_name(""); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    const Owned<IVsnUsmTarget> other = usm_target("user");
    c.apply(*other);
    EXPECT_EQ(reference->equals(other.get()), c.equal);
    EXPECT_EQ(other->equals(reference.get()), c.equal);
  }
  EXPECT_FALSE(reference->equals(nullptr));
}

TEST(SnmpTarget, AssignWithinAClass) {
  const Owned<IVsnCommunityTarget> source = community_target("private");
  set_common_fields(*source);
  const Owned<IVsnCommunityTarget> community = community_target("public");
  ASSERT_EQ(community->assign(source.get()), vex::kOk);
  EXPECT_STREQ(community->community(), "private");
  EXPECT_EQ(community->version(), vex::snmp_version::kV2c);
  EXPECT_EQ(community->timeout(), 300);
  EXPECT_EQ(community->retries(), 2);
  EXPECT_EQ(community->max_size(), 1400);
  EXPECT_EQ(community->port(), 1161);
  ASSERT_NE(community->address(), nullptr);
  EXPECT_NE(community->address(), source->address());
  EXPECT_STREQ(community->address()->text(), "10.0.0.1");
  ASSERT_EQ(community->assign(community.get()), vex::kOk) << "assigning itself";
  EXPECT_STREQ(community->community(), "private");
  EXPECT_STREQ(community->address()->text(), "10.0.0.1");

  const Owned<IVsnUsmTarget> usm_source = usm_target("admin");
  const Owned<IVsnUsmTarget> usm(vsn_create_usm_target());
  ASSERT_EQ(usm->assign(usm_source.get()), vex::kOk);
  EXPECT_TRUE(usm->equals(usm_source.get()));
  EXPECT_EQ(engine_text(*usm), engine_text(*usm_source)) << "the engine identifier is copied too";
  ASSERT_EQ(usm->assign(usm.get()), vex::kOk);
  EXPECT_TRUE(usm->equals(usm_source.get()));

  EXPECT_EQ(community->assign(nullptr), vex::kInvalidArgument);
  EXPECT_EQ(usm->assign(nullptr), vex::kInvalidArgument);
}

TEST(SnmpTarget, AssignAcrossClassesFailsAfterTheCommonPart) {
  const Owned<IVsnCommunityTarget> community = community_target("public");
  set_common_fields(*community);
  const Owned<IVsnUsmTarget> usm = usm_target("user");
  EXPECT_EQ(usm->assign(community.get()), vex::kInvalidArgument);
  EXPECT_EQ(usm->timeout(), 300) << "the common part is already copied";
  EXPECT_STREQ(usm->security_name(), "user");

  const Owned<IVsnCommunityTarget> other = community_target("private");
  EXPECT_EQ(other->assign(usm.get()), vex::kInvalidArgument);
  EXPECT_STREQ(other->community(), "private");
}

TEST(SnmpTarget, AssignReturnsTheAddressFailure) {
  const Owned<IVsnCommunityTarget> source = community_target("private");
  set_common_fields(*source);
  const Owned<IVsnCommunityTarget> target = community_target("public");
  const StandInAddress::FailingClones failing;
  EXPECT_EQ(target->assign(source.get()), vex::kOutOfMemory);
  EXPECT_STREQ(target->community(), "public") << "nothing after the address is copied";
  EXPECT_EQ(target->timeout(), -1);
}

TEST(SnmpTarget, CloneMakesATargetOfTheSameClass) {
  const Owned<IVsnCommunityTarget> community = community_target("public");
  set_common_fields(*community);
  Result err = 1;
  const Owned<IVsnSnmpTarget> copy(community->clone(&err));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(err, vex::kOk);
  ASSERT_NE(vex::as_community(copy.get()), nullptr);
  EXPECT_TRUE(copy->equals(community.get()));
  EXPECT_EQ(copy->port(), 1161);
  ASSERT_NE(copy->address(), nullptr);
  EXPECT_NE(copy->address(), community->address());

  const Owned<IVsnUsmTarget> usm = usm_target("user");
  const Owned<IVsnSnmpTarget> usm_copy(usm->clone(&err));
  ASSERT_NE(usm_copy, nullptr);
  ASSERT_NE(vex::as_usm(usm_copy.get()), nullptr);
  EXPECT_TRUE(usm_copy->equals(usm.get()));
  EXPECT_EQ(engine_text(*vex::as_usm(usm_copy.get())), engine_text(*usm));

  const StandInAddress::FailingClones failing;
  err = 1;
  EXPECT_EQ(community->clone(&err), nullptr);
  EXPECT_EQ(err, vex::kOutOfMemory);
}

}  // namespace
