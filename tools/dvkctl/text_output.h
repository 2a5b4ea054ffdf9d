#pragma once

#include <string>
#include <string_view>

#include "tools/dvkctl/failure.h"
#include "tools/dvkctl/reports.h"

namespace dvkctl {

// The report of a command as text for a person, every line ended.
std::string text_report(const Report& report);

// The one-line message of a failure, for standard error.
std::string text_failure(const Failure& failure);

// A printer's text made safe for a terminal: control characters become '?'.
std::string printable(std::string_view text);

}  // namespace dvkctl
