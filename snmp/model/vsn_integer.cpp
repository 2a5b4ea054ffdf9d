#include "snmp/model/vsn_integer.h"

#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnInteger::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_integer, this);
}

void CVsnInteger::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kInteger)) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}

std::int32_t CVsnInteger::get_long(Result* err) const {
  vex::report(err, vex::kOk);
  return value_;
}

Result CVsnInteger::set_long(std::int32_t value) {
  value_ = value;
  return vex::kOk;
}
