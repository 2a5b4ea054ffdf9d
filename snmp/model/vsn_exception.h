#pragma once

#include <cstdint>

#include "snmp/model/vsn_value_base.h"

// The SNMPv2 exception values noSuchObject (0x80), noSuchInstance (0x81) and
// endOfMibView (0x82): the tag is the whole content.
class CVsnException final : public CVsnValue {
 public:
  explicit CVsnException(std::int32_t tag) noexcept : tag_(tag) {}

  vex::Result accept(IVsnValueVisitor* visitor) override;
  vex::Result assign(const IVsnValue* other) override;
  void clear() override {}
  std::int32_t type() const override { return tag_; }
  bool equals(const IVsnValue* other) const override;
  void query(std::uint32_t id, void** out) override;

 private:
  std::int32_t tag_;
};
