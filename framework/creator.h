#pragma once

#include <new>
#include <utility>

#include "framework/result_codes.h"

namespace vex {

// Creator functions take an optional result pointer as their last argument.
// ResultOut writes there when it is given and into a private slot otherwise.
class ResultOut {
 public:
  explicit ResultOut(Result* target) noexcept : target_(target != nullptr ? target : &own_) {}
  ResultOut& operator=(Result value) noexcept {
    *target_ = value;
    return *this;
  }
  Result value() const noexcept { return *target_; }

 private:
  Result own_ = kOk;
  Result* target_;
};

// Allocates T without throwing: stores 0 and returns the object, or stores -3
// and returns null when memory is exhausted.
template <class T, class... Args>
T* make_component(Result* result, Args&&... args) {
  ResultOut out(result);
  T* object = new (std::nothrow) T(std::forward<Args>(args)...);
  out = object != nullptr ? kOk : kOutOfMemory;
  return object;
}

}  // namespace vex
