#include "snmp/model/vsn_exception.h"

#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnException::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_exception, this);
}

Result CVsnException::assign(const IVsnValue* other) {
  return vex::assign_member(*this, other, &CVsnException::tag_);
}

bool CVsnException::equals(const IVsnValue* other) const {
  return vex::same_kind(*this, other) != nullptr;
}

void CVsnException::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::kException) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}
