#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/status/status_tables.h"
#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value.h"

namespace vex {

// One binding of a walked row: the name the agent answered and its value.
struct StatusCell {
  Owned<IVsnOid> name;
  Owned<IVsnValue> value;
};

// One table row, a cell per walked column in column order; the rows of a walk.
using StatusRow = std::vector<StatusCell>;
using StatusRows = std::vector<StatusRow>;
using RowView = std::span<const StatusCell>;

// Reads the cells of one row by column position. A cell is missing when the
// row has fewer cells than the table has columns, or when its name does not
// lie below its column: the agent then answered from beyond the column's last
// row, and the value belongs to some other object. A missing cell reads as 0,
// as the empty text and as no bytes. Values of an unexpected type read as the
// value model answers (-1 from an integer getter on a non-integer).
class RowReader {
 public:
  RowReader(const TableColumns& table, RowView row) noexcept : table_(table), row_(row) {}

  const IVsnValue* value(std::size_t column) const noexcept;
  std::int32_t integer(std::size_t column) const noexcept;
  std::uint32_t unsigned_integer(std::size_t column) const noexcept;
  // The value's text form, cut to the field and zero-filled behind it.
  void text(std::size_t column, char* field, std::size_t capacity) noexcept;
  template <std::size_t N>
  void text(std::size_t column, char (&field)[N]) noexcept {
    text(column, field, N);
  }
  // The code that `mapping` gives the value's text form; 0 when missing.
  std::int32_t text_code(std::size_t column, std::int32_t (*mapping)(const char*)) noexcept;
  // The value's raw bytes, lent while the row lives; empty when missing.
  std::span<const std::uint8_t> bytes(std::size_t column) const noexcept;
  // The cell's row index: its name without the column. Null when missing.
  Owned<IVsnOid> index(std::size_t column) noexcept;

  // The first failure of the model while reading (memory exhausted), else 0.
  Result status() const noexcept { return status_; }

 private:
  void note(Result result) noexcept;

  const TableColumns& table_;
  RowView row_;
  Result status_ = kOk;
};

}  // namespace vex
