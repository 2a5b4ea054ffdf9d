#pragma once

#include <functional>
#include <string>

namespace vex::test {

// Runs `fn` on a thread of its own that has entered the network namespace
// (a name under /run/netns; empty runs it here). Sockets made by `fn` belong
// to that namespace; GoogleTest assertions inside it count as usual. Returns
// false and fills *error when the namespace could not be entered.
bool run_in_netns(const std::string& netns, const std::function<void()>& fn,
                  std::string* error = nullptr);

}  // namespace vex::test
