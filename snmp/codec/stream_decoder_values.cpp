// The value elements of the stream decoder, one visitor operation a class,
// and the binding's value chosen by its tag.
#include <cstdint>
#include <limits>

#include "snmp/codec/ber_tags.h"
#include "snmp/codec/codec_log.h"
#include "snmp/codec/oid_arcs.h"
#include "snmp/codec/scratch_area.h"
#include "snmp/codec/stream_decoder.h"
#include "snmp/model/vsn_factory.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_varbind.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;
namespace ber = vex::ber;
namespace tag = vex::tag;

namespace {

std::uint8_t own_tag(const IVsnValue* value) { return static_cast<std::uint8_t>(value->type()); }

bool is_value_tag(std::uint8_t t) {
  switch (t) {
    case tag::kInteger:
    case tag::kOctetString:
    case tag::kNull:
    case tag::kObjectId:
    case tag::kIpAddress:
    case tag::kCounter32:
    case tag::kGauge32:
    case tag::kTimeTicks:
    case tag::kOpaque:
    case tag::kCounter64:
    case tag::kNoSuchObject:
    case tag::kNoSuchInstance:
    case tag::kEndOfMibView:
      return true;
    default:
      return false;
  }
}

const char* const kOidCutOff = "decode error. oid format is wrong.";

}  // namespace

Result StreamMessageDecoder::decode_value(IVsnVarBind* binding) {
  std::uint8_t found = 0;
  Result result = reader_->peek_octet(&found);
  if (vex::failed(result)) return result;
  if (!is_value_tag(found)) return vex::refuse("decode error: unknown asn type.");
  IVsnValue* value = binding->value();
  if (value == nullptr || value->type() != found) {
    value = vsn_create_value(found, &result);
    if (value == nullptr) return result;
    binding->set_value(value);
  }
  return value->accept(this);
}

Result StreamMessageDecoder::read_integer_element(std::int32_t* value) {
  std::uint32_t length = 0;
  const Result result = reader_->read_header(ber::kInteger, &length);
  if (vex::failed(result)) return result;
  return reader_->read_integer(length, value);
}

Result StreamMessageDecoder::read_oid_contents(const std::uint8_t** contents,
                                               std::uint32_t* length) {
  const Result result = reader_->read_header(ber::kObjectId, length);
  if (vex::failed(result) || *length == 0) return result;
  // Sub-identifiers are read past the element's length until one ends: one
  // that the data cuts off makes a malformed identifier, one that ends after
  // the element's last octet spoils the element's length.
  if (*length > reader_->remaining()) return vex::refuse(kOidCutOff);
  reader_->take_bytes(*length, contents);
  const std::uint8_t* stop = *contents + *length;
  if ((stop[-1] & vex::oid_arcs::kMore) == 0) return kOk;
  const std::uint8_t* last = stop;
  while (last != reader_->end() && (*last & vex::oid_arcs::kMore) != 0) ++last;
  return last == reader_->end() ? vex::refuse(kOidCutOff) : vex::kUndecodable;
}

Result StreamMessageDecoder::decode_oid(IVsnOid* oid) {
  oid->clear();
  const std::uint8_t* at = nullptr;
  std::uint32_t length = 0;
  const Result result = read_oid_contents(&at, &length);
  if (vex::failed(result) || length == 0) return result;
  return set_oid_text(oid, at, length);
}

Result StreamMessageDecoder::decode_name(IVsnOid* oid) {
  oid->clear();
  const std::uint8_t* at = nullptr;
  std::uint32_t length = 0;
  const Result result = read_oid_contents(&at, &length);
  if (vex::failed(result) || length == 0) return result;
  const std::string_view text = names_.decode(at, length);
  if (text.empty()) return set_oid_text(oid, at, length);
  return oid->set_bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                        static_cast<std::int32_t>(text.size()));
}

