#include "device/status/character_set.h"

#include "snmp/model/index_form.h"

namespace vex {

const CharacterSetKind* character_set_kind(std::int32_t kind) noexcept {
  if (kind != kPrinterCharacterSet && kind != kJobCharacterSet) return nullptr;
  return &kCharacterSetKinds[static_cast<std::size_t>(kind)];
}

Result character_set_oid(const CharacterSetKind& kind, RowView row, RequestOid* out) noexcept {
  RowReader cells(kind.walked, row);
  const IVsnValue* value = cells.value(0);
  if (value == nullptr) return kValueMissing;
  const Owned<IVsnOid> index = cells.index(0);
  if (index == nullptr) return cells.status();
  std::uint32_t h = 0;
  if (const Result read = read_subid(*index, 0, h); failed(read)) return read;
  return format_request_oid(kind.get_column, {h, value->get_long(nullptr)}, out);
}

}  // namespace vex
