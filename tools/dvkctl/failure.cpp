#include "tools/dvkctl/failure.h"

#include <cstring>
#include <utility>

#include "tools/dvkctl/arguments.h"
#include "tools/dvkctl/result_sentences.h"

namespace dvkctl {
namespace {

constexpr std::int32_t kTimeout = -203;
constexpr std::int32_t kInvalidArgument = -2;

ExitStatus status_of(const char* call, std::int32_t code) noexcept {
  if (code == kTimeout) return ExitStatus::kNoAnswer;
  // The tool's own checks leave the model check as the set-up's reason for -2.
  if (code == kInvalidArgument && std::strcmp(call, "DvkInitDeviceEx") == 0) {
    return ExitStatus::kUnsupportedModel;
  }
  return ExitStatus::kPluginError;
}

}  // namespace

const char* kind_name(Failure::Kind kind) noexcept {
  switch (kind) {
    case Failure::Kind::kUsage:
      return "usage";
    case Failure::Kind::kLibrary:
      return "library";
    case Failure::Kind::kPlugin:
      break;
  }
  return "plugin";
}

Failure usage_failure(std::string message) {
  return Failure{Failure::Kind::kUsage, ExitStatus::kUsage, std::move(message), {}, 0};
}

Failure library_failure(std::string message) {
  return Failure{Failure::Kind::kLibrary, ExitStatus::kLibrary, std::move(message), {}, 0};
}

Failure plugin_failure(const char* call, std::int32_t code, const SnmpArguments& snmp) {
  const WaitLimits limits{snmp.timeout_ms, snmp.retries};
  return Failure{Failure::Kind::kPlugin, status_of(call, code), result_sentence(call, code, limits),
                 call, code};
}

}  // namespace dvkctl
