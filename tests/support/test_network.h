#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vex::test {

struct NetworkHost {
  std::string netns;       // network namespace name
  std::string ipv4;        // 198.18.0.x
  std::string ipv6;        // fd00:18::x
  std::string link_local;  // fe80::...
  std::string interface;   // "eth0"
};

// Network namespaces joined by a bridge (tests/peers/testnet.py): one client
// host and `agents` agent hosts. Needs root (see DVK_REQUIRE_NETWORKS). The
// destructor stops every process left inside and removes the namespaces; a
// network whose test process died is removed by the next network built.
//   TestNetwork net(3);
//   ASSERT_TRUE(net.ok()) << net.error();
//   SnmpdAgent agent({.printer = "quillmark-5150", .address = "any",
//                     .netns = net.agents()[0].netns});
//   net.run_in_client([&] { ... broadcast to 255.255.255.255 ... });
class TestNetwork {
 public:
  explicit TestNetwork(int agents = 3);
  TestNetwork(const TestNetwork&) = delete;
  TestNetwork& operator=(const TestNetwork&) = delete;
  ~TestNetwork();

  bool ok() const noexcept { return error_.empty(); }
  const std::string& error() const noexcept { return error_; }
  const std::string& name() const noexcept { return name_; }
  const NetworkHost& client() const noexcept { return client_; }
  const std::vector<NetworkHost>& agents() const noexcept { return agents_; }
  // All namespace names of the network (hub, client, agents).
  std::vector<std::string> namespaces() const;

  // Runs `fn` on a thread inside the client's namespace (see run_in_netns).
  bool run_in_client(const std::function<void()>& fn, std::string* error = nullptr) const;
  void tear_down();

 private:
  std::string name_;
  std::string hub_;
  NetworkHost client_;
  std::vector<NetworkHost> agents_;
  std::string error_;
};

// True when a network namespace of this name exists.
bool netns_exists(const std::string& name);

}  // namespace vex::test
