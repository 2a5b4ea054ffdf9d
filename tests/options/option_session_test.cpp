// Session parameters, community, data reset and copying of an option object.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin/plugin_usm.h"
#include "tests/options/option_probe.h"

namespace {

using vex::AgentRow;
using vex::test::hrdevice_row;
using vex::test::OptionProbe;

DvkUsmParameters usm_block(const char* user) {
  DvkUsmParameters block{};
  std::strncpy(block.user_name, user, sizeof block.user_name - 1);
  block.security_level = 1;
  block.auth_protocol = 2;
  block.priv_protocol = 2;
  std::strncpy(block.context_name, "ctx", sizeof block.context_name - 1);
  return block;
}

class OptionSession : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(usm.set_parameters(2, usm_block("operator")), 0); }

  vex::Result init_common(EProtocol protocol, const char* address = "192.0.2.7") {
    return option.CDvkDevCommOption::Init(protocol, address, &usm, 750, 3, 0);
  }

  void fill_values() {
    vex::OptionStore store = option.store();
    store.system_name("printer");
    store.memory_size(2048);
    ASSERT_EQ(store.hrdevice_rows(std::vector<AgentRow>{hrdevice_row(102, "scanner", 2)}), 0);
  }

  CDvkPluginUSM usm;
  OptionProbe option;
};

TEST_F(OptionSession, InitStoresTheSessionWithThePortOfItsProtocol) {
  struct PortCase {
    EProtocol protocol;
    std::uint16_t port;
  };
  for (const PortCase c : {PortCase{IVexNetworkAddress::PROTOCOL_IPV4, 161},
                           PortCase{IVexNetworkAddress::PROTOCOL_IPV6, 161},
                           PortCase{IVexNetworkAddress::PROTOCOL_IPX, 36879}}) {
    EXPECT_EQ(init_common(c.protocol), 0);
    const vex::SessionParameters& session = option.session();
    EXPECT_EQ(session.protocol, c.protocol);
    EXPECT_EQ(session.port, c.port);
    EXPECT_STREQ(session.address, "192.0.2.7");
    EXPECT_EQ(session.timeout_ms, 750u);
    EXPECT_EQ(session.retries, 3u);
    EXPECT_EQ(session.max_message_size, 0u);
    EXPECT_EQ(session.snmp_mode, 2);
    EXPECT_EQ(session.security_level, 1);
    EXPECT_EQ(session.auth_protocol, 2);
    EXPECT_EQ(session.priv_protocol, 2);
    EXPECT_STREQ(session.user_name, "operator");
    EXPECT_STREQ(session.context_name, "ctx");
    EXPECT_STREQ(session.auth_pass_phrase, CDvkPluginUSM::kDefaultAuthPassPhrase);
    EXPECT_STREQ(session.priv_pass_phrase, CDvkPluginUSM::kDefaultPrivPassPhrase);
  }
}

TEST_F(OptionSession, ProtocolWithoutTransportIsRefusedAfterAddressAndProtocolAreStored) {
  for (EProtocol protocol : {IVexNetworkAddress::PROTOCOL_OTHER, IVexNetworkAddress::PROTOCOL_NONE,
                             static_cast<EProtocol>(7)}) {
    EXPECT_EQ(option.Init(protocol, "192.0.2.9", &usm, 750, 3, 0), -2);
    EXPECT_STREQ(option.session().address, "192.0.2.9");
    EXPECT_EQ(option.session().protocol, protocol);
    EXPECT_EQ(option.session().timeout_ms, 0u);
    EXPECT_EQ(option.session().snmp_mode, -1);
  }
}

TEST_F(OptionSession, MissingParameterObjectIsRefused) {
  EXPECT_EQ(option.Init(IVexNetworkAddress::PROTOCOL_IPV4, "192.0.2.9", nullptr, 750, 3, 0), -2);
  EXPECT_STREQ(option.session().user_name, "");
}

TEST_F(OptionSession, AddressIsCutTo63Characters) {
  const std::string address(80, '7');
  EXPECT_EQ(init_common(IVexNetworkAddress::PROTOCOL_IPV4, address.c_str()), 0);
  EXPECT_EQ(std::string(option.session().address), address.substr(0, 63));
}

