#include "device/status/job_records.h"

#include <cstring>

#include "device/status/status_tables.h"
#include "device/status/type_codes.h"
#include "framework/fixed_text.h"
#include "snmp/model/index_form.h"
#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_factory.h"

namespace vex {
namespace {

// Positions in kJobColumns.
enum JobColumn : std::size_t {
  kType,
  kStatusCode,
  kDetailCode,
  kCounter1,
  kCounter2,
  kCodedText1,
  kCodedText2,
  kCodedText3,
  kName,
  kTime1,
  kTime2,
  kTime3,
};
// The identifier is read from the row index of this column.
constexpr std::size_t kIdentifierColumn = kCodedText3;

constexpr std::int32_t kIdentifierOctets = 8;
constexpr std::uint32_t kIdentifierSkipped = 2;

// The octet read as signed and widened: 0xFF gives 0xFFFF.
std::uint16_t signed_octet(std::span<const std::uint8_t> octets, std::size_t pos) noexcept {
  if (pos >= octets.size()) return 0;
  const auto octet = static_cast<std::int8_t>(octets[pos]);
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(octet));
}

template <std::size_t N>
Result coded_text(RowReader& cells, std::size_t column, std::int32_t char_set, JobTexts& texts,
                  char (&field)[N]) {
  const IVsnValue* value = cells.value(column);
  if (value == nullptr) return kOk;
  const Owned<IVsnOid> index = cells.index(column);
  if (index == nullptr) return cells.status();
  std::uint32_t a = 0;
  if (const Result read = read_subid(*index, 0, a); failed(read)) return read;
  RequestOid oid;
  if (const Result made = job_text_oid(a, value->get_long(nullptr), char_set, &oid); failed(made)) {
    return made;
  }
  return texts.fetch(oid.text, field, N);
}

Result identifier_of(RowReader& cells, DvkJobInfo* record) {
  if (cells.value(kIdentifierColumn) == nullptr) return kOk;
  const Owned<IVsnOid> index = cells.index(kIdentifierColumn);
  if (index == nullptr) return cells.status();
  return job_identifier(*index, record->job_id, sizeof record->job_id);
}

}  // namespace

bool job_kept(std::int32_t kind, std::int32_t status_code) noexcept {
  switch (kind) {
    case kJobsAll:
      return true;
    case kJobsNot17:
      return status_code != kJobStatusCode17;
    case kJobsOnly17:
      return status_code == kJobStatusCode17;
    default:
      return false;
  }
}

Result job_text_oid(std::uint32_t a, std::int32_t b, std::int32_t char_set,
                    RequestOid* out) noexcept {
  return format_request_oid(kJobTextColumn, {a, b, char_set}, out);
}

Result job_identifier(const IVsnOid& index, char* field, std::size_t capacity) noexcept {
  copy_to_field(field, capacity, static_cast<const char*>(nullptr));
  Result err = kOk;
  const Owned<IVsnOid> octets(index.clone(&err));
  if (octets == nullptr) return err;
  if (octets->length() > 0) {
    if (const Result removed = octets->remove(0, kIdentifierSkipped); failed(removed)) {
      return removed;
    }
  }
  const Owned<IVsnValue> identifier(vsn_create_value(tag::kOctetString, &err));
  if (identifier == nullptr) return err;
  if (const Result read = identifier->read_index(octets.get(), 1, kIdentifierOctets);
      failed(read)) {
    return read;
  }
  const Owned<IVexBuffer> text(identifier->to_text(&err));
  if (text == nullptr) return err;
  if (text->data() != nullptr) copy_to_field(field, capacity, text->data());
  return kOk;
}

DvkDateTime date_and_time(std::span<const std::uint8_t> octets) noexcept {
  DvkDateTime time{};
  if (octets.size() >= 1) time.year = static_cast<std::uint16_t>(octets[0] << 8);
  if (octets.size() >= 2) time.year = static_cast<std::uint16_t>(time.year | octets[1]);
  time.month = signed_octet(octets, 2);
  time.day = signed_octet(octets, 3);
  time.hour = signed_octet(octets, 4);
  time.minutes = signed_octet(octets, 5);
  time.seconds = signed_octet(octets, 6);
  return time;
}

Result job_record(RowView row, std::int32_t char_set, JobTexts& texts,
                  DvkJobInfo* record) noexcept {
  if (record == nullptr) return kInvalidArgument;
  std::memset(record, 0, sizeof *record);
  RowReader cells(kJobTable, row);
  record->job_type = cells.text_code(kType, job_type_code);
  record->status_code = cells.integer(kStatusCode);
  record->detail_code = cells.integer(kDetailCode);
  record->counter_1 = cells.unsigned_integer(kCounter1);
  record->counter_2 = cells.unsigned_integer(kCounter2);
  Result step = coded_text(cells, kCodedText1, char_set, texts, record->text_1);
  if (succeeded(step)) step = coded_text(cells, kCodedText2, char_set, texts, record->text_2);
  if (succeeded(step)) step = coded_text(cells, kCodedText3, char_set, texts, record->text_3);
  if (succeeded(step)) step = identifier_of(cells, record);
  if (failed(step)) return step;
  cells.text(kName, record->name);
  record->time_1 = date_and_time(cells.bytes(kTime1));
  record->time_2 = date_and_time(cells.bytes(kTime2));
  record->time_3 = date_and_time(cells.bytes(kTime3));
  return cells.status();
}

}  // namespace vex
