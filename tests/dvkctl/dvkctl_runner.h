#pragma once

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace dvkctl::test {

struct DvkctlRun {
  int exit_code = -1;  // -1 when the program did not end by itself with a status
  int signal = 0;      // the signal that ended it, 0 when it exited
  std::string out;     // standard output
  std::string err;     // standard error
};

// Runs the built dvkctl with `arguments` (at most `limit`), standard output
// and standard error kept apart. A thread inside a network namespace runs it
// there.
DvkctlRun run_dvkctl(const std::vector<std::string>& arguments,
                     std::chrono::milliseconds limit = std::chrono::milliseconds(20000));

// The same with "--library" and the built plug-in put first.
DvkctlRun run_with_plugin(const std::vector<std::string>& arguments,
                          std::chrono::milliseconds limit = std::chrono::milliseconds(20000));

// Standard output as one JSON document; a discarded value when it is not one.
nlohmann::json parsed_output(const DvkctlRun& run);

// What the run did, for failure messages.
std::string describe(const DvkctlRun& run);

}  // namespace dvkctl::test
