#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "snmp/model/vsn_value.h"

namespace vex {

// Relation of an object identifier A (this) to another one B.
namespace relation {
inline constexpr std::int32_t kSame = 0;
inline constexpr std::int32_t kOtherBelow = 1;  // B lies below A
inline constexpr std::int32_t kThisBelow = 2;   // A lies below B
inline constexpr std::int32_t kBefore = 3;      // A sorts before B (text order)
inline constexpr std::int32_t kAfter = 4;       // A sorts after B
}  // namespace relation

}  // namespace vex

// An object identifier kept as dotted decimal text. It is also the
// OBJECT IDENTIFIER value (tag 6): the IVsnValue operations apply to the same
// object, and destroy() deletes it through either view. Counts are unsigned;
// a count of 0xFFFFFFFF means "all the rest".
class IVsnOid : public virtual IVsnValue {
 public:
  IVsnOid* clone(vex::Result* err) const override = 0;
  virtual std::int32_t compare_text(const char* text, vex::Result* err) const = 0;
  virtual std::int32_t compare(const IVsnOid* other, vex::Result* err) const = 0;
  virtual vex::Result strip_prefix_text(const char* text) = 0;
  virtual vex::Result strip_prefix(const IVsnOid* other) = 0;
  virtual vex::Result append_text(const char* text) = 0;
  virtual vex::Result append_subid(std::uint32_t number) = 0;
  virtual vex::Result append_oid(const IVsnOid* other) = 0;
  virtual vex::Result append_index_text(const char* text, std::int32_t tag,
                                        std::int32_t implied) = 0;
  virtual vex::Result append_value_index(const IVsnValue* value, std::int32_t implied) = 0;
  virtual IVsnOid* take_prefix_oid(std::uint32_t n, vex::Result* err) = 0;
  virtual vex::Result take_prefix_into(IVsnOid* destination, std::uint32_t n) = 0;
  virtual std::uint32_t take_first_subid(vex::Result* err) = 0;
  virtual IVexBuffer* take_prefix_buffer(std::uint32_t n, vex::Result* err) = 0;
  virtual vex::Result take_prefix_to_buffer(IVexBuffer* out, std::uint32_t n) = 0;
  virtual IVsnValue* take_index_value(std::int32_t tag, vex::Result* err, std::int32_t implied,
                                      std::int32_t length) = 0;
  virtual vex::Result take_index_into(IVsnValue* value, std::int32_t implied,
                                      std::int32_t length) = 0;
  virtual vex::Result remove(std::uint32_t start, std::uint32_t count) = 0;
  virtual IVsnValue* peek_index_value(std::int32_t tag, vex::Result* err,
                                      std::int32_t implied) const = 0;
  virtual vex::Result peek_index_into(IVsnValue* value, std::int32_t implied) const = 0;
  virtual vex::Result assign_value_index(const IVsnValue* value, std::int32_t implied) = 0;
  // The dotted text, never null; lent until the identifier changes.
  virtual const char* text() const = 0;
};
