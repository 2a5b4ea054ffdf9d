#include "tests/support/scripted_agent.h"

#include <thread>
#include <utility>

#include "tests/support/peer_paths.h"

namespace vex::test {

ScriptedAgent::ScriptedAgent(ScriptedOptions options) : options_(std::move(options)) {
  error_ = prepare_peer(folder_, &options_.address, &reserved_);
  if (!error_.empty()) return;
  address_ = options_.address;
  if (address_ == "0.0.0.0") address_ = "127.0.0.1";
  if (address_ == "::") address_ = "::1";
  const std::string script = folder_.file("script.json");
  if (!write_file(script, options_.script.dump(1))) {
    error_ = "cannot write " + script;
    return;
  }
  process_ = ChildProcess::spawn(
      SpawnOptions{.argv = {kPython, peer_tool("scripted_agent.py"), "--bind", options_.address,
                            "--port", std::to_string(options_.port), "--script", script, "--report",
                            folder_.file("report.json")},
                   .netns = options_.netns,
                   .pipe_stdout = true},
      &error_);
  if (!process_.started()) return;
  const auto line = process_.read_line(options_.start_timeout);
  if (!line || line->rfind("ready ", 0) != 0) {
    error_ = "scripted agent did not start: " + line.value_or("(no output)");
    process_.stop();
  }
}

ScriptedAgent::~ScriptedAgent() { process_.stop(); }

nlohmann::json ScriptedAgent::report() const {
  const std::string text = read_file(folder_.file("report.json"));
  auto parsed = nlohmann::json::parse(text, nullptr, false);
  return parsed.is_discarded() ? nlohmann::json::object() : parsed;
}

bool ScriptedAgent::wait_for_entries(const char* list, std::size_t count,
                                     std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (report().value(list, nlohmann::json::array()).size() < count) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

nlohmann::json ScriptedAgent::stop() {
  process_.stop();
  return report();
}

}  // namespace vex::test
