#pragma once

#include <optional>
#include <string>

#include "tools/dvkctl/failure.h"
#include "tools/dvkctl/reports.h"

namespace dvkctl {

// One JSON object, ended by a newline: {"command": ..., fields of the report}.
std::string json_report(const char* command, const Report& report);

// {"command": ... or null, "error": {"kind", "message", "exit_status"[, "call", "code"]}}
std::string json_failure(std::optional<const char*> command, const Failure& failure);

}  // namespace dvkctl
