#include "snmp/codec/ber_reader.h"

namespace vex {
namespace {

constexpr std::uint32_t kUnsignedFiveOctets = 5;

}  // namespace

Result BerReader::read_length(std::uint32_t* length) noexcept {
  *length = 0;
  std::uint8_t first = 0;
  Result result = read_octet(&first);
  if (failed(result)) return result;
  if ((first & kLongForm) == 0) {
    *length = first;
    return kOk;
  }
  std::uint32_t count = first & 0x7FU;
  if (count == 0) return kUndecodable;  // indefinite form
  std::uint32_t value = 0;
  for (; count != 0; --count) {
    std::uint8_t octet = 0;
    result = read_octet(&octet);
    if (failed(result)) return result;
    value = (value << 8) | octet;
  }
  *length = value;
  return kOk;
}

Result BerReader::read_any_header(std::uint8_t tag, std::uint32_t* length) noexcept {
  *length = 0;
  std::uint8_t found = 0;
  const Result result = read_octet(&found);
  if (failed(result)) return result;
  if (found != tag) return kUndecodable;
  return read_length(length);
}

Result BerReader::read_any_integer(std::uint32_t n, std::int32_t* value) noexcept {
  *value = 0;
  if (n == 0) return kOk;
  std::uint8_t octet = 0;
  Result result = read_octet(&octet);
  if (failed(result)) return result;
  if (n == kUnsignedFiveOctets && octet != 0) return kUndecodable;
  std::uint32_t bits = (octet & kSignBit) != 0 ? ~std::uint32_t{0} : 0;
  bits = (bits << 8) | octet;
  for (std::uint32_t i = 1; i < n; ++i) {
    result = read_octet(&octet);
    if (failed(result)) return result;
    bits = (bits << 8) | octet;
  }
  *value = static_cast<std::int32_t>(bits);
  return kOk;
}

Result BerReader::take_bytes(std::uint32_t n, const std::uint8_t** bytes) noexcept {
  *bytes = nullptr;
  if (n > remaining()) {
    if (cursor_ == end_) exhausted_ = true;
    return kUndecodable;
  }
  *bytes = cursor_;
  cursor_ += n;
  return kOk;
}

}  // namespace vex
