#pragma once

#include <cstddef>
#include <cstring>

#include "framework/result_codes.h"
#include "snmp/model/model_heap.h"

namespace vex {

// An ordered array of component pointers on the model heap that owns its
// items and deletes them with destroy(). A full array grows into a new block
// of twice the capacity; positions keep their order. Failures for want of
// memory answer -3 and change nothing.
template <class T>
class OwnedArray {
 public:
  static constexpr std::size_t kFirstCapacity = 4;

  OwnedArray() noexcept = default;
  ~OwnedArray() {
    clear();
    model_free(static_cast<void*>(items_));
  }
  OwnedArray(const OwnedArray&) = delete;
  OwnedArray& operator=(const OwnedArray&) = delete;

  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  T* at(std::size_t pos) const noexcept { return pos < size_ ? items_[pos] : nullptr; }

  // Makes room for at least n items.
  Result reserve(std::size_t n) noexcept {
    if (n <= capacity_) return kOk;
    if (n > static_cast<std::size_t>(-1) / sizeof(T*)) return kOutOfMemory;
    void* grown = model_reallocate(static_cast<void*>(items_), n * sizeof(T*));
    if (grown == nullptr) return kOutOfMemory;
    items_ = static_cast<T**>(grown);
    capacity_ = n;
    return kOk;
  }

  // Makes sure that one more item fits, growing a full array.
  Result reserve_one() noexcept {
    if (size_ < capacity_) return kOk;
    return reserve(capacity_ == 0 ? kFirstCapacity : capacity_ * 2);
  }

  // Takes ownership of item on success only.
  Result insert(std::size_t pos, T* item) noexcept {
    if (pos > size_) pos = size_;
    const Result room = reserve_one();
    if (failed(room)) return room;
    std::memmove(static_cast<void*>(items_ + pos + 1), static_cast<const void*>(items_ + pos),
                 (size_ - pos) * sizeof(T*));
    items_[pos] = item;
    ++size_;
    return kOk;
  }

  // Takes the item out; the following ones move up. The caller owns it.
  T* release_at(std::size_t pos) noexcept {
    if (pos >= size_) return nullptr;
    T* item = items_[pos];
    std::memmove(static_cast<void*>(items_ + pos), static_cast<const void*>(items_ + pos + 1),
                 (size_ - pos - 1) * sizeof(T*));
    --size_;
    return item;
  }

  // Moves the first n items, in order, to the end of `to`.
  Result move_front_to(OwnedArray& to, std::size_t n) noexcept {
    if (n > size_) n = size_;
    const Result room = to.reserve(to.size_ + n);
    if (failed(room)) return room;
    if (n == 0) return kOk;
    std::memcpy(static_cast<void*>(to.items_ + to.size_), static_cast<const void*>(items_),
                n * sizeof(T*));
    to.size_ += n;
    std::memmove(static_cast<void*>(items_), static_cast<const void*>(items_ + n),
                 (size_ - n) * sizeof(T*));
    size_ -= n;
    return kOk;
  }

  // Deletes every item; the block is kept for reuse.
  void clear() noexcept {
    while (size_ != 0) items_[--size_]->destroy();
  }

 private:
  T** items_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace vex
