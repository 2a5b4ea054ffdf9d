#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/dvk_plugin.h"

namespace dvkctl {

// A numeric SNMPv3 parameter outside 0 to 2 keeps the plug-in's default.
inline constexpr std::int32_t kPluginDefault = -1;

// How the plug-in reaches printers: transport, SNMP version, communities,
// SNMPv3 parameters, time-out and retries.
struct SnmpArguments {
  std::int32_t transport = DVK_TRANSPORT_UDP_IPV4;
  std::int32_t snmp_mode = DVK_SNMP_V1;
  // Empty communities are not handed to the plug-in, which keeps its own.
  std::string read_community;
  std::string write_community;
  std::string find_community;
  std::string user;
  std::int32_t security_level = kPluginDefault;
  std::int32_t auth_protocol = kPluginDefault;
  std::int32_t priv_protocol = kPluginDefault;
  std::string auth_pass_phrase;
  std::string priv_pass_phrase;
  std::string context;
  std::uint32_t timeout_ms = 500;
  std::uint32_t retries = 2;
};

enum class Command { kTransports, kDiscover, kInfo, kStatus, kJobs, kCancel, kCharset };

const char* command_name(Command command) noexcept;

// Everything the command line asked for.
struct Arguments {
  std::string library;
  bool json = false;
  Command command = Command::kTransports;
  std::string address;               // device commands
  std::string destination;           // discover; empty: the plug-in's default
  std::vector<std::string> filters;  // discover
  std::int32_t job_kind = 0;         // jobs
  std::string job_id;                // cancel
  SnmpArguments snmp;
};

// The SNMPv3 block the Ex functions take: what was not given keeps the
// plug-in's default.
DvkUsmParameters usm_block(const SnmpArguments& snmp) noexcept;

}  // namespace dvkctl