Result StreamMessageDecoder::set_oid_text(IVsnOid* oid, const std::uint8_t* at,
                                          std::uint32_t length) {
  vex::ScratchText text;
  if (!text.reserve(vex::oid_arcs::max_text_length(length))) return vex::kOutOfMemory;
  // The last octet ends a sub-identifier, so none runs past `stop`.
  const std::uint8_t* stop = at + length;
  char* out = vex::oid_arcs::write_first_arcs(text.data(), vex::oid_arcs::next_subid(&at));
  while (at != stop) out = vex::oid_arcs::write_next_arc(out, &at);
  return oid->set_bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                        static_cast<std::int32_t>(out - text.data()));
}

Result StreamMessageDecoder::visit_oid(IVsnValue* value) {
  if (!reader_) return vex::kNotInitialised;
  IVsnOid* oid = value != nullptr ? value->as_oid() : nullptr;
  if (oid == nullptr) return kInvalidArgument;
  return decode_oid(oid);
}

Result StreamMessageDecoder::visit_octet_string(IVsnValue* value) {
  if (!reader_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  std::uint32_t length = 0;
  const std::uint8_t* bytes = nullptr;
  Result result = reader_->read_header(own_tag(value), &length);
  if (vex::succeeded(result)) result = reader_->take_bytes(length, &bytes);
  if (vex::failed(result)) return result;
  if (length > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
    return vex::kUndecodable;
  }
  result = value->set_bytes(bytes, static_cast<std::int32_t>(length));
  // A fixed-size address refuses any other length: the message is malformed.
  return result == kInvalidArgument ? vex::kUndecodable : result;
}

Result StreamMessageDecoder::read_number(const IVsnValue* value, std::int32_t* number) {
  if (!reader_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  std::uint32_t length = 0;
  const Result result = reader_->read_header(own_tag(value), &length);
  return vex::succeeded(result) ? reader_->read_integer(length, number) : result;
}

Result StreamMessageDecoder::visit_integer(IVsnValue* value) {
  std::int32_t number = 0;
  const Result result = read_number(value, &number);
  return vex::succeeded(result) ? value->set_long(number) : result;
}

Result StreamMessageDecoder::visit_null(IVsnValue* value) {
  if (!reader_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  std::uint32_t length = 0;
  const Result result = reader_->read_header(own_tag(value), &length);
  if (vex::failed(result)) return result;
  return length == 0 ? kOk : vex::kUndecodable;
}

Result StreamMessageDecoder::visit_counter32(IVsnValue* value) { return visit_gauge32(value); }

Result StreamMessageDecoder::visit_gauge32(IVsnValue* value) {
  std::int32_t number = 0;
  const Result result = read_number(value, &number);
  return vex::succeeded(result) ? value->set_ulong(static_cast<std::uint32_t>(number)) : result;
}

Result StreamMessageDecoder::visit_timeticks(IVsnValue* value) { return visit_gauge32(value); }

Result StreamMessageDecoder::visit_counter64(IVsnValue* value) {
  if (!reader_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  std::uint32_t length = 0;
  Result result = reader_->read_header(own_tag(value), &length);
  if (vex::failed(result)) return result;
  // The last four octets form the low word; earlier ones shift into the high word.
  std::uint32_t high = 0;
  std::uint32_t low = 0;
  for (std::uint32_t i = 0; i < length; ++i) {
    std::uint8_t octet = 0;
    if (vex::failed(reader_->read_octet(&octet))) {
      return vex::refuse("decode error: counter64 format is wrong.");
    }
    high = (high << 8) | (low >> 24);
    low = (low << 8) | octet;
  }
  result = value->set_high32(high);
  return vex::succeeded(result) ? value->set_low32(low) : result;
}

Result StreamMessageDecoder::visit_ipaddress(IVsnValue* value) { return visit_octet_string(value); }

Result StreamMessageDecoder::visit_ipv6_address(IVsnValue* value) {
  return visit_octet_string(value);
}

// No tag of a received value leads to the framework's transport addresses.
Result StreamMessageDecoder::visit_udp_address(IVsnValue* /*value*/) { return vex::kNotSupported; }

Result StreamMessageDecoder::visit_ipx_address(IVsnValue* /*value*/) { return vex::kNotSupported; }

Result StreamMessageDecoder::visit_exception(IVsnValue* value) { return visit_null(value); }
