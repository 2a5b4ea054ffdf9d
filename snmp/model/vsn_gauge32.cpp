#include "snmp/model/vsn_gauge32.h"

#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnGauge32::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_gauge32, this);
}

void CVsnGauge32::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kGauge32)) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}

std::uint32_t CVsnGauge32::get_ulong(Result* err) const {
  vex::report(err, vex::kOk);
  return value_;
}

Result CVsnGauge32::set_ulong(std::uint32_t value) {
  value_ = value;
  return vex::kOk;
}

Result CVsnCounter32::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_counter32, this);
}

void CVsnCounter32::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kCounter32)) return vex::answer_query(out, this);
  CVsnGauge32::query(id, out);
}

Result CVsnTimeTicks::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_timeticks, this);
}

void CVsnTimeTicks::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kTimeTicks)) return vex::answer_query(out, this);
  CVsnGauge32::query(id, out);
}
