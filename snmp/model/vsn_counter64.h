#pragma once

#include <cstdint>

#include "snmp/model/vsn_value_base.h"

// Counter64 (tag 0x46): a high and a low unsigned 32-bit half, both 0 when
// created. It has no table-index form.
class CVsnCounter64 final : public CVsnValue {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  vex::Result assign(const IVsnValue* other) override;
  void clear() override { halves_ = {}; }
  std::int32_t type() const override { return vex::tag::kCounter64; }
  bool equals(const IVsnValue* other) const override;
  void query(std::uint32_t id, void** out) override;

  // The low half, as for a 32-bit counter.
  std::uint32_t get_ulong(vex::Result* err) const override;
  vex::Result write_text(IVexBuffer* out) const override;
  std::uint32_t get_high32(vex::Result* err) const override;
  std::uint32_t get_low32(vex::Result* err) const override;
  // The low half becomes the value, the high half 0.
  vex::Result set_ulong(std::uint32_t value) override;
  // Decimal digits only; the first other character stops with -2 and keeps
  // what was read before it.
  vex::Result set_text(const char* text) override;
  vex::Result set_high32(std::uint32_t value) override;
  vex::Result set_low32(std::uint32_t value) override;

  std::int32_t length() const override { return 1; }

 private:
  struct Halves {
    std::uint32_t high = 0;
    std::uint32_t low = 0;
    bool operator==(const Halves&) const = default;
  };
  std::uint64_t value() const noexcept { return (std::uint64_t{halves_.high} << 32) | halves_.low; }
  void store(std::uint64_t value) noexcept;

  Halves halves_;
};
