#include "snmp/model/byte_storage.h"

#include <cstring>
#include <functional>
#include <limits>
#include <utility>

#include "snmp/model/model_heap.h"

namespace vex {

ByteStorage::~ByteStorage() { model_free(data_); }

ByteStorage::ByteStorage(ByteStorage&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ByteStorage& ByteStorage::operator=(ByteStorage&& other) noexcept {
  if (this != &other) {
    model_free(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

Result ByteStorage::reserve(std::size_t n) noexcept {
  if (n <= capacity_) return kOk;
  if (n > std::numeric_limits<std::size_t>::max() - kStep) return kOutOfMemory;
  const std::size_t wanted = rounded_capacity(n);
  void* grown = model_reallocate(data_, wanted);
  if (grown == nullptr) return kOutOfMemory;
  data_ = static_cast<std::uint8_t*>(grown);
  capacity_ = wanted;
  return kOk;
}

Result ByteStorage::assign(const void* bytes, std::size_t n, std::size_t spare) noexcept {
  return replace_tail(0, bytes, n, spare);
}

Result ByteStorage::append(const void* bytes, std::size_t n, std::size_t spare) noexcept {
  return replace_tail(size_, bytes, n, spare);
}

// The content becomes its first `keep` bytes followed by the n given ones.
Result ByteStorage::replace_tail(std::size_t keep, const void* bytes, std::size_t n,
                                 std::size_t spare) noexcept {
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  if (n > kMax - keep || spare > kMax - keep - n) return kOutOfMemory;
  // A source inside the array moves with it when the block is reallocated.
  const auto* source = static_cast<const std::uint8_t*>(bytes);
  const bool inside = data_ != nullptr && std::less_equal<>{}(data_, source) &&
                      std::less<>{}(source, data_ + capacity_);
  const std::size_t offset = inside ? static_cast<std::size_t>(source - data_) : 0;
  const Result grown = reserve(keep + n + spare);
  if (failed(grown)) return grown;
  if (inside) source = data_ + offset;
  if (n != 0 && data_ != nullptr) std::memmove(data_ + keep, source, n);
  size_ = keep + n;
  return kOk;
}

Result ByteStorage::push_back(std::uint8_t byte) noexcept {
  if (size_ == capacity_) {
    const Result grown = reserve(size_ + 1);
    if (failed(grown)) return grown;
  }
  data_[size_++] = byte;
  return kOk;
}

Result ByteStorage::assign_zeros(std::size_t n) noexcept {
  const Result grown = reserve(n);
  if (failed(grown)) return grown;
  size_ = n;
  fill_zero();
  return kOk;
}

void ByteStorage::fill_zero() noexcept {
  if (size_ != 0) std::memset(data_, 0, size_);
}

void ByteStorage::erase(std::size_t pos, std::size_t n) noexcept {
  if (pos >= size_) return;
  if (n > size_ - pos) n = size_ - pos;
  std::memmove(data_ + pos, data_ + pos + n, size_ - pos - n);
  size_ -= n;
}

}  // namespace vex
