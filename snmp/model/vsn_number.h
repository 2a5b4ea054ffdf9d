#pragma once

#include <cstdint>

#include "snmp/model/index_form.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value_base.h"

// What INTEGER and the Gauge32 family share: one 32-bit number, 0 when
// created, read from text like atol, written in decimal, and one
// sub-identifier (its 32 bits) as table index.
template <class Number>
class CVsnNumber : public CVsnValue {
 public:
  vex::Result assign(const IVsnValue* other) override {
    return vex::assign_member(*this, other, &CVsnNumber::value_);
  }
  void clear() override { value_ = 0; }
  bool equals(const IVsnValue* other) const override {
    return vex::equal_member(*this, other, &CVsnNumber::value_);
  }

  vex::Result write_text(IVexBuffer* out) const override { return vex::write_decimal(out, value_); }
  vex::Result set_text(const char* text) override {
    if (text == nullptr) return vex::kInvalidArgument;
    value_ = static_cast<Number>(vex::read_atol32(text));
    return vex::kOk;
  }

  std::int32_t length() const override { return 1; }
  vex::Result append_index(IVsnOid* oid, std::int32_t /*implied*/) const override {
    if (oid == nullptr) return vex::kInvalidArgument;
    return oid->append_subid(static_cast<std::uint32_t>(value_));
  }
  vex::Result assign_index(IVsnOid* oid, std::int32_t implied) const override {
    return replace_index(oid, implied);
  }
  vex::Result read_index(const IVsnOid* oid, std::int32_t /*implied*/,
                         std::int32_t /*length*/) override {
    if (oid == nullptr) return vex::kInvalidArgument;
    std::uint32_t subid = 0;
    const vex::Result result = vex::read_subid(*oid, 0, subid);
    if (vex::succeeded(result)) value_ = static_cast<Number>(subid);
    return result;
  }

 protected:
  Number value_ = 0;
};
