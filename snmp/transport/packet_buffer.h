#pragma once

#include <cstddef>
#include <cstdint>

// The byte area a message travels in between the codec and the sockets,
// with the position where the message starts inside it.
class PacketBuffer {
 public:
  enum Ownership : std::int32_t {
    kFrameworkAllocated = 1,  // freed with the framework's allocator
    kMallocAllocated = 2,     // freed with free()
    kBorrowed = 0,            // never freed by the buffer
  };

  PacketBuffer() = default;
  ~PacketBuffer();
  PacketBuffer(const PacketBuffer&) = delete;
  PacketBuffer& operator=(const PacketBuffer&) = delete;

  void release() { delete this; }
  // Frees the current area, then takes `area`; the message starts at its first byte.
  void attach(std::uint8_t* area, std::uint32_t size, std::int32_t ownership);
  // Hands the area and its size to the caller and empties the buffer.
  std::uint8_t* detach(std::uint32_t* size);
  void free_area();
  std::uint8_t* data() { return area_; }
  const std::uint8_t* data() const { return area_; }
  std::uint32_t size() const { return size_; }
  // A fresh area of n bytes from the framework's allocator; false when memory runs out.
  bool allocate(std::uint32_t n);
  std::uint8_t* message_start() const { return message_start_; }
  std::uint8_t* set_message_start(std::uint32_t offset);
  std::uint32_t remaining_length() const;
  std::int32_t ownership() const { return ownership_; }

 private:
  std::uint8_t* area_ = nullptr;
  std::uint8_t* message_start_ = nullptr;
  std::uint32_t size_ = 0;
  std::int32_t ownership_ = kFrameworkAllocated;
};
