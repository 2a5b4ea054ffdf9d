#include "device/status/status_rows.h"

#include "framework/fixed_text.h"
#include "snmp/model/vex_buffer.h"

namespace vex {

const IVsnValue* RowReader::value(std::size_t column) const noexcept {
  if (column >= row_.size() || column >= table_.columns.size()) return nullptr;
  const StatusCell& cell = row_[column];
  if (cell.name == nullptr || cell.value == nullptr) return nullptr;
  Result err = kOk;
  const std::int32_t relation = cell.name->compare_text(table_.columns[column], &err);
  if (failed(err) || relation != relation::kThisBelow) return nullptr;
  return cell.value.get();
}

std::int32_t RowReader::integer(std::size_t column) const noexcept {
  const IVsnValue* found = value(column);
  return found != nullptr ? found->get_long(nullptr) : 0;
}

std::uint32_t RowReader::unsigned_integer(std::size_t column) const noexcept {
  const IVsnValue* found = value(column);
  return found != nullptr ? found->get_ulong(nullptr) : 0;
}

void RowReader::text(std::size_t column, char* field, std::size_t capacity) noexcept {
  copy_to_field(field, capacity, static_cast<const char*>(nullptr));
  const IVsnValue* found = value(column);
  if (found == nullptr) return;
  Result err = kOk;
  const Owned<IVexBuffer> text(found->to_text(&err));
  // Classes without a text form (NULL, the exceptions) leave the field empty.
  if (text == nullptr) note(err);
  if (text != nullptr && text->data() != nullptr) copy_to_field(field, capacity, text->data());
}

std::int32_t RowReader::text_code(std::size_t column,
                                  std::int32_t (*mapping)(const char*)) noexcept {
  const IVsnValue* found = value(column);
  if (found == nullptr) return 0;
  Result err = kOk;
  const Owned<IVexBuffer> text(found->to_text(&err));
  if (text == nullptr) {
    note(err);
    return 0;
  }
  return mapping(text->data() != nullptr ? text->data() : "");
}

std::span<const std::uint8_t> RowReader::bytes(std::size_t column) const noexcept {
  const IVsnValue* found = value(column);
  if (found == nullptr) return {};
  std::int32_t length = 0;
  const std::uint8_t* data = found->get_bytes(&length, nullptr);
  if (data == nullptr || length <= 0) return {};
  return {data, static_cast<std::size_t>(length)};
}

Owned<IVsnOid> RowReader::index(std::size_t column) noexcept {
  if (value(column) == nullptr) return nullptr;
  Result err = kOk;
  Owned<IVsnOid> index(row_[column].name->clone(&err));
  if (index == nullptr) {
    note(err);
    return nullptr;
  }
  // value() found the name below the column, so the strip cannot fail.
  index->strip_prefix_text(table_.columns[column]);
  return index;
}

void RowReader::note(Result result) noexcept {
  if (status_ == kOk && failed(result)) status_ = result;
}

}  // namespace vex
