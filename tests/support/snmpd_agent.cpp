#include "tests/support/snmpd_agent.h"

#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <thread>
#include <utility>

#include "tests/support/netns.h"
#include "tests/support/peer_paths.h"
#include "tests/support/snmp_exchange.h"

namespace vex::test {
namespace {

using nlohmann::json;
using Clock = std::chrono::steady_clock;

json community_value(const std::string& community) {
  return community.empty() ? json(nullptr) : json(community);
}

json user_entry(const SnmpUser& user) {
  json entry = {{"name", user.name}, {"access", user.writable ? "rw" : "ro"}};
  if (!user.auth.empty()) {
    entry["auth"] = user.auth;
    entry["authPass"] = user.auth_pass;
  }
  if (!user.priv.empty()) {
    entry["priv"] = user.priv;
    entry["privPass"] = user.priv_pass;
  }
  return entry;
}

// The description handed to simagent.py: the printer as base, then the
// test's own objects, removals, communities and users.
json overlay(const SnmpdOptions& options) {
  json description = json::object();
  json communities = json::object();
  if (options.printer.empty()) communities = {{"read", "public"}, {"write", "private"}};
  if (!options.printer.empty()) description["base"] = printer_description(options.printer);
  if (options.read_community) communities["read"] = community_value(*options.read_community);
  if (options.write_community) communities["write"] = community_value(*options.write_community);
  description["agent"]["communities"] = communities;
  if (options.users) {
    description["agent"]["users"] = json::array();
    for (const auto& user : *options.users)
      description["agent"]["users"].push_back(user_entry(user));
  }
  description["objects"] = json::array();
  for (const auto& object : options.objects) {
    description["objects"].push_back({{"oid", object.oid},
                                      {"type", object.type},
                                      {"value", object.value},
                                      {"writable", object.writable}});
  }
  description["remove"] = options.remove;
  return description;
}

std::string random_token() {
  std::random_device device;
  std::ostringstream text;
  text << std::hex << device() << device();
  return text.str();
}

}  // namespace

std::string printer_description(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  return peers_folder() + "/printers/" + name + ".yaml";
}

SnmpdAgent::SnmpdAgent(SnmpdOptions options) : options_(std::move(options)) {
  error_ = prepare_peer(folder_, &options_.address, &reserved_);
  if (!error_.empty()) return;
  address_ = options_.address == "any" ? "127.0.0.1" : options_.address;
  std::vector<std::string> command;
  if (!prepare(&command)) return;
  process_ = ChildProcess::spawn(
      SpawnOptions{
          .argv = command, .netns = options_.netns, .output_path = folder_.file("snmpd.out")},
      &error_);
  if (!process_.started()) return;
  if (!wait_answering()) process_.stop();
}

SnmpdAgent::~SnmpdAgent() { stop(); }

void SnmpdAgent::stop() { process_.stop(); }

std::string SnmpdAgent::log() const {
  return read_file(folder_.file("snmpd.log")) + read_file(folder_.file("snmpd.out"));
}

bool SnmpdAgent::prepare(std::vector<std::string>* command) {
  const std::string description = folder_.file("description.json");
  if (!write_file(description, overlay(options_).dump(1))) {
    error_ = "cannot write " + description;
    return false;
  }
  probe_community_ = "dvk-probe-" + random_token();
  const CommandResult prepared =
      run_command({kPython, peer_tool("simagent.py"), "prepare", description, "--dir",
                   folder_.path(), "--address", options_.address, "--port",
                   std::to_string(options_.port), "--probe", "--community", probe_community_});
  if (prepared.exit_code != 0) {
    error_ = "simagent.py prepare failed: " + prepared.output;
    return false;
  }
  std::istringstream lines(prepared.output);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) command->push_back(line);
  }
  return true;
}

bool SnmpdAgent::wait_answering() {
  const auto deadline = Clock::now() + options_.start_timeout;
  const auto probe = wire::request(wire::kGet, 1, {"1.3.6.1.2.1.1.3.0"}, probe_community_);
  bool answered = false;
  while (!answered && Clock::now() < deadline) {
    if (!process_.running()) {
      error_ = "snmpd ended at start: " + log();
      return false;
    }
    std::string netns_error;
    const bool entered = run_in_netns(
        options_.netns,
        [&] {
          answered =
              exchange(address_, options_.port, probe, std::chrono::milliseconds(50)).has_value();
        },
        &netns_error);
    if (!entered) {
      error_ = netns_error;
      return false;
    }
    if (!answered) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!answered) error_ = "snmpd did not answer on " + address_ + ": " + log();
  return answered;
}

}  // namespace vex::test
