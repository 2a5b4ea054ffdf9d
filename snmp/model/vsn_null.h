#pragma once

#include <cstdint>

#include "snmp/model/vsn_value_base.h"

// NULL (tag 5): no content; every NULL equals every other.
class CVsnNull final : public CVsnValue {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  vex::Result assign(const IVsnValue* other) override;
  void clear() override {}
  std::int32_t type() const override { return vex::tag::kNull; }
  bool equals(const IVsnValue* other) const override;
  void query(std::uint32_t id, void** out) override;
};
