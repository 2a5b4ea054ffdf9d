#include "snmp/v3/snmp_engine.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <atomic>

namespace {

constexpr const char* kApplicationType = "dvkplugin";

std::once_flag g_started;
std::atomic<int> g_start_count{0};

void keep_engine_to_itself() {
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_ERRORS, 0);
  netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIB_WARNINGS, 0);
  // Object identifiers are always numeric: an empty search path loads no MIB file.
  netsnmp_set_mib_directory("");
  netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_EMERG);
}

}  // namespace

vex::Result SnmpEngine::start() {
  std::call_once(g_started, [] {
    const SnmpEngineCall call;
    keep_engine_to_itself();
    init_snmp(kApplicationType);
    g_start_count.fetch_add(1, std::memory_order_release);
  });
  return vex::kOk;
}

bool SnmpEngine::started() { return g_start_count.load(std::memory_order_acquire) > 0; }

std::mutex& SnmpEngine::lock() {
  static std::mutex engine_lock;
  return engine_lock;
}

int SnmpEngine::start_count() { return g_start_count.load(std::memory_order_acquire); }
