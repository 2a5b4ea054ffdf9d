#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#include "snmp/model/model_heap.h"

namespace vex {

// Room for a short run of elements on the stack, or on the heap when it is longer.
template <class T, std::size_t kInline = 256>
class ScratchArea {
 public:
  ScratchArea() = default;
  ScratchArea(const ScratchArea&) = delete;
  ScratchArea& operator=(const ScratchArea&) = delete;

  // Room for n elements and one more (a text's terminator); false when
  // memory is exhausted.
  bool reserve(std::size_t n) noexcept {
    if (n < kInline) return true;
    if (!model_may_allocate()) return false;
    heap_.reset(new (std::nothrow) T[n + 1]);
    data_ = heap_ != nullptr ? heap_.get() : local_;
    return heap_ != nullptr;
  }
  T* data() noexcept { return data_; }

 private:
  T local_[kInline];
  std::unique_ptr<T[]> heap_;
  T* data_ = local_;
};

using ScratchText = ScratchArea<char>;
using ScratchBytes = ScratchArea<std::uint8_t>;

}  // namespace vex
