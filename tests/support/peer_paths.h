#pragma once

#include <string>

namespace vex::test {

// Where the Python peers live; set by the build.
inline std::string peers_folder() { return DVK_PEERS_DIR; }
inline std::string peer_tool(const std::string& name) { return peers_folder() + "/" + name; }
inline constexpr const char* kPython = "/usr/bin/python3";

}  // namespace vex::test
