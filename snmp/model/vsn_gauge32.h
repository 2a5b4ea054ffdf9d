#pragma once

#include <cstdint>

#include "snmp/model/vsn_number.h"

// Gauge32 / Unsigned32 (tag 0x42): one unsigned 32-bit number. Counter32 and
// TimeTicks differ only in tag and visitor operation.
class CVsnGauge32 : public CVsnNumber<std::uint32_t> {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kGauge32; }
  void query(std::uint32_t id, void** out) override;

  std::uint32_t get_ulong(vex::Result* err) const override;
  vex::Result set_ulong(std::uint32_t value) override;
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
