#pragma once

#include <cstddef>
#include <new>
#include <utility>

#include "framework/creator.h"
#include "framework/ownership.h"
#include "framework/result_codes.h"

// Every allocation of the object model goes through these functions, so that
// the paths that answer -3 can be reached on purpose.
namespace vex {

// Grows, shrinks or makes a heap block like std::realloc; null when memory is
// exhausted, the old block then stays valid.
void* model_reallocate(void* block, std::size_t size) noexcept;
void model_free(void* block) noexcept;

// False when the calling thread's allocation limit is used up.
bool model_may_allocate() noexcept;

// Creates an object of the model: stores 0 and returns it, or stores -3 and
// returns null.
template <class T, class... Args>
T* model_new(Result* result, Args&&... args) {
  ResultOut out(result);
  T* object = model_may_allocate() ? new (std::nothrow) T(std::forward<Args>(args)...) : nullptr;
  out = object != nullptr ? kOk : kOutOfMemory;
  return object;
}

// The second half of a creator that also fills what it made: `made` (null
// when its creation failed, which has stored the code already) is handed out
// once `fill` succeeds on it, and deleted otherwise. The fill result goes to
// the optional result pointer.
template <class T, class Fill>
T* keep_if_filled(T* made, Result* result, Fill fill) {
  Owned<T> object(made);
  if (object == nullptr) return nullptr;
  ResultOut out(result);
  out = fill(*object);
  return succeeded(out.value()) ? object.release() : nullptr;
}

// While alive, lets only `allowed` further allocations of the model succeed
// on the calling thread; all later ones fail as if memory were exhausted.
// Limits nest: the innermost one counts.
class AllocationLimit {
 public:
  explicit AllocationLimit(int allowed) noexcept;
  ~AllocationLimit();
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;

  int remaining() const noexcept { return remaining_; }

 private:
  friend bool model_may_allocate() noexcept;
  int remaining_;
  AllocationLimit* outer_;
};

}  // namespace vex
