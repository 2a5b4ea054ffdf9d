#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/loopback.h"
#include "tests/support/temp_folder.h"

namespace vex::test {

// One object the agent serves: TYPE is integer, uinteger (Gauge32), counter,
// octet_str (a value "hex:0040" gives bytes) or object_id.
struct SnmpObject {
  std::string oid{};
  std::string type{};
  std::string value{};
  bool writable = false;
};

struct SnmpUser {
  std::string name{};
  std::string auth{};  // "MD5", "SHA" or empty (noAuthNoPriv)
  std::string auth_pass{};
  std::string priv{};  // "DES", "AES" or empty (no privacy)
  std::string priv_pass{};
  bool writable = false;
};

struct SnmpdOptions {
  // A printer description of tests/peers/printers (name without ".yaml") or a
  // path; empty: only `objects`.
  std::string printer{};
  std::vector<SnmpObject> objects{};             // added to the printer's, replacing equal OIDs
  std::vector<std::string> remove{};             // OID prefixes dropped from what is served
  std::optional<std::string> read_community{};   // replaces the description's ("public")
  std::optional<std::string> write_community{};  // ("private"); "" removes one
  std::optional<std::vector<SnmpUser>> users{};  // replaces the description's users
  std::string address{};  // empty: a loopback address of its own; "any": every address
  std::uint16_t port = 161;
  std::string netns{};  // network namespace to run in; empty: ours
  std::chrono::milliseconds start_timeout{5000};
};

// Net-SNMP's snmpd serving a simulated printer, started from generated
// configuration in a private folder (nothing of the machine's own agent is
// read or written) and stopped by its process id when the object goes.
//   SnmpdAgent agent({.printer = "quillmark-5150"});
//   ASSERT_TRUE(agent.ok()) << agent.error();
//   ... agent.address() ...
class SnmpdAgent {
 public:
  explicit SnmpdAgent(SnmpdOptions options);
  SnmpdAgent(const SnmpdAgent&) = delete;
  SnmpdAgent& operator=(const SnmpdAgent&) = delete;
  ~SnmpdAgent();

  bool ok() const noexcept { return error_.empty(); }
  const std::string& error() const noexcept { return error_; }
  // The address to send to: the loopback address, or for "any" 127.0.0.1 of
  // the agent's namespace.
  const std::string& address() const noexcept { return address_; }
  std::uint16_t port() const noexcept { return options_.port; }
  pid_t pid() const noexcept { return process_.pid(); }
  const std::string& folder() const noexcept { return folder_.path(); }
  std::string log() const;  // what snmpd logged
  void stop();

 private:
  bool prepare(std::vector<std::string>* command);
  bool wait_answering();

  SnmpdOptions options_;
  LoopbackAddress reserved_;
  std::string address_;
  std::string probe_community_;
  TempFolder folder_{"dvk-snmpd"};
  ChildProcess process_;
  std::string error_;
};

// A printer description by name: tests/peers/printers/<name>.yaml.
std::string printer_description(const std::string& name);

}  // namespace vex::test
