#include "tests/support/requirements.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "tests/support/child_process.h"
#include "tests/support/peer_paths.h"

namespace vex::test {

bool in_ci() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && std::strcmp(ci, "true") == 0;
}

std::string agents_unavailable() {
  if (::access("/usr/sbin/snmpd", X_OK) != 0) return "snmpd is not installed (Debian: snmpd)";
  static const CommandResult modules =
      run_command({kPython, "-c", "import pysnmp.proto.api, yaml"});
  if (modules.exit_code != 0) {
    return "the Python peers need python3-pysnmp4 and python3-yaml: " + modules.output;
  }
  return {};
}

std::string networks_unavailable() {
  if (::geteuid() != 0) return "building network namespaces needs root";
  if (::access("/usr/sbin/ip", X_OK) != 0 && ::access("/usr/bin/ip", X_OK) != 0) {
    return "the ip tool is not installed (Debian: iproute2)";
  }
  return agents_unavailable();
}

}  // namespace vex::test
