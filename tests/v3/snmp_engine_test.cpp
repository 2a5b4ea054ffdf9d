#include "snmp/v3/snmp_engine.h"

#include <gtest/gtest.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <thread>
#include <vector>

namespace {

TEST(SnmpEngine, StartsOnceWhenManyThreadsAsk) {
  std::vector<std::thread> threads;
  for (int i = 0; i < 8; ++i) threads.emplace_back([] { EXPECT_EQ(SnmpEngine::start(), 0); });
  for (std::thread& t : threads) t.join();
  EXPECT_TRUE(SnmpEngine::started());
  EXPECT_EQ(SnmpEngine::start_count(), 1);
}

TEST(SnmpEngine, ReadsNoMibFilesAndKeepsNoState) {
  ASSERT_EQ(SnmpEngine::start(), 0);
  const SnmpEngineCall call;
  oid name[MAX_OID_LEN];
  size_t length = MAX_OID_LEN;
  EXPECT_NE(snmp_parse_oid(".1.3.6.1.2.1.1.2.0", name, &length), nullptr);
  EXPECT_EQ(length, 9u);
  length = MAX_OID_LEN;
  EXPECT_EQ(snmp_parse_oid("SNMPv2-MIB::sysObjectID.0", name, &length), nullptr)
      << "a MIB module was loaded";
  EXPECT_TRUE(netsnmp_ds_get_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE));
  EXPECT_TRUE(netsnmp_ds_get_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS));
}

}  // namespace
