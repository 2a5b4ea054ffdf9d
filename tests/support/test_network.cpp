#include "tests/support/test_network.h"

#include <unistd.h>

#include <nlohmann/json.hpp>

#include "tests/support/child_process.h"
#include "tests/support/netns.h"
#include "tests/support/peer_paths.h"

namespace vex::test {
namespace {

NetworkHost host_of(const nlohmann::json& entry) {
  return NetworkHost{entry.value("netns", ""), entry.value("ipv4", ""), entry.value("ipv6", ""),
                     entry.value("link_local", ""), entry.value("interface", "")};
}

}  // namespace

bool netns_exists(const std::string& name) {
  return ::access(("/run/netns/" + name).c_str(), F_OK) == 0;
}

TestNetwork::TestNetwork(int agents) {
  const CommandResult built =
      run_command({kPython, peer_tool("testnet.py"), "up", "--agents", std::to_string(agents),
                   "--owner", std::to_string(::getpid())});
  const auto layout = nlohmann::json::parse(built.output, nullptr, false);
  if (built.exit_code != 0 || layout.is_discarded()) {
    error_ = "testnet.py up failed: " + built.output;
    return;
  }
  name_ = layout.value("name", "");
  hub_ = layout.value("hub", "");
  client_ = host_of(layout["client"]);
  for (const auto& entry : layout["agents"]) agents_.push_back(host_of(entry));
}

TestNetwork::~TestNetwork() { tear_down(); }

void TestNetwork::tear_down() {
  if (name_.empty()) return;
  run_command({kPython, peer_tool("testnet.py"), "down", "--name", name_});
  name_.clear();
}

std::vector<std::string> TestNetwork::namespaces() const {
  std::vector<std::string> all{hub_, client_.netns};
  for (const auto& agent : agents_) all.push_back(agent.netns);
  return all;
}

bool TestNetwork::run_in_client(const std::function<void()>& fn, std::string* error) const {
  return run_in_netns(client_.netns, fn, error);
}

}  // namespace vex::test
