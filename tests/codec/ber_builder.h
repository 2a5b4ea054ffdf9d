#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Builds BER bytes by hand, apart from the codec under test, so that tests
// can state messages exactly, malformed ones included.
namespace codec_test {

using Bytes = std::vector<std::uint8_t>;

// "30 26 02 01" and "302602 01" alike; anything but hex digits is skipped.
Bytes hex(std::string_view text);
// Upper-case pairs separated by spaces.
std::string hex_of(const Bytes& bytes);

Bytes join(std::initializer_list<Bytes> parts);
// Tag, minimal length, content.
Bytes tlv(std::uint8_t tag, const Bytes& content);
Bytes integer(std::int64_t value, std::uint8_t tag = 0x02);
Bytes octets(std::string_view text, std::uint8_t tag = 0x04);
// The arcs 2 and more as given; the first two folded into one sub-identifier.
Bytes oid(std::string_view dotted, std::uint8_t tag = 0x06);

Bytes binding(std::string_view name, const Bytes& value);
Bytes bindings(std::initializer_list<Bytes> items);
Bytes request_fields(std::int32_t request_id, std::int32_t error_status, std::int32_t error_index);
Bytes trap_fields(std::string_view enterprise, std::int64_t generic, std::int64_t specific,
                  std::uint32_t time_stamp);
// The whole message: version, community, PDU of `pdu_tag` with the contents.
Bytes message(std::int64_t version, std::string_view community, std::uint8_t pdu_tag,
              const Bytes& pdu_contents);
// A Response (0xA2) with request-id 1 and no error, SNMPv2c, community public.
Bytes response(const Bytes& binding_list, std::int32_t request_id = 1);

}  // namespace codec_test
