#pragma once

#include <cstdint>
#include <string>

#include "tools/dvkctl/exit_status.h"

namespace dvkctl {

struct SnmpArguments;

// Why a command did not complete, as printed in text and JSON.
struct Failure {
  enum class Kind { kUsage, kLibrary, kPlugin };

  Kind kind = Kind::kPlugin;
  ExitStatus status = ExitStatus::kPluginError;
  std::string message;
  std::string call;       // kPlugin: the function that answered
  std::int32_t code = 0;  // kPlugin: its negative answer
};

const char* kind_name(Failure::Kind kind) noexcept;

Failure usage_failure(std::string message);
Failure library_failure(std::string message);
// A negative answer of `call`; the sentence takes the time-out and retries of
// `snmp` into account.
Failure plugin_failure(const char* call, std::int32_t code, const SnmpArguments& snmp);

}  // namespace dvkctl
