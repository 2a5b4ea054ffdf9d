#pragma once

#include <cstdint>
#include <string_view>

#include "snmp/model/text_storage.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value_base.h"

// OBJECT IDENTIFIER (tag 6), kept as its dotted text with a cached count of
// sub-identifiers (-1 while unknown). The text is stored as given and only
// checked by is_valid.
class CVsnObjectId final : public CVsnValue, public IVsnOid {
 public:
  CVsnObjectId() noexcept = default;

  // IVsnValue
  vex::Result accept(IVsnValueVisitor* visitor) override;
  IVsnOid* clone(vex::Result* err) const override;
  vex::Result assign(const IVsnValue* other) override;
  void clear() override;
  std::int32_t type() const override { return vex::tag::kObjectId; }
  bool equals(const IVsnValue* other) const override;
  IVsnOid* as_oid() override { return this; }
  void query(std::uint32_t id, void** out) override;
  bool is_valid() const override;

  // The first sub-identifier; 0 for the empty identifier.
  std::uint32_t get_ulong(vex::Result* err) const override;
  vex::Result write_text(IVexBuffer* out) const override;
  // The dotted text and its length in characters.
  const std::uint8_t* get_bytes(std::int32_t* length, vex::Result* err) const override;
  // The identifier becomes the single sub-identifier.
  vex::Result set_ulong(std::uint32_t value) override;
  vex::Result set_text(const char* text) override;
  vex::Result set_bytes(const std::uint8_t* bytes, std::int32_t n) override;

  std::int32_t length() const override { return static_cast<std::int32_t>(count()); }
  std::int32_t index_length(std::int32_t implied) const override;
  // -8 on the empty identifier, -7 past the last sub-identifier.
  std::int64_t element_at(std::uint32_t pos, vex::Result* err) const override;
  vex::Result append_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result assign_index(IVsnOid* oid, std::int32_t implied) const override;
  vex::Result read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) override;

  // IVsnOid
  std::int32_t compare_text(const char* text, vex::Result* err) const override;
  std::int32_t compare(const IVsnOid* other, vex::Result* err) const override;
  vex::Result strip_prefix_text(const char* text) override;
  vex::Result strip_prefix(const IVsnOid* other) override;
  vex::Result append_text(const char* text) override;
  vex::Result append_subid(std::uint32_t number) override;
  vex::Result append_oid(const IVsnOid* other) override;
  vex::Result append_index_text(const char* text, std::int32_t tag, std::int32_t implied) override;
  vex::Result append_value_index(const IVsnValue* value, std::int32_t implied) override;
  IVsnOid* take_prefix_oid(std::uint32_t n, vex::Result* err) override;
  vex::Result take_prefix_into(IVsnOid* destination, std::uint32_t n) override;
  std::uint32_t take_first_subid(vex::Result* err) override;
  IVexBuffer* take_prefix_buffer(std::uint32_t n, vex::Result* err) override;
  vex::Result take_prefix_to_buffer(IVexBuffer* out, std::uint32_t n) override;
  IVsnValue* take_index_value(std::int32_t tag, vex::Result* err, std::int32_t implied,
                              std::int32_t length) override;
  vex::Result take_index_into(IVsnValue* value, std::int32_t implied, std::int32_t length) override;
  vex::Result remove(std::uint32_t start, std::uint32_t count) override;
  IVsnValue* peek_index_value(std::int32_t tag, vex::Result* err,
                              std::int32_t implied) const override;
  vex::Result peek_index_into(IVsnValue* value, std::int32_t implied) const override;
  vex::Result assign_value_index(const IVsnValue* value, std::int32_t implied) override;
  const char* text() const override { return text_.c_str(); }

 private:
  static constexpr std::int32_t kUnknownCount = -1;

  std::string_view view() const noexcept { return text_.view(); }
  std::uint32_t count() const noexcept;
  bool is_self(const IVsnValue* other) const noexcept;
  vex::Result replace_text(std::string_view text) noexcept;
  vex::Result strip(std::string_view prefix, std::uint32_t n);
  void remove_front(std::uint32_t n) noexcept;
  vex::Result read_subids(const IVsnOid& source, std::uint32_t first, std::uint32_t n);

  vex::TextStorage text_;
  mutable std::int32_t count_ = 0;
};
