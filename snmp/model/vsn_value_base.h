#pragma once

#include <cstdint>

#include "snmp/model/out_params.h"
#include "snmp/model/vsn_value.h"

// The part every value class shares. Its operations are the answers of a
// class that does not support them: -5, or null, or all bits set with err -5.
class CVsnValue : public virtual IVsnValue {
 public:
  vex::Result accept(IVsnValueVisitor* visitor) override;
  void destroy() override;
  // A new value of the same class, filled by assign.
  IVsnValue* clone(vex::Result* err) const override;
  IVsnOid* as_oid() override { return nullptr; }
  void query(std::uint32_t id, void** out) override;
  bool is_valid() const override { return true; }

  std::int32_t get_long(vex::Result* err) const override;
  std::uint32_t get_ulong(vex::Result* err) const override;
  IVexBuffer* to_text(vex::Result* err) const override;
  vex::Result write_text(IVexBuffer* out) const override;
  const std::uint8_t* get_bytes(std::int32_t* length, vex::Result* err) const override;
  IVexBuffer* to_bytes(vex::Result* err) const override;
  vex::Result write_bytes(IVexBuffer* out) const override;
  std::uint16_t get_port(vex::Result* err) const override;
  std::uint32_t get_high32(vex::Result* err) const override;
  std::uint32_t get_low32(vex::Result* err) const override;

  vex::Result set_long(std::int32_t value) override;
  vex::Result set_ulong(std::uint32_t value) override;
  vex::Result set_text(const char* text) override;
  vex::Result set_text_from(const IVexBuffer* in) override;
  vex::Result set_bytes(const std::uint8_t* bytes, std::int32_t n) override;
  vex::Result set_bytes_from(const IVexBuffer* in) override;
  vex::Result set_port(std::uint16_t port) override;
  vex::Result set_high32(std::uint32_t value) override;
  vex::Result set_low32(std::uint32_t value) override;

  std::int32_t length() const override { return 0; }
  std::int32_t index_length(std::int32_t /*implied*/) const override { return length(); }
  std::int64_t element_at(std::uint32_t pos, vex::Result* err) const override;
  vex::Result append_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result assign_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) override;

 protected:
  // assign_index of the classes that have an index form: the identifier is
  // emptied, then append_index.
  vex::Result replace_index(IVsnOid* oid, std::int32_t implied) const;
};

namespace vex {

// The other operand of assign or equals seen as the caller's own class, when
// it carries exactly the same tag; null otherwise. Used in place of raw casts
// on query identifiers.
template <class T>
const T* same_kind(const T& self, const IVsnValue* other) noexcept {
  if (other == nullptr || other->type() != self.type()) return nullptr;
  return dynamic_cast<const T*>(other);
}

// assign and equals of a class whose whole content is one member.
template <class T, class M>
Result assign_member(T& self, const IVsnValue* other, M T::*member) noexcept {
  const T* peer = same_kind(self, other);
  if (peer == nullptr) return kInvalidArgument;
  self.*member = peer->*member;
  return kOk;
}

template <class T, class M>
bool equal_member(const T& self, const IVsnValue* other, M T::*member) noexcept {
  const T* peer = same_kind(self, other);
  return peer != nullptr && peer->*member == self.*member;
}

inline bool is_implied(std::int32_t implied) noexcept { return implied != 0; }

}  // namespace vex
