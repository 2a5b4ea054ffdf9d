#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/result_codes.h"

namespace vex {

// A growable byte array {data, length, capacity} on the model heap. Capacity
// grows in steps of 128: asking for n bytes reserves (n / 128 + 1) * 128.
// Every operation that fails for want of memory answers -3 and leaves the old
// content as it was. Sources may point into the array itself.
class ByteStorage {
 public:
  static constexpr std::size_t kStep = 128;
  static std::size_t rounded_capacity(std::size_t n) noexcept { return (n / kStep + 1) * kStep; }

  ByteStorage() noexcept = default;
  ~ByteStorage();
  ByteStorage(ByteStorage&& other) noexcept;
  ByteStorage& operator=(ByteStorage&& other) noexcept;
  ByteStorage(const ByteStorage&) = delete;
  ByteStorage& operator=(const ByteStorage&) = delete;

  const std::uint8_t* data() const noexcept { return data_; }
  std::uint8_t* data() noexcept { return data_; }
  std::size_t size() const noexcept { return size_; }
  std::size_t capacity() const noexcept { return capacity_; }
  bool empty() const noexcept { return size_ == 0; }
  std::string_view chars() const noexcept { return {reinterpret_cast<const char*>(data_), size_}; }

  // Makes room for at least n bytes; the length does not change.
  Result reserve(std::size_t n) noexcept;
  // `spare` bytes of capacity beyond the new length are kept free as well.
  Result assign(const void* bytes, std::size_t n, std::size_t spare = 0) noexcept;
  Result append(const void* bytes, std::size_t n, std::size_t spare = 0) noexcept;
  Result push_back(std::uint8_t byte) noexcept;
  // The content becomes n zero bytes.
  Result assign_zeros(std::size_t n) noexcept;
  void fill_zero() noexcept;
  void erase(std::size_t pos, std::size_t n) noexcept;
  void clear() noexcept { size_ = 0; }

 private:
  Result replace_tail(std::size_t keep, const void* bytes, std::size_t n,
                      std::size_t spare) noexcept;

  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace vex
