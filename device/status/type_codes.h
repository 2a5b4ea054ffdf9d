#pragma once

#include <cstdint>

// Codes the host records carry for OBJECT IDENTIFIER values. Each compares
// the identifier's text exactly with the known type identifiers and answers the
// last sub-identifier of the match, or 0 for anything else (null included).
namespace vex {

// hrStorageTypes 1.3.6.1.2.1.25.2.1.n, n = 1 to 8.
std::int32_t storage_type_code(const char* oid_text) noexcept;

// hrDeviceTypes 1.3.6.1.2.1.25.3.1.n (n = 1 to 6, 10 to 21) and the printer
// family's device types 1.3.6.1.4.1.253.8.52.2.n (n = 101 to 109, 151 to 154,
// 201 to 207): 38 types.
std::int32_t device_type_code(const char* oid_text) noexcept;

// Job types 1.3.6.1.4.1.253.8.58.2.n, n = 1 to 12.
std::int32_t job_type_code(const char* oid_text) noexcept;

}  // namespace vex