// The device class goes on to check the printer, which needs a read.
TEST_F(OptionSession, DeviceInitStoresTheSessionBeforeItsCheck) {
  EXPECT_EQ(option.Init(IVexNetworkAddress::PROTOCOL_IPV4, "192.0.2.7", &usm, 750, 3, 0), -5);
  EXPECT_EQ(option.session().port, 161);
  EXPECT_EQ(option.session().retries, 3u);
}

TEST_F(OptionSession, TextsFollowTheParameterObjectWhileNumbersStayAsCopied) {
  ASSERT_EQ(init_common(IVexNetworkAddress::PROTOCOL_IPV4), 0);
  ASSERT_EQ(usm.set_parameters(0, DvkUsmParameters{}), 0);
  EXPECT_STREQ(option.session().user_name, "Mdevices");
  EXPECT_STREQ(option.session().context_name, "");
  EXPECT_EQ(option.session().snmp_mode, 2);
  EXPECT_EQ(option.session().security_level, 1);
}

TEST_F(OptionSession, CommunityIsCutAndMarkedGiven) {
  EXPECT_FALSE(option.community_given());
  option.SetCommunityStr(nullptr);
  EXPECT_FALSE(option.community_given());
  const std::string community(300, 'c');
  option.SetCommunityStr(community.c_str());
  EXPECT_TRUE(option.community_given());
  EXPECT_EQ(std::string(option.community()), community.substr(0, 255));
  option.SetCommunityStr("reader");
  EXPECT_STREQ(option.community(), "reader");
}

TEST_F(OptionSession, InitializeDataClearsValuesButKeepsSessionAndCommunity) {
  ASSERT_EQ(init_common(IVexNetworkAddress::PROTOCOL_IPV4), 0);
  option.SetCommunityStr("reader");
  fill_values();
  option.initialize_data();
  EXPECT_STREQ(option.values().system_name, "");
  EXPECT_EQ(option.values().memory_size_kb, 0);
  EXPECT_EQ(option.values().devices.count, 0);
  EXPECT_FALSE(option.has_device_index(102));
  EXPECT_STREQ(option.community(), "reader");
  EXPECT_STREQ(option.session().address, "192.0.2.7");
}

// Every refresh starts from zero; the first read cannot be made yet.
TEST_F(OptionSession, RefreshStartsFromZero) {
  fill_values();
  EXPECT_EQ(option.refresh_options(), -5);
  std::int32_t memory = -1;
  EXPECT_EQ(option.get_option("MemorySizeInKByte", &memory, 0), 0);
  EXPECT_EQ(memory, 0);
}

TEST_F(OptionSession, CopiesTakeEveryFieldAndShareTheParameterTexts) {
  ASSERT_EQ(init_common(IVexNetworkAddress::PROTOCOL_IPX, "00000001:00a0c9123456"), 0);
  option.SetCommunityStr("reader");
  fill_values();
  ASSERT_EQ(option.answer_sys_object_id("1.3.6.1.4.1.119.1.40.297.93.1.38.8.6"), 0);

  const auto expect_same = [&](const OptionProbe& copy) {
    EXPECT_STREQ(copy.session().address, "00000001:00a0c9123456");
    EXPECT_EQ(copy.session().port, 36879);
    EXPECT_EQ(copy.session().user_name, option.session().user_name);
    EXPECT_STREQ(copy.community(), "reader");
    EXPECT_TRUE(copy.community_given());
    EXPECT_STREQ(copy.values().system_name, "printer");
    EXPECT_EQ(copy.values().memory_size_kb, 2048);
    EXPECT_TRUE(copy.has_device_index(102));
    EXPECT_STREQ(copy.sys_object_id(), option.sys_object_id());
  };
  const OptionProbe constructed(option);
  expect_same(constructed);
  OptionProbe assigned;
  assigned = option;
  expect_same(assigned);
}

TEST(OptionLifetime, DestroyDeletesThroughTheCommonClass) {
  CDvkDevCommOption* option = new CDvkCorvoKelmOption();
  option->destroy();
}

}  // namespace
