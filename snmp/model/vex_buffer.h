#pragma once

#include <cstdint>

#include "framework/result_codes.h"

// A heap byte or text buffer through which values and addresses hand out
// their texts and raw bytes. The content is always followed by one NUL byte,
// so a text content can be read as a C string; an empty buffer has no content.
class IVexBuffer {
 public:
  virtual void destroy() = 0;
  virtual std::int32_t length() const = 0;
  // The content, or null when the length is 0.
  virtual const char* data() const = 0;
  virtual vex::Result assign(const void* bytes, std::int32_t n) = 0;
  virtual vex::Result assign_text(const char* text) = 0;
  virtual vex::Result append(const void* bytes, std::int32_t n) = 0;
  virtual vex::Result append_text(const char* text) = 0;
  virtual vex::Result append_buffer(const IVexBuffer* other) = 0;
  virtual vex::Result clone(IVexBuffer** out) const = 0;
  virtual bool equals(const void* bytes, std::int32_t n) const = 0;
  virtual bool equals_text(const char* text) const = 0;
  virtual bool equals_buffer(const IVexBuffer* other) const = 0;

  virtual ~IVexBuffer() = default;
};

// An empty buffer; null with -3 when memory is exhausted.
IVexBuffer* vex_create_buffer(vex::Result* err = nullptr);
