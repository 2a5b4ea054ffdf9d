#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/status/request_oid.h"
#include "device/status/status_rows.h"
#include "framework/result_codes.h"
#include "plugin/dvk_plugin.h"
#include "snmp/model/vsn_oid.h"

namespace vex {

// Job list kinds: every job, the jobs whose status code is not 17, those whose
// status code is 17.
inline constexpr std::int32_t kJobsAll = 0;
inline constexpr std::int32_t kJobsNot17 = 1;
inline constexpr std::int32_t kJobsOnly17 = 2;
inline constexpr std::int32_t kJobStatusCode17 = 17;

// Whether a job of the status code belongs to the list kind; no job belongs to
// a kind outside 0 to 2.
bool job_kept(std::int32_t kind, std::int32_t status_code) noexcept;

// Fetches the text of one coded job value (one get of `oid` into the field).
class JobTexts {
 public:
  virtual ~JobTexts() = default;
  virtual Result fetch(const char* oid, char* field, std::size_t capacity) = 0;
};

// The text-table object of the coded value: kJobTextColumn.a.b.char_set, a the
// first sub-identifier of the value's row index and b the value.
Result job_text_oid(std::uint32_t a, std::int32_t b, std::int32_t char_set,
                    RequestOid* out) noexcept;

// The job identifier from the row index of the identifier column: the index
// without its first two sub-identifiers, read as an IMPLIED octet string of at
// most 8 octets (-401 for a sub-identifier above 255), as text in the field.
Result job_identifier(const IVsnOid& index, char* field, std::size_t capacity) noexcept;

// A DateAndTime octet string: year from octets 0 and 1 (big-endian), month,
// day, hour, minutes and seconds from octets 2 to 6 as signed octets; the
// deci-seconds and the time zone are ignored; missing octets count as 0.
DvkDateTime date_and_time(std::span<const std::uint8_t> octets) noexcept;

// One job row (columns of kJobTable) as a record. The coded columns' texts
// come from `texts`, looked up in the character set; a cell the row lacks
// gives the empty text without a lookup. A failed lookup or identifier returns
// its code.
Result job_record(RowView row, std::int32_t char_set, JobTexts& texts, DvkJobInfo* record) noexcept;

}  // namespace vex
