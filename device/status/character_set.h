#pragma once

#include <array>
#include <cstdint>

#include "device/status/request_oid.h"
#include "device/status/status_rows.h"
#include "device/status/status_tables.h"
#include "framework/result_codes.h"

namespace vex {

// Character-set kinds: 0 the printer's current character set, 1 the character
// set of the job texts.
inline constexpr std::int32_t kPrinterCharacterSet = 0;
inline constexpr std::int32_t kJobCharacterSet = 1;

// A kind's reading: walk `walked`, then for each row get get_column.h.v, with
// h the first sub-identifier of the row's index and v the row's value.
struct CharacterSetKind {
  TableColumns walked;
  const char* get_column;
};

inline constexpr std::array<const char*, 1> kCurrentLocalizationColumn{
    "1.3.6.1.2.1.43.5.1.1.2"};  // prtGeneralCurrentLocalization
inline constexpr std::array<const char*, 1> kJobLocalizationColumn{"1.3.6.1.4.1.253.8.51.3.1.1.1"};

inline constexpr std::array<CharacterSetKind, 2> kCharacterSetKinds{{
    // prtLocalizationCharacterSet
    {{kCurrentLocalizationColumn, kCurrentLocalizationColumn[0]}, "1.3.6.1.2.1.43.7.1.1.4"},
    {{kJobLocalizationColumn, kJobLocalizationColumn[0]}, "1.3.6.1.4.1.253.8.51.4.1.1.7"},
}};

// The kind's reading, or null for a kind other than 0 and 1.
const CharacterSetKind* character_set_kind(std::int32_t kind) noexcept;

// The object to get for one walked row. -7 when the row has no value under
// the walked column (it cannot name h).
Result character_set_oid(const CharacterSetKind& kind, RowView row, RequestOid* out) noexcept;

}  // namespace vex
