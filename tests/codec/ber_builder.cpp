#include "tests/codec/ber_builder.h"

#include <charconv>
#include <cstdio>

namespace codec_test {
namespace {

int digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void append_base128(Bytes& out, std::uint64_t number) {
  Bytes digits{static_cast<std::uint8_t>(number & 0x7F)};
  for (number >>= 7; number > 0; number >>= 7) {
    digits.insert(digits.begin(), static_cast<std::uint8_t>(0x80 | (number & 0x7F)));
  }
  out.insert(out.end(), digits.begin(), digits.end());
}

}  // namespace

Bytes hex(std::string_view text) {
  Bytes out;
  int high = -1;
  for (const char c : text) {
    const int d = digit(c);
    if (d < 0) continue;
    if (high < 0) {
      high = d;
    } else {
      out.push_back(static_cast<std::uint8_t>(high * 16 + d));
      high = -1;
    }
  }
  return out;
}

std::string hex_of(const Bytes& bytes) {
  std::string out;
  char pair[4];
  for (const auto b : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    if (!out.empty()) out += ' ';
    out += pair;
  }
  return out;
}

Bytes join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes tlv(std::uint8_t tag, const Bytes& content) {
  Bytes out{tag};
  std::size_t length = content.size();
  if (length < 0x80) {
    out.push_back(static_cast<std::uint8_t>(length));
  } else {
    Bytes digits;
    for (; length > 0; length >>= 8) digits.insert(digits.begin(), length & 0xFF);
    out.push_back(static_cast<std::uint8_t>(0x80 | digits.size()));
    out.insert(out.end(), digits.begin(), digits.end());
  }
  out.insert(out.end(), content.begin(), content.end());
  return out;
}

Bytes integer(std::int64_t value, std::uint8_t tag) {
  Bytes digits;
  for (;;) {
    digits.insert(digits.begin(), static_cast<std::uint8_t>(value & 0xFF));
    const bool sign = (digits.front() & 0x80) != 0;
    value >>= 8;
    if ((value == 0 && !sign) || (value == -1 && sign)) break;
  }
  return tlv(tag, digits);
}

Bytes octets(std::string_view text, std::uint8_t tag) {
  return tlv(tag, Bytes(text.begin(), text.end()));
}

Bytes oid(std::string_view dotted, std::uint8_t tag) {
  std::vector<std::uint64_t> arcs;
  const char* at = dotted.data();
  const char* end = at + dotted.size();
  while (at < end) {
    std::uint64_t arc = 0;
    const auto parsed = std::from_chars(at, end, arc);
    arcs.push_back(arc);
    at = parsed.ptr + (parsed.ptr < end ? 1 : 0);
  }
  Bytes content;
  if (arcs.size() >= 2) {
    append_base128(content, arcs[0] * 40 + arcs[1]);
    for (std::size_t i = 2; i < arcs.size(); ++i) append_base128(content, arcs[i]);
  }
  return tlv(tag, content);
}

Bytes binding(std::string_view name, const Bytes& value) {
  return tlv(0x30, join({oid(name), value}));
}

Bytes bindings(std::initializer_list<Bytes> items) { return tlv(0x30, join(items)); }

Bytes request_fields(std::int32_t request_id, std::int32_t error_status, std::int32_t error_index) {
  return join({integer(request_id), integer(error_status), integer(error_index)});
}

Bytes trap_fields(std::string_view enterprise, std::int64_t generic, std::int64_t specific,
                  std::uint32_t time_stamp) {
  return join({oid(enterprise), tlv(0x40, {10, 0, 0, 1}), integer(generic), integer(specific),
               integer(time_stamp, 0x43)});
}

Bytes message(std::int64_t version, std::string_view community, std::uint8_t pdu_tag,
              const Bytes& pdu_contents) {
  return tlv(0x30, join({integer(version), octets(community), tlv(pdu_tag, pdu_contents)}));
}

Bytes response(const Bytes& binding_list, std::int32_t request_id) {
  return message(1, "public", 0xA2, join({request_fields(request_id, 0, 0), binding_list}));
}

}  // namespace codec_test
