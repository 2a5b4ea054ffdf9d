#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A small SNMPv1/v2c message codec of the test peers, independent of the
// plug-in's own codec, so that tests can build requests and read answers
// byte by byte.
namespace vex::test::wire {

inline constexpr std::uint8_t kInteger = 0x02;
inline constexpr std::uint8_t kOctetString = 0x04;
inline constexpr std::uint8_t kNull = 0x05;
inline constexpr std::uint8_t kObjectId = 0x06;
inline constexpr std::uint8_t kGet = 0xA0;
inline constexpr std::uint8_t kGetNext = 0xA1;
inline constexpr std::uint8_t kResponse = 0xA2;
inline constexpr std::uint8_t kSet = 0xA3;

struct Value {
  std::uint8_t tag = kNull;
  std::vector<std::uint8_t> content;  // the encoded contents, without tag and length

  static Value null() { return {}; }
  static Value integer(std::int64_t number);
  static Value octets(const std::string& text);
  static Value object_id(const std::string& dotted);

  std::int64_t as_integer() const;   // INTEGER and the unsigned application types
  std::string as_text() const;       // the octets as they are
  std::string as_object_id() const;  // dotted text; empty when malformed
};

struct Binding {
  std::string oid;
  Value value;
};

struct Message {
  int version = 0;  // 0 SNMPv1, 1 SNMPv2c
  std::string community = "public";
  std::uint8_t pdu_type = kGet;
  std::int32_t request_id = 0;
  std::int32_t error_status = 0;
  std::int32_t error_index = 0;
  std::vector<Binding> bindings;
};

std::vector<std::uint8_t> encode(const Message& message);
std::optional<Message> decode(std::span<const std::uint8_t> bytes);

// A request for the given objects, each with a NULL value.
Message request(std::uint8_t pdu_type, std::int32_t request_id,
                const std::vector<std::string>& oids, const std::string& community = "public",
                int version = 0);

}  // namespace vex::test::wire
