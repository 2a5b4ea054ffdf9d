#pragma once

#include <cstddef>
#include <memory>
#include <new>

#include "snmp/model/model_heap.h"

namespace vex {

// Room for a short text on the stack, or on the heap when it is longer.
class ScratchText {
 public:
  ScratchText() = default;
  ScratchText(const ScratchText&) = delete;
  ScratchText& operator=(const ScratchText&) = delete;

  // Room for n characters and a terminator; false when memory is exhausted.
  bool reserve(std::size_t n) noexcept {
    if (n < sizeof local_) return true;
    if (!model_may_allocate()) return false;
    heap_.reset(new (std::nothrow) char[n + 1]);
    data_ = heap_ != nullptr ? heap_.get() : local_;
    return heap_ != nullptr;
  }
  char* data() noexcept { return data_; }

 private:
  char local_[256];
  std::unique_ptr<char[]> heap_;
  char* data_ = local_;
};

}  // namespace vex
