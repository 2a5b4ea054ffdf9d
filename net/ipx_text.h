#pragma once

#include <cstddef>
#include <cstdint>

// The IPX address text: the 4 network bytes, ":", the 6 node bytes, each
// byte as two hexadecimal digits ("0000000a:00a0b1c2d3e4").
namespace vex {

inline constexpr std::size_t kIpxTextLength = 21;
inline constexpr std::size_t kIpxAddressBytes = 10;
inline constexpr const char* kIpxAnyText = "00000000:000000000000";

// Exactly 21 characters that scan as the ten bytes.
bool is_ipx_text(const char* text) noexcept;

// Reads as many bytes as the text supplies; the others become zero.
void ipx_text_to_bytes(const char* text, std::uint8_t (&bytes)[kIpxAddressBytes]) noexcept;
void ipx_bytes_to_text(const std::uint8_t (&bytes)[kIpxAddressBytes],
                       char (&text)[kIpxTextLength + 1]) noexcept;

}  // namespace vex
