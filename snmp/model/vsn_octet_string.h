#pragma once

#include <cstddef>
#include <cstdint>

#include "snmp/model/byte_storage.h"
#include "snmp/model/vsn_value_base.h"

// OCTET STRING (tag 4): a byte string of any length, empty when created. The
// address classes derive from it with a fixed byte count: they are created
// holding that many zero bytes (init_storage) and keep the count for life.
class CVsnOctetString : public CVsnValue {
 public:
  CVsnOctetString() noexcept = default;

  // Sets up the zero bytes of a fixed-size class; -3 when memory is exhausted.
  vex::Result init_storage() { return bytes_.assign_zeros(fixed_size_); }

  vex::Result accept(IVsnValueVisitor* visitor) override;
  vex::Result assign(const IVsnValue* other) override;
  void clear() override;
  std::int32_t type() const override { return vex::tag::kOctetString; }
  bool equals(const IVsnValue* other) const override;
  void query(std::uint32_t id, void** out) override;

  // The bytes themselves.
  vex::Result write_text(IVexBuffer* out) const override;
  const std::uint8_t* get_bytes(std::int32_t* length, vex::Result* err) const override;
  vex::Result set_text(const char* text) override;
  vex::Result set_bytes(const std::uint8_t* bytes, std::int32_t n) override;

  std::int32_t length() const override { return static_cast<std::int32_t>(bytes_.size()); }
  std::int32_t index_length(std::int32_t implied) const override;
  std::int64_t element_at(std::uint32_t pos, vex::Result* err) const override;
  vex::Result append_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result assign_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) override;

 protected:
  explicit CVsnOctetString(std::size_t fixed_size) noexcept : fixed_size_(fixed_size) {}

  const std::uint8_t* bytes() const noexcept { return bytes_.data(); }
  std::uint8_t* bytes() noexcept { return bytes_.data(); }
  void zero_bytes() noexcept { bytes_.fill_zero(); }

  // Index form of a transport address: its domain number, the byte count
  // unless implied, then the bytes.
  vex::Result append_domain_index(IVsnOid* oid, std::int32_t implied, std::uint32_t domain) const;
  std::int32_t domain_index_length(std::int32_t implied) const;
  vex::Result read_domain_index(const IVsnOid* oid, std::int32_t implied, std::uint32_t domain);

 private:
  // A fixed-size address reads its index as a string of its byte count: the
  // content is zeroed, then exactly that many bytes are read.
  vex::Result read_fixed_index(const IVsnOid& oid, std::int32_t implied);
  vex::Result append_byte_subids(IVsnOid& oid) const;
  // Reads the fixed byte count from sub-identifier `first` on.
  vex::Result read_fixed_bytes(const IVsnOid& oid, std::uint32_t first);

  std::size_t fixed_size_ = 0;  // 0: any length
  vex::ByteStorage bytes_;
};

// Opaque (tag 0x44): an OCTET STRING under another tag.
class CVsnOpaque final : public CVsnOctetString {
 public:
  std::int32_t type() const override { return vex::tag::kOpaque; }
  void query(std::uint32_t id, void** out) override;
};
