#pragma once

#include <cstdint>

#include "snmp/model/vsn_value_base.h"

// INTEGER (tag 2): one signed 32-bit number, 0 when created.
class CVsnInteger final : public CVsnValue {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  vex::Result assign(const IVsnValue* other) override;
  void clear() override { value_ = 0; }
  std::int32_t type() const override { return vex::tag::kInteger; }
  bool equals(const IVsnValue* other) const override;
  void query(std::uint32_t id, void** out) override;

  std::int32_t get_long(vex::Result* err) const override;
  vex::Result write_text(IVexBuffer* out) const override;
  vex::Result set_long(std::int32_t value) override;
  vex::Result set_text(const char* text) override;

  std::int32_t length() const override { return 1; }
  vex::Result append_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result assign_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) override;

 private:
  std::int32_t value_ = 0;
};
