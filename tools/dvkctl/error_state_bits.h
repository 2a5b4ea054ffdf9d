#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dvkctl {

// The names of the bits set in hrPrinterDetectedErrorState (Host Resources
// MIB, RFC 3805's additions included), first octet first and each octet's
// most significant bit first; a bit without a name is called "bit N".
std::vector<std::string> detected_error_names(const std::uint8_t (&octets)[4]);

// The four octets as eight hexadecimal digits.
std::string detected_error_hex(const std::uint8_t (&octets)[4]);

}  // namespace dvkctl
