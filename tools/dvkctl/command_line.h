#pragma once

#include <iosfwd>
#include <optional>

#include "tools/dvkctl/arguments.h"
#include "tools/dvkctl/failure.h"

namespace dvkctl {

// The result of reading the command line.
struct ParsedCommandLine {
  enum class Outcome {
    kRun,           // `arguments` name the command to run
    kDone,          // --help or --version printed its text
    kBadArguments,  // the usage message is printed; `failure` says why
  };

  Outcome outcome = Outcome::kDone;
  Arguments arguments;
  std::optional<Command> command;  // the command the arguments chose, when known
  Failure failure;
};

ParsedCommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

}  // namespace dvkctl
