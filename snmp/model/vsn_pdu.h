#pragma once

#include <cstdint>

#include "framework/result_codes.h"

class IVsnOid;
class IVsnValue;
class IVsnVarBind;
class IVsnVarBindList;

namespace vex::pdu_type {
inline constexpr std::int32_t kUnset = -1;
inline constexpr std::int32_t kGet = 0;
inline constexpr std::int32_t kGetNext = 1;
inline constexpr std::int32_t kResponse = 2;
inline constexpr std::int32_t kSet = 3;
inline constexpr std::int32_t kTrap = 4;  // SNMPv1 Trap-PDU and SNMPv2-Trap alike
inline constexpr std::int32_t kGetBulk = 5;
inline constexpr std::int32_t kInform = 6;
inline constexpr std::int32_t kReport = 8;
}  // namespace vex::pdu_type

// A request or answer: type, request-id, error status and index, the
// bindings and, for traps, a time stamp and the notification's identifier.
// In a GetBulkRequest error status and index carry non-repeaters and
// max-repetitions. Setters take ownership and delete what they replace;
// take operations hand ownership out and leave nothing behind; getters lend.
class IVsnPdu {
 public:
  virtual void destroy() = 0;
  // Deletes bindings, time stamp and trap identifier; type -1, error status
  // -1, error index 0; the request-id stays.
  virtual void reset() = 0;
  virtual IVsnPdu* clone(vex::Result* err) const = 0;
  // copy_header, then the bindings become a clone of the other's (none when
  // it has none); when that clone fails the bindings stay as they were.
  virtual vex::Result copy_from(const IVsnPdu* other) = 0;
  // Type, request-id, error status and index; clones of the other's time
  // stamp and trap identifier replace this PDU's where the other has them.
  virtual vex::Result copy_header(const IVsnPdu* other) = 0;
  // Never true while this type is unset (-1). Traps compare time stamp and
  // trap identifier, other types request-id, error status and error index;
  // then the bindings.
  virtual bool equals(const IVsnPdu* other) const = 0;
  virtual std::int32_t type() const = 0;
  virtual void set_type(std::int32_t type) = 0;
  virtual IVsnVarBindList* varbinds() const = 0;
  virtual void set_varbinds(IVsnVarBindList* list) = 0;
  virtual IVsnVarBindList* take_varbinds() = 0;
  // The binding-list operations of the same names; a list is made first
  // when the PDU has none (-3 when it cannot be). A failed add or add_front
  // leaves the PDU as it was and the caller owning name and value.
  virtual vex::Result add(IVsnOid* name, IVsnValue* value) = 0;
  virtual vex::Result append(IVsnVarBind* binding) = 0;
  virtual vex::Result add_front(IVsnOid* name, IVsnValue* value) = 0;
  virtual vex::Result prepend(IVsnVarBind* binding) = 0;
  virtual void take_first_parts(IVsnOid** name, IVsnValue** value) = 0;
  virtual IVsnVarBind* pop_front() = 0;
  virtual std::int32_t request_id() const = 0;
  virtual std::int32_t error_status() const = 0;
  virtual std::int32_t error_index() const = 0;
  virtual void set_request_id(std::int32_t id) = 0;
  virtual void set_error_status(std::int32_t status) = 0;
  virtual void set_error_index(std::int32_t index) = 0;
  virtual IVsnValue* time_stamp() const = 0;
  virtual IVsnOid* trap_oid() const = 0;
  virtual IVsnValue* take_time_stamp() = 0;
  virtual IVsnOid* take_trap_oid() = 0;
  // Only a TimeTicks value (tag 0x43) is taken; anything else, null
  // included, gives -2 and stays the caller's.
  virtual vex::Result set_time_stamp(IVsnValue* value) = 0;
  // Only an object identifier value (tag 6) is taken, and kept as its
  // IVsnOid view; anything else gives -2 and stays the caller's.
  virtual vex::Result set_trap_oid(IVsnValue* value) = 0;

  virtual ~IVsnPdu() = default;
};

// Type -1, request-id, error status and index 0, no bindings, no time stamp,
// no trap identifier. Null with -3 when memory is exhausted.
IVsnPdu* vsn_create_pdu(vex::Result* err = nullptr);
