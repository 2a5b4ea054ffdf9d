#pragma once

#include <cstdint>

namespace vex {

// BER identifier octets the codec writes and reads besides the value tags.
namespace ber {
inline constexpr std::uint8_t kInteger = 0x02;
inline constexpr std::uint8_t kOctetString = 0x04;
inline constexpr std::uint8_t kObjectId = 0x06;
inline constexpr std::uint8_t kSequence = 0x30;
inline constexpr std::uint8_t kIpAddress = 0x40;
inline constexpr std::uint8_t kCounter64 = 0x46;
inline constexpr std::uint8_t kPduBase = 0xA0;
inline constexpr std::uint8_t kV2Trap = 0xA7;
inline constexpr std::uint8_t kLongLength = 0x80;
}  // namespace ber

}  // namespace vex
