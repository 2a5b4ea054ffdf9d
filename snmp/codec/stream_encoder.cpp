// The message, PDU and binding structure of the stream encoder; the values
// are in stream_encoder_values.cpp.
#include "snmp/codec/stream_encoder.h"

#include <cstring>

#include "snmp/codec/trap_mapping.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_packet.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_varbind.h"
#include "snmp/model/vsn_varbind_list.h"
#include "snmp/transport/packet_buffer.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;
namespace ber = vex::ber;

namespace {

// PDU kinds with a tag of their own; 7 is not one of them.
bool is_known_pdu_type(std::int32_t type) {
  return type >= vex::pdu_type::kGet && type <= vex::pdu_type::kReport &&
         type != vex::pdu_type::kInform + 1;
}

bool is_community_version(std::int32_t version) {
  return version == vex::snmp_version::kV1 || version == vex::snmp_version::kV2c;
}

std::uint8_t pdu_tag(std::int32_t type, std::int32_t version) {
  if (type == vex::pdu_type::kTrap && version == vex::snmp_version::kV2c) return ber::kV2Trap;
  return static_cast<std::uint8_t>(ber::kPduBase | type);
}

}  // namespace

Result StreamMessageEncoder::fits() const noexcept {
  return writer_->overflow() ? vex::kDoesNotFit : kOk;
}

Result StreamMessageEncoder::close_sequence(std::uint8_t tag, std::ptrdiff_t mark) {
  element_length_ = writer_->prepend_header(tag, writer_->written_since(mark));
  return fits();
}

void StreamMessageEncoder::encode_integer(std::int32_t value) {
  const std::uint32_t n = vex::signed_content_length(value);
  writer_->prepend_number(static_cast<std::uint32_t>(value), n);
  element_length_ = writer_->prepend_header(ber::kInteger, n);
}

Result StreamMessageEncoder::visit_community_target(IVsnCommunityTarget* target) {
  if (!writer_) return vex::kNotInitialised;
  if (target == nullptr) return kInvalidArgument;
  // Only SNMPv1 and SNMPv2c messages have this header.
  if (!is_community_version(version_)) return vex::kNotSupported;
  const char* community = target->community();
  const std::size_t length = community != nullptr ? std::strlen(community) : 0;
  writer_->prepend_bytes(reinterpret_cast<const std::uint8_t*>(community), length);
  writer_->prepend_header(ber::kOctetString, static_cast<std::uint32_t>(length));
  encode_integer(version_);
  return fits();
}

Result StreamMessageEncoder::visit_usm_target(IVsnUsmTarget* /*target*/) {
  return vex::kNotSupported;
}

Result StreamMessageEncoder::encode_message(IVsnSnmpPacket* packet) {
  if (packet == nullptr || buffer_ == nullptr) return kInvalidArgument;
  IVsnSnmpTarget* target = packet->target();
  IVsnPdu* pdu = packet->pdu();
  if (target == nullptr || pdu == nullptr) return kInvalidArgument;
  version_ = target->version();
  const std::int32_t max_size = target->max_size();
  if (!buffer_->allocate(max_size > 0 ? static_cast<std::uint32_t>(max_size) : 0)) {
    return vex::kOutOfMemory;
  }
  writer_.emplace(*buffer_);
  const std::ptrdiff_t mark = writer_->position();
  Result result = encode_pdu(pdu);
  if (vex::succeeded(result)) result = target->accept(this);
  if (vex::succeeded(result)) result = close_sequence(ber::kSequence, mark);
  if (vex::succeeded(result)) buffer_->set_message_start(writer_->start_offset());
  writer_.reset();
  return result;
}

Result StreamMessageEncoder::encode_pdu(IVsnPdu* pdu) {
  if (!writer_) return vex::kNotInitialised;
  if (pdu == nullptr) return kInvalidArgument;
  const std::int32_t type = pdu->type();
  if (!is_known_pdu_type(type)) return vex::kNotSupported;
  IVsnVarBindList* list = pdu->varbinds();
  if (list == nullptr) {
    Result made = kOk;
    list = vsn_create_varbind_list(&made);
    if (list == nullptr) return made;
    pdu->set_varbinds(list);
  }
  const std::ptrdiff_t mark = writer_->position();
  const Result result = encode_varbind_list(list);
  if (vex::failed(result)) return result;
  Result header = kOk;
  if (type != vex::pdu_type::kTrap) {
    header = encode_request_header(pdu);
  } else if (version_ == vex::snmp_version::kV1) {
    header = encode_v1_trap_header(pdu);
  } else {
    header = encode_v2_trap_header(pdu);
  }
  const Result closed = close_sequence(pdu_tag(type, version_), mark);
  return vex::failed(closed) ? closed : header;
}

Result StreamMessageEncoder::encode_varbind_list(IVsnVarBindList* list) {
  if (!writer_) return vex::kNotInitialised;
  if (list == nullptr) return kInvalidArgument;
  const std::ptrdiff_t mark = writer_->position();
  const std::int32_t count = list->count();
  for (std::int32_t i = count - 1; i >= 0; --i) {
    const Result result = encode_varbind(list->at(i));
    if (vex::failed(result)) return result;
    bindings_written_ = static_cast<std::uint32_t>(count - i);
  }
  return close_sequence(ber::kSequence, mark);
}

Result StreamMessageEncoder::encode_varbind(IVsnVarBind* binding) {
  if (!writer_) return vex::kNotInitialised;
  if (binding == nullptr || binding->name() == nullptr || binding->value() == nullptr) {
    return kInvalidArgument;
  }
  Result result = binding->value()->accept(this);
  if (vex::failed(result)) return result;
  const std::uint32_t value_length = element_length_;
  result = encode_name(binding->name());
  if (vex::failed(result)) return result;
  element_length_ = writer_->prepend_header(ber::kSequence, value_length + element_length_);
  return fits();
}

Result StreamMessageEncoder::encode_request_header(IVsnPdu* pdu) {
  if (!writer_) return vex::kNotInitialised;
  if (pdu == nullptr) return kInvalidArgument;
  encode_integer(pdu->error_index());
  encode_integer(pdu->error_status());
  encode_integer(pdu->request_id());
  return fits();
}

Result StreamMessageEncoder::encode_v1_trap_header(IVsnPdu* pdu) {
  if (!writer_) return vex::kNotInitialised;
  if (pdu == nullptr) return kInvalidArgument;
  IVsnValue* time_stamp = pdu->time_stamp();
  const IVsnOid* trap_oid = pdu->trap_oid();
  if (time_stamp == nullptr || trap_oid == nullptr) return kInvalidArgument;
  vex::trap_mapping::V1Fields fields;
  if (!vex::trap_mapping::to_v1(trap_oid->text(), &fields)) return kInvalidArgument;
  Result result = time_stamp->accept(this);
  if (vex::failed(result)) return result;
  encode_integer(fields.specific);
  encode_integer(fields.generic);
  // The agent address field is always 0.0.0.0: the sender's own address
  // is not known here.
  static constexpr std::uint8_t kNoAddress[4] = {0, 0, 0, 0};
  writer_->prepend_bytes(kNoAddress, sizeof kNoAddress);
  writer_->prepend_header(ber::kIpAddress, sizeof kNoAddress);
  result = encode_oid_text(fields.enterprise);
  if (vex::failed(result)) return result;
  return fits();
}

Result StreamMessageEncoder::encode_v2_trap_header(IVsnPdu* /*pdu*/) { return vex::kNotSupported; }
