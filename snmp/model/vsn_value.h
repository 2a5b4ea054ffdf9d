#pragma once

#include <cstdint>

#include "framework/result_codes.h"

class IVexBuffer;
class IVsnOid;
class IVsnValueVisitor;

namespace vex {

// Type tags of values; for the SNMP types they equal the BER identifier octet.
namespace tag {
inline constexpr std::int32_t kInteger = 0x02;
inline constexpr std::int32_t kOctetString = 0x04;
inline constexpr std::int32_t kNull = 0x05;
inline constexpr std::int32_t kObjectId = 0x06;
inline constexpr std::int32_t kIpAddress = 0x40;
inline constexpr std::int32_t kCounter32 = 0x41;
inline constexpr std::int32_t kGauge32 = 0x42;
inline constexpr std::int32_t kTimeTicks = 0x43;
inline constexpr std::int32_t kOpaque = 0x44;
inline constexpr std::int32_t kCounter64 = 0x46;
inline constexpr std::int32_t kIpv6Address = 0x48;
inline constexpr std::int32_t kNoSuchObject = 0x80;
inline constexpr std::int32_t kNoSuchInstance = 0x81;
inline constexpr std::int32_t kEndOfMibView = 0x82;
inline constexpr std::int32_t kUdpAddress = 0xFF02;
inline constexpr std::int32_t kIpxAddress = 0xFF03;
}  // namespace tag

// Identifiers answered by IVsnValue::query.
namespace query_id {
inline constexpr std::uint32_t kValue = 0xFF00;               // the IVsnValue interface
inline constexpr std::uint32_t kImplementation = 0xF000FF00;  // the value's CVsnValue part
inline constexpr std::uint32_t kOid = 6;                      // IVsnOid of an object identifier
// The implementation part of the class of tag t, for the SNMP types.
constexpr std::uint32_t of_tag(std::int32_t t) noexcept {
  return 0xF0000000U | static_cast<std::uint32_t>(t);
}
inline constexpr std::uint32_t kException = 0xF000FF01;
inline constexpr std::uint32_t kUdpAddress = 0xF000FF02;
inline constexpr std::uint32_t kIpxAddress = 0xF000FF03;
}  // namespace query_id

}  // namespace vex

// An SNMP value of one type tag. Made by the vsn_create_value family
// (snmp/model/vsn_factory.h), deleted by destroy(). Operations that fail
// answer a negative result code; getters report it through `err` (which may
// be null) and then return all bits set (65535 for get_port).
class IVsnValue {
 public:
  virtual vex::Result accept(IVsnValueVisitor* visitor) = 0;
  virtual void destroy() = 0;
  virtual IVsnValue* clone(vex::Result* err) const = 0;
  virtual vex::Result assign(const IVsnValue* other) = 0;
  virtual void clear() = 0;
  virtual std::int32_t type() const = 0;
  virtual bool equals(const IVsnValue* other) const = 0;
  virtual IVsnOid* as_oid() = 0;
  virtual void query(std::uint32_t id, void** out) = 0;
  virtual bool is_valid() const = 0;

  virtual std::int32_t get_long(vex::Result* err) const = 0;
  virtual std::uint32_t get_ulong(vex::Result* err) const = 0;
  virtual IVexBuffer* to_text(vex::Result* err) const = 0;
  virtual vex::Result write_text(IVexBuffer* out) const = 0;
  // Lends the content; valid until the value changes or is destroyed.
  virtual const std::uint8_t* get_bytes(std::int32_t* length, vex::Result* err) const = 0;
  virtual IVexBuffer* to_bytes(vex::Result* err) const = 0;
  virtual vex::Result write_bytes(IVexBuffer* out) const = 0;
  virtual std::uint16_t get_port(vex::Result* err) const = 0;
  virtual std::uint32_t get_high32(vex::Result* err) const = 0;
  virtual std::uint32_t get_low32(vex::Result* err) const = 0;

  virtual vex::Result set_long(std::int32_t value) = 0;
  virtual vex::Result set_ulong(std::uint32_t value) = 0;
  virtual vex::Result set_text(const char* text) = 0;
  virtual vex::Result set_text_from(const IVexBuffer* in) = 0;
  virtual vex::Result set_bytes(const std::uint8_t* bytes, std::int32_t n) = 0;
  virtual vex::Result set_bytes_from(const IVexBuffer* in) = 0;
  virtual vex::Result set_port(std::uint16_t port) = 0;
  virtual vex::Result set_high32(std::uint32_t value) = 0;
  virtual vex::Result set_low32(std::uint32_t value) = 0;

  virtual std::int32_t length() const = 0;
  // Table-index form: `implied` is non-zero for an index declared IMPLIED.
  virtual std::int32_t index_length(std::int32_t implied) const = 0;
  // A byte or sub-identifier (0 to 4294967295), or -1 with err set.
  virtual std::int64_t element_at(std::uint32_t pos, vex::Result* err) const = 0;
  virtual vex::Result append_index(IVsnOid* oid, std::int32_t implied) const = 0;
  virtual vex::Result assign_index(IVsnOid* oid, std::int32_t implied) const = 0;
  // `length` counts the sub-identifiers of an IMPLIED string; -1 takes all.
  virtual vex::Result read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) = 0;

  virtual ~IVsnValue() = default;
};
