#pragma once

#include <cstdint>

#include "snmp/model/vsn_number.h"

// INTEGER (tag 2): one signed 32-bit number.
class CVsnInteger final : public CVsnNumber<std::int32_t> {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  std::int32_t type() const override { return vex::tag::kInteger; }
  void query(std::uint32_t id, void** out) override;

  std::int32_t get_long(vex::Result* err) const override;
  vex::Result set_long(std::int32_t value) override;
};
