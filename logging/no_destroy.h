#pragma once

namespace vex {

// Static storage for a process-wide component that is never destroyed, so it
// stays usable from any other static destructor. Meant for stateless objects.
template <class T>
union NoDestroy {
  constexpr NoDestroy() : value() {}
  ~NoDestroy() {}
  NoDestroy(const NoDestroy&) = delete;
  NoDestroy& operator=(const NoDestroy&) = delete;
  T value;
};

}  // namespace vex
