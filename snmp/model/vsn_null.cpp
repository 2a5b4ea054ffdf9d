#include "snmp/model/vsn_null.h"

#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnNull::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_null, this);
}

Result CVsnNull::assign(const IVsnValue* other) {
  return vex::same_kind(*this, other) != nullptr ? vex::kOk : vex::kInvalidArgument;
}

bool CVsnNull::equals(const IVsnValue* other) const {
  return vex::same_kind(*this, other) != nullptr;
}

void CVsnNull::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kNull)) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}
