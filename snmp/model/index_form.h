#pragma once

#include <cstdint>

#include "framework/result_codes.h"

class IVsnOid;

// Reading values back out of the sub-identifiers of a table index.
namespace vex {

// Sub-identifier pos of the identifier; its element_at error otherwise
// (-7 past the end, -8 for the empty identifier).
Result read_subid(const IVsnOid& oid, std::uint32_t pos, std::uint32_t& out);

// As read_subid for a byte of a string index: above 255 -> -401.
Result read_byte_subid(const IVsnOid& oid, std::uint32_t pos, std::uint8_t& out);

// Sub-identifier pos must be `wanted` (a length prefix or domain number),
// otherwise -401.
Result expect_subid(const IVsnOid& oid, std::uint32_t pos, std::uint32_t wanted);

}  // namespace vex
