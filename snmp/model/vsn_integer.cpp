#include "snmp/model/vsn_integer.h"

#include "snmp/model/index_form.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnInteger::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_integer, this);
}

Result CVsnInteger::assign(const IVsnValue* other) {
  return vex::assign_member(*this, other, &CVsnInteger::value_);
}

bool CVsnInteger::equals(const IVsnValue* other) const {
  return vex::equal_member(*this, other, &CVsnInteger::value_);
}

void CVsnInteger::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kInteger)) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}

std::int32_t CVsnInteger::get_long(Result* err) const {
  vex::report(err, vex::kOk);
  return value_;
}

Result CVsnInteger::write_text(IVexBuffer* out) const { return vex::write_decimal(out, value_); }

Result CVsnInteger::set_long(std::int32_t value) {
  value_ = value;
  return vex::kOk;
}

Result CVsnInteger::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  value_ = static_cast<std::int32_t>(vex::read_atol32(text));
  return vex::kOk;
}

Result CVsnInteger::append_index(IVsnOid* oid, std::int32_t /*implied*/) const {
  if (oid == nullptr) return vex::kInvalidArgument;
  return oid->append_subid(static_cast<std::uint32_t>(value_));
}

Result CVsnInteger::assign_index(IVsnOid* oid, std::int32_t implied) const {
  return replace_index(oid, implied);
}

Result CVsnInteger::read_index(const IVsnOid* oid, std::int32_t /*implied*/,
                               std::int32_t /*length*/) {
  if (oid == nullptr) return vex::kInvalidArgument;
  std::uint32_t subid = 0;
  const Result result = vex::read_subid(*oid, 0, subid);
  if (vex::succeeded(result)) value_ = static_cast<std::int32_t>(subid);
  return result;
}
