// The value elements of the stream encoder, one visitor operation a class.
#include "logging/vex_log.h"
#include "snmp/codec/oid_arcs.h"
#include "snmp/codec/scratch_area.h"
#include "snmp/codec/stream_encoder.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;
namespace ber = vex::ber;

namespace {

std::uint8_t own_tag(const IVsnValue* value) { return static_cast<std::uint8_t>(value->type()); }

}  // namespace

Result StreamMessageEncoder::encode_oid_text(std::string_view text) {
  std::uint32_t content = 0;
  if (!text.empty()) {
    if (text.find('.') == std::string_view::npos) {
      vex_snmp_logger()->log(vex::kLogError, "encode error:oid size is 1.");
      return kInvalidArgument;
    }
    vex::ScratchBytes ber;
    if (!ber.reserve(vex::oid_arcs::max_ber_length(text.size()))) return vex::kOutOfMemory;
    content = static_cast<std::uint32_t>(vex::oid_arcs::to_ber(text, ber.data()));
    writer_->prepend_bytes(ber.data(), content);
  }
  element_length_ = writer_->prepend_header(ber::kObjectId, content);
  return kOk;
}

Result StreamMessageEncoder::encode_name(const IVsnOid* name) {
  const std::string_view text = name->text();
  const std::span<const std::uint8_t> contents = names_.encode(text);
  if (contents.empty()) return encode_oid_text(text);
  writer_->prepend_bytes(contents.data(), contents.size());
  element_length_ =
      writer_->prepend_header(ber::kObjectId, static_cast<std::uint32_t>(contents.size()));
  return kOk;
}

Result StreamMessageEncoder::visit_oid(IVsnValue* value) {
  if (!writer_) return vex::kNotInitialised;
  const IVsnOid* oid = value != nullptr ? value->as_oid() : nullptr;
  if (oid == nullptr) return kInvalidArgument;
  return encode_oid_text(oid->text());
}

Result StreamMessageEncoder::visit_octet_string(IVsnValue* value) {
  if (!writer_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  std::int32_t length = 0;
  Result result = kOk;
  const std::uint8_t* bytes = value->get_bytes(&length, &result);
  if (vex::failed(result)) return result;
  const auto n = static_cast<std::uint32_t>(length);
  writer_->prepend_bytes(bytes, n);
  element_length_ = writer_->prepend_header(own_tag(value), n);
  return kOk;
}

Result StreamMessageEncoder::visit_integer(IVsnValue* value) {
  if (!writer_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  Result result = kOk;
  const std::int32_t number = value->get_long(&result);
  if (vex::failed(result)) return result;
  encode_integer(number);
  return kOk;
}

Result StreamMessageEncoder::visit_null(IVsnValue* value) {
  if (!writer_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  element_length_ = writer_->prepend_header(own_tag(value), 0);
  return kOk;
}

Result StreamMessageEncoder::visit_counter32(IVsnValue* value) { return visit_gauge32(value); }

Result StreamMessageEncoder::visit_gauge32(IVsnValue* value) {
  if (!writer_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  Result result = kOk;
  const std::uint32_t number = value->get_ulong(&result);
  if (vex::failed(result)) return result;
  const std::uint32_t n = vex::unsigned_content_length(number);
  writer_->prepend_number(number, n);
  element_length_ = writer_->prepend_header(own_tag(value), n);
  return kOk;
}

Result StreamMessageEncoder::visit_timeticks(IVsnValue* value) { return visit_gauge32(value); }

Result StreamMessageEncoder::visit_counter64(IVsnValue* value) {
  if (!writer_) return vex::kNotInitialised;
  if (value == nullptr) return kInvalidArgument;
  Result result = kOk;
  const std::uint32_t high = value->get_high32(&result);
  if (vex::succeeded(result)) {
    const std::uint32_t low = value->get_low32(&result);
    if (vex::succeeded(result)) {
      // Minimal big-endian form of the 64-bit number: a leading 0x00 when its
      // top bit is set, so at most nine octets.
      const std::uint32_t n =
          high != 0 ? vex::unsigned_content_length(high) + 4 : vex::unsigned_content_length(low);
      writer_->prepend_number(low, n < 4 ? n : 4);
      if (n > 4) writer_->prepend_number(high, n - 4);
      element_length_ = writer_->prepend_header(ber::kCounter64, n);
    }
  }
  return result;
}

Result StreamMessageEncoder::visit_ipaddress(IVsnValue* value) { return visit_octet_string(value); }

Result StreamMessageEncoder::visit_ipv6_address(IVsnValue* value) {
  return visit_octet_string(value);
}

// Transport addresses with a port or socket have no SNMPv1/v2c form.
Result StreamMessageEncoder::visit_udp_address(IVsnValue* /*value*/) { return vex::kNotSupported; }

Result StreamMessageEncoder::visit_ipx_address(IVsnValue* /*value*/) { return vex::kNotSupported; }

Result StreamMessageEncoder::visit_exception(IVsnValue* value) { return visit_null(value); }
