#include "snmp/model/vsn_counter64.h"

#include "snmp/model/value_text.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::Result;

Result CVsnCounter64::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_counter64, this);
}

Result CVsnCounter64::assign(const IVsnValue* other) {
  return vex::assign_member(*this, other, &CVsnCounter64::halves_);
}

bool CVsnCounter64::equals(const IVsnValue* other) const {
  return vex::equal_member(*this, other, &CVsnCounter64::halves_);
}

void CVsnCounter64::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kCounter64)) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}

std::uint32_t CVsnCounter64::get_ulong(Result* err) const { return get_low32(err); }

Result CVsnCounter64::write_text(IVexBuffer* out) const { return vex::write_decimal(out, value()); }

std::uint32_t CVsnCounter64::get_high32(Result* err) const {
  vex::report(err, vex::kOk);
  return halves_.high;
}

std::uint32_t CVsnCounter64::get_low32(Result* err) const {
  vex::report(err, vex::kOk);
  return halves_.low;
}

Result CVsnCounter64::set_ulong(std::uint32_t value) {
  halves_ = {.high = 0, .low = value};
  return vex::kOk;
}

Result CVsnCounter64::set_text(const char* text) {
  if (text == nullptr) return vex::kInvalidArgument;
  std::uint64_t value = 0;
  Result result = vex::kOk;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') {
      result = vex::kInvalidArgument;
      break;
    }
    value = value * 10 + static_cast<std::uint64_t>(*p - '0');
  }
  store(value);
  return result;
}

Result CVsnCounter64::set_high32(std::uint32_t value) {
  halves_.high = value;
  return vex::kOk;
}

Result CVsnCounter64::set_low32(std::uint32_t value) {
  halves_.low = value;
  return vex::kOk;
}

void CVsnCounter64::store(std::uint64_t value) noexcept {
  halves_ = {.high = static_cast<std::uint32_t>(value >> 32),
             .low = static_cast<std::uint32_t>(value)};
}
