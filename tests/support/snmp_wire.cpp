#include "tests/support/snmp_wire.h"

#include <charconv>
#include <cstddef>

namespace vex::test::wire {
namespace {

using Bytes = std::vector<std::uint8_t>;

void append_length(Bytes& out, std::size_t length) {
  if (length < 0x80) {
    out.push_back(static_cast<std::uint8_t>(length));
    return;
  }
  Bytes digits;
  for (; length > 0; length >>= 8) digits.insert(digits.begin(), length & 0xFF);
  out.push_back(static_cast<std::uint8_t>(0x80 | digits.size()));
  out.insert(out.end(), digits.begin(), digits.end());
}

Bytes tlv(std::uint8_t tag, const Bytes& content) {
  Bytes out{tag};
  append_length(out, content.size());
  out.insert(out.end(), content.begin(), content.end());
  return out;
}

void append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

void append_base128(Bytes& out, std::uint64_t number) {
  Bytes digits{static_cast<std::uint8_t>(number & 0x7F)};
  for (number >>= 7; number > 0; number >>= 7) {
    digits.insert(digits.begin(), static_cast<std::uint8_t>(0x80 | (number & 0x7F)));
  }
  append(out, digits);
}

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // One element: its tag and contents; nothing when the bytes are malformed.
  std::optional<Value> next() {
    if (at_ + 2 > bytes_.size()) return std::nullopt;
    Value element;
    element.tag = bytes_[at_++];
    std::size_t length = bytes_[at_++];
    if (length & 0x80) {
      const std::size_t digits = length & 0x7F;
      if (digits == 0 || digits > 4 || at_ + digits > bytes_.size()) return std::nullopt;
      length = 0;
      for (std::size_t i = 0; i < digits; ++i) length = (length << 8) | bytes_[at_++];
    }
    if (length > bytes_.size() - at_) return std::nullopt;
    element.content.assign(bytes_.begin() + at_, bytes_.begin() + at_ + length);
    at_ += length;
    return element;
  }
  bool done() const noexcept { return at_ == bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

std::optional<std::int32_t> read_int(Reader& reader) {
  const auto element = reader.next();
  if (!element || element->tag != kInteger) return std::nullopt;
  return static_cast<std::int32_t>(element->as_integer());
}

std::optional<std::vector<Binding>> read_bindings(const Value& list) {
  if (list.tag != 0x30) return std::nullopt;
  std::vector<Binding> bindings;
  Reader items(list.content);
  while (!items.done()) {
    const auto item = items.next();
    if (!item || item->tag != 0x30) return std::nullopt;
    Reader parts(item->content);
    const auto name = parts.next();
    const auto value = parts.next();
    if (!name || !value || name->tag != kObjectId) return std::nullopt;
    bindings.push_back({name->as_object_id(), *value});
  }
  return bindings;
}

}  // namespace

Value Value::integer(std::int64_t number) {
  Value value{kInteger, {}};
  Bytes digits;
  for (;;) {
    digits.insert(digits.begin(), static_cast<std::uint8_t>(number & 0xFF));
    const bool sign = digits.front() & 0x80;
    number >>= 8;
    if ((number == 0 && !sign) || (number == -1 && sign)) break;
  }
  value.content = digits;
  return value;
}

Value Value::octets(const std::string& text) {
  return {kOctetString, Bytes(text.begin(), text.end())};
}

Value Value::object_id(const std::string& dotted) {
  std::vector<std::uint64_t> arcs;
  const char* at = dotted.data();
  const char* end = at + dotted.size();
  while (at < end) {
    if (*at == '.') {
      ++at;
      continue;
    }
    std::uint64_t arc = 0;
    const auto parsed = std::from_chars(at, end, arc);
    if (parsed.ec != std::errc()) break;
    arcs.push_back(arc);
    at = parsed.ptr;
  }
  Value value{kObjectId, {}};
  if (arcs.size() < 2) return value;
  append_base128(value.content, arcs[0] * 40 + arcs[1]);
  for (std::size_t i = 2; i < arcs.size(); ++i) append_base128(value.content, arcs[i]);
  return value;
}

std::int64_t Value::as_integer() const {
  if (content.empty()) return 0;
  const bool is_signed = tag == kInteger;
  std::int64_t number = (is_signed && (content[0] & 0x80)) ? -1 : 0;
  for (const auto byte : content)
    number = static_cast<std::int64_t>((static_cast<std::uint64_t>(number) << 8) | byte);
  return number;
}

std::string Value::as_text() const { return std::string(content.begin(), content.end()); }

std::string Value::as_object_id() const {
  std::string text;
  std::uint64_t arc = 0;
  bool first = true;
  for (const auto byte : content) {
    arc = (arc << 7) | (byte & 0x7F);
    if (byte & 0x80) continue;
    if (first) {
      const std::uint64_t top = arc < 80 ? arc / 40 : 2;
      text = std::to_string(top) + "." + std::to_string(arc - top * 40);
      first = false;
    } else {
      text += "." + std::to_string(arc);
    }
    arc = 0;
  }
  return text;
}

std::vector<std::uint8_t> encode(const Message& message) {
  Bytes list;
  for (const auto& binding : message.bindings) {
    Bytes item = tlv(kObjectId, Value::object_id(binding.oid).content);
    append(item, tlv(binding.value.tag, binding.value.content));
    append(list, tlv(0x30, item));
  }
  Bytes pdu = tlv(kInteger, Value::integer(message.request_id).content);
  append(pdu, tlv(kInteger, Value::integer(message.error_status).content));
  append(pdu, tlv(kInteger, Value::integer(message.error_index).content));
  append(pdu, tlv(0x30, list));
  Bytes body = tlv(kInteger, Value::integer(message.version).content);
  append(body, tlv(kOctetString, Value::octets(message.community).content));
  append(body, tlv(message.pdu_type, pdu));
  return tlv(0x30, body);
}

std::optional<Message> decode(std::span<const std::uint8_t> bytes) {
  Reader outer(bytes);
  const auto sequence = outer.next();
  if (!sequence || sequence->tag != 0x30 || !outer.done()) return std::nullopt;
  Reader body(sequence->content);
  Message message;
  const auto version = read_int(body);
  const auto community = body.next();
  const auto pdu = body.next();
  if (!version || !community || community->tag != kOctetString || !pdu) return std::nullopt;
  message.version = *version;
  message.community = community->as_text();
  message.pdu_type = pdu->tag;
  Reader fields(pdu->content);
  const auto request_id = read_int(fields);
  const auto error_status = read_int(fields);
  const auto error_index = read_int(fields);
  const auto list = fields.next();
  if (!request_id || !error_status || !error_index || !list) return std::nullopt;
  message.request_id = *request_id;
  message.error_status = *error_status;
  message.error_index = *error_index;
  auto bindings = read_bindings(*list);
  if (!bindings) return std::nullopt;
  message.bindings = std::move(*bindings);
  return message;
}

Message request(std::uint8_t pdu_type, std::int32_t request_id,
                const std::vector<std::string>& oids, const std::string& community, int version) {
  Message message;
  message.version = version;
  message.community = community;
  message.pdu_type = pdu_type;
  message.request_id = request_id;
  for (const auto& oid : oids) message.bindings.push_back({oid, Value::null()});
  return message;
}

}  // namespace vex::test::wire
