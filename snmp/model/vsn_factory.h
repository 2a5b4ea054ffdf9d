#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value.h"

// Creators of values and object identifiers. Each stores 0 or the failure in
// its optional last argument and returns the new object (owned by the caller,
// deleted with destroy) or null. A partly built object is deleted before a
// failure is returned.

// A value of the tag in its initial state (zero, empty, or zero bytes of its
// fixed length). Unknown tag: -2; memory exhausted: -3.
IVsnValue* vsn_create_value(std::int32_t tag, vex::Result* err = nullptr);
// vsn_create_value, then set_long / set_ulong; the setter's failure is returned.
IVsnValue* vsn_create_value_long(std::int32_t value, std::int32_t tag, vex::Result* err = nullptr);
IVsnValue* vsn_create_value_ulong(std::uint32_t value, std::int32_t tag,
                                  vex::Result* err = nullptr);
// vsn_create_value, then set_text; a text the value does not hold as valid
// (an object identifier's syntax) is refused with -2. Null text: -2.
IVsnValue* vsn_create_value_text(const char* text, std::int32_t tag, vex::Result* err = nullptr);
IVsnValue* vsn_create_counter64(std::uint32_t high, std::uint32_t low, vex::Result* err = nullptr);

// The empty object identifier.
IVsnOid* vsn_create_oid(vex::Result* err = nullptr);
// An object identifier with the text (null counts as empty); a text that
// fails the syntax check gives -2.
IVsnOid* vsn_create_oid_text(const char* text, vex::Result* err = nullptr);
