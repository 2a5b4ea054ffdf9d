#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "device/status/status_rows.h"
#include "device/status/status_tables.h"
#include "snmp/model/vsn_factory.h"

namespace status_test {

// A value as a test writes it: the tag and its text form, or the raw bytes of
// an OCTET STRING.
struct ValueSpec {
  std::int32_t tag;
  std::string content;
};

inline ValueSpec integer(std::int32_t v) { return {vex::tag::kInteger, std::to_string(v)}; }
inline ValueSpec gauge(std::uint32_t v) { return {vex::tag::kGauge32, std::to_string(v)}; }
inline ValueSpec octets(std::string bytes) { return {vex::tag::kOctetString, std::move(bytes)}; }
inline ValueSpec oid_value(std::string text) { return {vex::tag::kObjectId, std::move(text)}; }
inline ValueSpec null_value() { return {vex::tag::kNull, ""}; }

struct CellSpec {
  std::string name;
  ValueSpec value;
};
using RowSpec = std::vector<CellSpec>;

// The row of `table` at `index`: value i under column i.
inline RowSpec row_at(const vex::TableColumns& table, const std::string& index,
                      const std::vector<ValueSpec>& values) {
  RowSpec row;
  for (std::size_t i = 0; i < values.size() && i < table.columns.size(); ++i) {
    row.push_back({std::string(table.columns[i]) + "." + index, values[i]});
  }
  return row;
}

inline vex::StatusCell build_cell(const CellSpec& layout) {
  vex::StatusCell cell;
  cell.name.reset(vsn_create_oid_text(layout.name.c_str()));
  EXPECT_NE(cell.name, nullptr) << layout.name;
  cell.value.reset(vsn_create_value(layout.value.tag));
  EXPECT_NE(cell.value, nullptr) << layout.value.tag;
  if (cell.value == nullptr || layout.value.tag == vex::tag::kNull) return cell;
  const vex::Result set =
      layout.value.tag == vex::tag::kOctetString
          ? cell.value->set_bytes(
                reinterpret_cast<const std::uint8_t*>(layout.value.content.data()),
                static_cast<std::int32_t>(layout.value.content.size()))
          : cell.value->set_text(layout.value.content.c_str());
  EXPECT_EQ(set, vex::kOk) << layout.value.content;
  return cell;
}

inline vex::StatusRow build(const RowSpec& layout) {
  vex::StatusRow row;
  for (const CellSpec& cell : layout) row.push_back(build_cell(cell));
  return row;
}

// The bytes of a record as the host sees them.
template <class Record>
std::vector<std::uint8_t> bytes_of(const Record& record) {
  std::vector<std::uint8_t> bytes(sizeof(Record));
  std::memcpy(bytes.data(), &record, sizeof(Record));
  return bytes;
}

// The bytes a host record should have, written field by field at the
// offsets of the host contract: little-endian integers, texts with zeros after.
class ExpectedBytes {
 public:
  explicit ExpectedBytes(std::size_t size) : bytes_(size, 0) {}
  ExpectedBytes& i32(std::size_t offset, std::int64_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) bytes_.at(offset + i) = (bits >> (8 * i)) & 0xFF;
    return *this;
  }
  ExpectedBytes& u16(std::size_t offset, std::uint16_t value) {
    bytes_.at(offset) = value & 0xFF;
    bytes_.at(offset + 1) = value >> 8;
    return *this;
  }
  ExpectedBytes& text(std::size_t offset, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) bytes_.at(offset + i) = text[i];
    return *this;
  }
  ExpectedBytes& raw(std::size_t offset, const std::vector<std::uint8_t>& raw) {
    for (std::size_t i = 0; i < raw.size(); ++i) bytes_.at(offset + i) = raw[i];
    return *this;
  }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A record full of garbage, to show that a conversion writes every byte.
template <class Record>
Record dirty() {
  Record record;
  std::memset(&record, 0xA5, sizeof record);
  return record;
}

}  // namespace status_test
