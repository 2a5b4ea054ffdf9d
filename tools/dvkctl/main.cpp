// dvkctl: drives the printer plug-in through its exported functions, as a
// host application does, and prints what they answer.
#include <exception>
#include <iostream>
#include <optional>

#include "tools/dvkctl/command_line.h"
#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/json_output.h"
#include "tools/dvkctl/plugin_library.h"
#include "tools/dvkctl/text_output.h"

namespace dvkctl {
namespace {

// Everything is printed at once, so a failure never leaves half a report.
int emit(const Arguments& arguments, std::optional<Command> command, const Outcome& outcome) {
  const std::optional<const char*> name =
      command ? std::optional<const char*>(command_name(*command)) : std::nullopt;
  if (const Failure* failure = std::get_if<Failure>(&outcome)) {
    if (arguments.json) {
      std::cout << json_failure(name, *failure) << std::flush;
    } else {
      std::cerr << text_failure(*failure) << std::flush;
    }
    return exit_code(failure->status);
  }
  const Report& report = std::get<Report>(outcome);
  std::cout << (arguments.json ? json_report(name.value_or(""), report) : text_report(report))
            << std::flush;
  return exit_code(ExitStatus::kOk);
}

int run(int argc, const char* const* argv) {
  const ParsedCommandLine parsed = parse_command_line(argc, argv, std::cout, std::cerr);
  switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::kDone:
      return exit_code(ExitStatus::kOk);
    case ParsedCommandLine::Outcome::kBadArguments:
      // The usage message is on standard error already.
      if (!parsed.arguments.json) return exit_code(parsed.failure.status);
      return emit(parsed.arguments, parsed.command, parsed.failure);
    case ParsedCommandLine::Outcome::kRun:
      break;
  }
  const PluginLibrary library(parsed.arguments.library);
  if (!library.error().empty()) {
    return emit(parsed.arguments, parsed.command, library_failure(library.error()));
  }
  return emit(parsed.arguments, parsed.command, run_command(library, parsed.arguments));
}

}  // namespace
}  // namespace dvkctl

int main(int argc, char** argv) {
  try {
    return dvkctl::run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "dvkctl: internal error: " << error.what() << '\n';
  }
  return dvkctl::exit_code(dvkctl::ExitStatus::kPluginError);
}
