#pragma once

#include <atomic>
#include <memory>
#include <mutex>

namespace vex {

// A process-wide object made on first use: the pointer is read without the
// lock, and only a caller that finds it empty takes the lock, tests again and
// creates the object. The object lives until the holder is destroyed at unload.
template <class T>
class ProcessWide {
 public:
  template <class Factory>
  T* get(Factory&& make) {
    T* current = instance_.load(std::memory_order_acquire);
    if (current != nullptr) return current;
    std::lock_guard<std::mutex> lock(mutex_);
    current = instance_.load(std::memory_order_relaxed);
    if (current == nullptr) {
      owner_ = make();
      current = owner_.get();
      instance_.store(current, std::memory_order_release);
    }
    return current;
  }

  T* get() {
    return get([] { return std::make_unique<T>(); });
  }

  T* peek() const noexcept { return instance_.load(std::memory_order_acquire); }

  ~ProcessWide() { instance_.store(nullptr, std::memory_order_relaxed); }

 private:
  std::mutex mutex_;
  std::unique_ptr<T> owner_;
  std::atomic<T*> instance_{nullptr};
};

}  // namespace vex
