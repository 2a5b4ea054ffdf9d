#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "tests/support/snmp_wire.h"

namespace vex::test {

// Sends `request` once to address:port and returns the first answer that
// carries its request-id, or nothing when none comes within `timeout`.
std::optional<wire::Message> exchange(const std::string& address, std::uint16_t port,
                                      const wire::Message& request,
                                      std::chrono::milliseconds timeout);

}  // namespace vex::test
