#pragma once

#include "framework/result_codes.h"

class IVsnValue;

// Double dispatch over the value classes: a value's accept() calls the
// operation of its class with itself. An implementation that cannot handle a
// class answers -5 there.
class IVsnValueVisitor {
 public:
  virtual vex::Result visit_oid(IVsnValue* value) = 0;
  virtual vex::Result visit_octet_string(IVsnValue* value) = 0;  // OCTET STRING and Opaque
  virtual vex::Result visit_integer(IVsnValue* value) = 0;
  virtual vex::Result visit_null(IVsnValue* value) = 0;
  virtual vex::Result visit_counter32(IVsnValue* value) = 0;
  virtual vex::Result visit_gauge32(IVsnValue* value) = 0;
  virtual vex::Result visit_timeticks(IVsnValue* value) = 0;
  virtual vex::Result visit_counter64(IVsnValue* value) = 0;
  virtual vex::Result visit_ipaddress(IVsnValue* value) = 0;
  virtual vex::Result visit_ipv6_address(IVsnValue* value) = 0;
  virtual vex::Result visit_udp_address(IVsnValue* value) = 0;
  virtual vex::Result visit_ipx_address(IVsnValue* value) = 0;
  virtual vex::Result visit_exception(IVsnValue* value) = 0;  // all three exception tags

  virtual ~IVsnValueVisitor() = default;
};

namespace vex {

// accept() of a value class: calls the class's visitor operation with the value.
inline Result dispatch(IVsnValueVisitor* visitor, Result (IVsnValueVisitor::*operation)(IVsnValue*),
                       IVsnValue* value) {
  if (visitor == nullptr) return kInvalidArgument;
  return (visitor->*operation)(value);
}

}  // namespace vex
