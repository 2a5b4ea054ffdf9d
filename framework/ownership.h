#pragma once

#include <memory>

namespace vex {

// Framework components are deleted through their own first operation:
// destroy() for model and service objects, release() for transport and
// session objects. These deleters let std::unique_ptr hold them.
struct Destroy {
  template <class T>
  void operator()(T* object) const noexcept {
    if (object != nullptr) object->destroy();
  }
};

struct Release {
  template <class T>
  void operator()(T* object) const noexcept {
    if (object != nullptr) object->release();
  }
};

template <class T>
using Owned = std::unique_ptr<T, Destroy>;

template <class T>
using OwnedSession = std::unique_ptr<T, Release>;

}  // namespace vex
