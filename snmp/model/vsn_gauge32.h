#pragma once

#include <cstdint>

#include "snmp/model/vsn_value_base.h"

// Gauge32 / Unsigned32 (tag 0x42): one unsigned 32-bit number, 0 when created.
// Counter32 and TimeTicks differ only in tag and visitor operation.
class CVsnGauge32 : public CVsnValue {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  vex::Result assign(const IVsnValue* other) override;
  void clear() override { value_ = 0; }
  std::int32_t type() const override { return vex::tag::kGauge32; }
  bool equals(const IVsnValue* other) const override;
  void query(std::uint32_t id, void** out) override;

  std::uint32_t get_ulong(vex::Result* err) const override;
  vex::Result write_text(IVexBuffer* out) const override;
  vex::Result set_ulong(std::uint32_t value) override;
  vex::Result set_text(const char* text) override;

  std::int32_t length() const override { return 1; }
  vex::Result append_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result assign_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) override;

 private:
  std::uint32_t value_ = 0;
};

// Counter32 (tag 0x41).
class CVsnCounter32 final : public CVsnGauge32 {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kCounter32; }
  void query(std::uint32_t id, void** out) override;
};

// TimeTicks (tag 0x43): hundredths of a second.
class CVsnTimeTicks final : public CVsnGauge32 {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kTimeTicks; }
  void query(std::uint32_t id, void** out) override;
};
