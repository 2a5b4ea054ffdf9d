#include "snmp/transport/packet_buffer.h"

#include <cstdlib>
#include <new>

PacketBuffer::~PacketBuffer() { free_area(); }

void PacketBuffer::attach(std::uint8_t* area, std::uint32_t size, std::int32_t ownership) {
  free_area();
  area_ = area;
  message_start_ = area;
  size_ = size;
  ownership_ = ownership;
}

std::uint8_t* PacketBuffer::detach(std::uint32_t* size) {
  std::uint8_t* area = area_;
  if (size != nullptr) *size = size_;
  area_ = nullptr;
  message_start_ = nullptr;
  size_ = 0;
  return area;
}

void PacketBuffer::free_area() {
  if (ownership_ == kFrameworkAllocated) {
    delete[] area_;
  } else if (ownership_ == kMallocAllocated) {
    std::free(area_);
  }
  area_ = nullptr;
  message_start_ = nullptr;
  size_ = 0;
}

bool PacketBuffer::allocate(std::uint32_t n) {
  auto* area = new (std::nothrow) std::uint8_t[n == 0 ? 1 : n];
  if (area == nullptr) return false;
  attach(area, n, kFrameworkAllocated);
  return true;
}

std::uint8_t* PacketBuffer::set_message_start(std::uint32_t offset) {
  message_start_ = area_ + (offset <= size_ ? offset : size_);
  return message_start_;
}

std::uint32_t PacketBuffer::remaining_length() const {
  if (area_ == nullptr) return 0;
  return size_ - static_cast<std::uint32_t>(message_start_ - area_);
}
