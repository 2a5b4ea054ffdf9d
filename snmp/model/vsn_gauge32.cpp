#include "snmp/model/vsn_gauge32.h"

#include "snmp/model/index_form.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnGauge32::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_gauge32, this);
}

Result CVsnGauge32::assign(const IVsnValue* other) {
  return vex::assign_member(*this, other, &CVsnGauge32::value_);
}

bool CVsnGauge32::equals(const IVsnValue* other) const {
  return vex::equal_member(*this, other, &CVsnGauge32::value_);
}

void CVsnGauge32::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kGauge32)) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}

std::uint32_t CVsnGauge32::get_ulong(Result* err) const {
  vex::report(err, vex::kOk);
  return value_;
}

Result CVsnGauge32::write_text(IVexBuffer* out) const { return vex::write_decimal(out, value_); }

Result CVsnGauge32::set_ulong(std::uint32_t value) {
  value_ = value;
  return vex::kOk;
}

Result CVsnGauge32::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  value_ = vex::read_atol32(text);
  return vex::kOk;
}

Result CVsnGauge32::append_index(IVsnOid* oid, std::int32_t /*implied*/) const {
  if (oid == nullptr) return vex::kInvalidArgument;
  return oid->append_subid(value_);
}

Result CVsnGauge32::assign_index(IVsnOid* oid, std::int32_t implied) const {
  return replace_index(oid, implied);
}

Result CVsnGauge32::read_index(const IVsnOid* oid, std::int32_t /*implied*/,
                               std::int32_t /*length*/) {
  if (oid == nullptr) return vex::kInvalidArgument;
  return vex::read_subid(*oid, 0, value_);
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
