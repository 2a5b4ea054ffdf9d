#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/loopback.h"
#include "tests/support/temp_folder.h"

namespace vex::test {

struct ScriptedOptions {
  // The script of tests/peers/scripted_agent.py: objects, community, rules
  // (silent, answer, late, wrong_id, too_big, error, junk, oversized,
  // other_address, or a send list), default.
  nlohmann::json script = nlohmann::json::object();
  std::string address{};  // empty: a loopback address of its own; "0.0.0.0"/"::" in a namespace
  std::uint16_t port = 161;
  std::string netns{};
  std::chrono::milliseconds start_timeout{5000};
};

// The scripted pysnmp agent, started as a child and stopped by its process id.
//   ScriptedAgent agent({.script = {{"rules", {{{"action", "silent"}}}}}});
//   ASSERT_TRUE(agent.ok()) << agent.error();
//   ... send to agent.address() ..., then agent.received()
class ScriptedAgent {
 public:
  explicit ScriptedAgent(ScriptedOptions options);
  ScriptedAgent(const ScriptedAgent&) = delete;
  ScriptedAgent& operator=(const ScriptedAgent&) = delete;
  ~ScriptedAgent();

  bool ok() const noexcept { return error_.empty(); }
  const std::string& error() const noexcept { return error_; }
  const std::string& address() const noexcept { return address_; }
  std::uint16_t port() const noexcept { return options_.port; }
  pid_t pid() const noexcept { return process_.pid(); }

  // The report as it stands: {"received": [...], "sent": [...]}; every entry
  // of "received" has from, port, length, decoded and, when decoded, version,
  // community, pdu, request_id, varbinds [[oid, type, value]]; every entry of
  // "sent" has answer_to, kind, length, request_id, error_status, source, to.
  nlohmann::json report() const;
  nlohmann::json received() const { return report().value("received", nlohmann::json::array()); }
  nlohmann::json sent() const { return report().value("sent", nlohmann::json::array()); }
  // Wait (bounded) until the agent has sent, or received, `count` datagrams.
  bool wait_sent(std::size_t count, std::chrono::milliseconds timeout) {
    return wait_for_entries("sent", count, timeout);
  }
  bool wait_received(std::size_t count, std::chrono::milliseconds timeout) {
    return wait_for_entries("received", count, timeout);
  }
  // Stops the agent and returns its final report.
  nlohmann::json stop();

 private:
  bool wait_for_entries(const char* list, std::size_t count, std::chrono::milliseconds timeout);

  ScriptedOptions options_;
  LoopbackAddress reserved_;
  std::string address_;
  TempFolder folder_{"dvk-scripted"};
  ChildProcess process_;
  std::string error_;
};

}  // namespace vex::test
