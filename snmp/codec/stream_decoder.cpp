// The message, PDU and binding structure of the stream decoder; the values
// are in stream_decoder_values.cpp.
#include "snmp/codec/stream_decoder.h"

#include <cstring>

#include "logging/vex_log.h"
#include "snmp/codec/ber_tags.h"
#include "snmp/codec/codec_log.h"
#include "snmp/codec/scratch_area.h"
#include "snmp/codec/trap_mapping.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_factory.h"
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

constexpr std::uint32_t kHighestErrorStatus = 18;  // inconsistentName

std::int32_t pdu_type_of(std::uint8_t tag) {
  switch (tag) {
    case 0xA0:
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA4:
    case 0xA5:
    case 0xA6:
    case 0xA8:
      return tag - ber::kPduBase;
    case ber::kV2Trap:
      return vex::pdu_type::kTrap;
    default:
      return vex::pdu_type::kUnset;
  }
}

// Makes a part with `make` and hands it to its owner with `attach`, unless
// the owner holds one already; answers the part, or null with the error.
template <class Part, class Make, class Attach>
Part* held_or_made(Part* held, Result* result, Make make, Attach attach) {
  *result = kOk;
  if (held != nullptr) return held;
  Part* made = make(result);
  if (made != nullptr) attach(made);
  return made;
}

}  // namespace

Result StreamMessageDecoder::decode_message(IVsnSnmpPacket* packet) {
  if (packet == nullptr || buffer_ == nullptr) return kInvalidArgument;
  const std::uint8_t* area = buffer_->data();
  reader_.emplace(buffer_->message_start(), area != nullptr ? area + buffer_->size() : nullptr);
  Result result = decode_message_header();
  if (vex::succeeded(result)) result = attach_target(packet);
  IVsnPdu* pdu = nullptr;
  if (vex::succeeded(result)) {
    pdu = held_or_made(
        packet->pdu(), &result, [](Result* err) { return vsn_create_pdu(err); },
        [packet](IVsnPdu* made) { packet->set_pdu(made); });
  }
  if (vex::succeeded(result)) result = packet->target()->accept(this);
  if (vex::succeeded(result)) result = decode_pdu(pdu);
  reader_.reset();
  return result;
}

Result StreamMessageDecoder::decode_message_header() {
  std::uint32_t length = 0;
  const Result result = reader_->read_header(ber::kSequence, &length);
  if (vex::failed(result)) return result;
  const std::uint64_t total = reader_->consumed_since(reader_->start()) + std::uint64_t{length};
  const std::uint64_t received = buffer_->remaining_length();
  if (total < received) {
    vex_snmp_logger()->log(vex::kLogInfo, "received packet is redundancy. be cut down.");
    reader_->limit_to(static_cast<std::size_t>(total));
  } else if (total > received) {
    return vex::refuse("decode error: lack of received packet. can't go on decoding any more.");
  }
  return kOk;
}

Result StreamMessageDecoder::attach_target(IVsnSnmpPacket* packet) {
  if (packet->target() != nullptr) return kOk;
  if (translate_type_ == -1) {
    vex_snmp_logger()->log(vex::kLogError, "decode error: unknown translate type.");
    return kInvalidArgument;
  }
  Result result = kOk;
  IVsnSnmpTarget* target = vsn_create_target(translate_type_, &result);
  if (target == nullptr) return result;
  packet->set_target(target);
  return kOk;
}

Result StreamMessageDecoder::visit_community_target(IVsnCommunityTarget* target) {
  if (!reader_) return vex::kNotInitialised;
  if (target == nullptr) return kInvalidArgument;
  std::int32_t version = 0;
  Result result = read_integer_element(&version);
  if (vex::failed(result)) return result;
  if (version != vex::snmp_version::kV1 && version != vex::snmp_version::kV2c) {
    return vex::refuse("decode error: unsupported snmp version.");
  }
  version_ = version;
  target->set_version(version);
  std::uint32_t length = 0;
  const std::uint8_t* bytes = nullptr;
  result = reader_->read_header(ber::kOctetString, &length);
  if (vex::succeeded(result)) result = reader_->take_bytes(length, &bytes);
  if (vex::failed(result)) return result;
  // The community is a text: it ends at its first zero octet, if it holds one.
  const void* zero = length != 0 ? std::memchr(bytes, 0, length) : nullptr;
  const std::size_t text_length =
      zero != nullptr ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - bytes)
                      : length;
  // An answer carries the community of its request: the target holds it already.
  const char* held = target->community();
  if (held != nullptr && std::strlen(held) == text_length &&
      std::memcmp(held, bytes, text_length) == 0) {
    return kOk;
  }
  vex::ScratchText community;
  if (!community.reserve(text_length)) return vex::kOutOfMemory;
  if (text_length != 0) std::memcpy(community.data(), bytes, text_length);
  community.data()[text_length] = '\0';
  return target->set_community(community.data());
}

Result StreamMessageDecoder::visit_usm_target(IVsnUsmTarget* /*target*/) {
  return vex::kNotSupported;
}

Result StreamMessageDecoder::decode_pdu(IVsnPdu* pdu) {
  if (!reader_) return vex::kNotInitialised;
  if (pdu == nullptr) return kInvalidArgument;
  std::uint8_t tag = 0;
  Result result = reader_->read_octet(&tag);
  if (vex::failed(result)) return result;
  pdu->set_type(pdu_type_of(tag));
  const std::int32_t type = pdu->type();
  if (type == vex::pdu_type::kUnset) return vex::refuse("decode error: unknown pdu type.");
  std::uint32_t length = 0;
  result = reader_->read_length(&length);
  if (vex::failed(result)) return result;
  if (length != reader_->remaining()) return vex::refuse("decode error: pdu length is wrong.");
  if (type != vex::pdu_type::kTrap) {
    result = decode_request_header(pdu);
  } else if (version_ == vex::snmp_version::kV1) {
    result = decode_v1_trap_header(pdu);
  } else {
    result = decode_v2_trap_header(pdu);
  }
  if (vex::failed(result) || header_only_) return result;
  IVsnVarBindList* list = held_or_made(
      pdu->varbinds(), &result, [](Result* err) { return vsn_create_varbind_list(err); },
      [pdu](IVsnVarBindList* made) { pdu->set_varbinds(made); });
  if (list == nullptr) return result;
  result = decode_varbind_list(list);
  if (vex::failed(result)) return result;
  if (type != vex::pdu_type::kTrap && pdu->error_status() != 0) {
    list->mark_error(pdu->error_status(), pdu->error_index());
  } else {
    list->set_all_status(vex::binding_status::kNoError);
  }
  return kOk;
}

Result StreamMessageDecoder::decode_request_header(IVsnPdu* pdu) {
  if (!reader_) return vex::kNotInitialised;
  if (pdu == nullptr) return kInvalidArgument;
  std::int32_t value = 0;
  Result result = read_integer_element(&value);
  if (vex::failed(result)) return result;
  pdu->set_request_id(value);
  result = read_integer_element(&value);
  if (vex::failed(result)) return result;
  if (static_cast<std::uint32_t>(value) > kHighestErrorStatus) {
    return vex::refuse("decode error: error_status's value is wrong.");
  }
  pdu->set_error_status(value);
  result = read_integer_element(&value);
  if (vex::failed(result)) return result;
  pdu->set_error_index(value);
  return kOk;
}

Result StreamMessageDecoder::decode_v1_trap_header(IVsnPdu* pdu) {
  if (!reader_) return vex::kNotInitialised;
  if (pdu == nullptr) return kInvalidArgument;
  Result result = kOk;
  IVsnOid* trap_oid = held_or_made(
      pdu->trap_oid(), &result, [](Result* err) { return vsn_create_oid(err); },
      [pdu](IVsnOid* made) { pdu->set_trap_oid(made); });
  if (trap_oid == nullptr) return result;
  result = decode_oid(trap_oid);
  if (vex::succeeded(result)) result = skip_agent_address();
  std::int32_t generic = 0;
  std::int32_t specific = 0;
  if (vex::succeeded(result)) result = read_integer_element(&generic);
  if (vex::succeeded(result)) result = read_integer_element(&specific);
  if (vex::succeeded(result)) result = decode_trap_oid(pdu, generic, specific);
  if (vex::failed(result)) return result;
  IVsnValue* time_stamp = held_or_made(
      pdu->time_stamp(), &result,
      [](Result* err) { return vsn_create_value(vex::tag::kTimeTicks, err); },
      [pdu](IVsnValue* made) { pdu->set_time_stamp(made); });
  if (time_stamp == nullptr) return result;
  return visit_timeticks(time_stamp);
}

Result StreamMessageDecoder::decode_trap_oid(IVsnPdu* pdu, std::int32_t generic,
                                             std::int32_t specific) {
  IVsnOid* trap_oid = pdu->trap_oid();
  if (generic == vex::trap_mapping::kEnterpriseSpecific) {
    const Result result = trap_oid->append_subid(0);
    return vex::failed(result) ? result
                               : trap_oid->append_subid(static_cast<std::uint32_t>(specific));
  }
  if (generic < 0 || generic > vex::trap_mapping::kEnterpriseSpecific) {
    return vex::refuse("decode error: generic trap No. > 6.");
  }
  const Result result = trap_oid->set_text(vex::trap_mapping::kGenericPrefix.data());
  return vex::failed(result) ? result
                             : trap_oid->append_subid(static_cast<std::uint32_t>(generic) + 1);
}

Result StreamMessageDecoder::skip_agent_address() {
  std::uint32_t length = 0;
  const std::uint8_t* bytes = nullptr;
  Result result = reader_->read_header(ber::kIpAddress, &length);
  if (vex::succeeded(result)) result = reader_->take_bytes(length, &bytes);
  if (vex::failed(result)) return result;
  // An IpAddress holds exactly four bytes.
  return length == 4 ? kOk : vex::kUndecodable;
}

Result StreamMessageDecoder::decode_v2_trap_header(IVsnPdu* /*pdu*/) { return vex::kNotSupported; }

Result StreamMessageDecoder::decode_varbind_list(IVsnVarBindList* list) {
  if (!reader_) return vex::kNotInitialised;
  if (list == nullptr) return kInvalidArgument;
  std::uint32_t length = 0;
  Result result = reader_->read_header(ber::kSequence, &length);
  if (vex::failed(result)) return result;
  if (length != reader_->remaining()) {
    return vex::refuse("decode error: length of var bind list is wrong.");
  }
  std::int32_t decoded = 0;
  for (; !reader_->at_end(); ++decoded) {
    IVsnVarBind* binding = nullptr;
    if (decoded < list->count()) {
      binding = list->at(decoded);
      if (binding == nullptr) return kInvalidArgument;
    } else {
      binding = vsn_create_varbind(&result);
      if (binding == nullptr) return result;
      result = list->append(binding);
      if (vex::failed(result)) {
        binding->destroy();
        return result;
      }
    }
    result = decode_varbind(binding);
    if (vex::failed(result)) return result;
  }
  while (list->count() > decoded) list->remove_at(decoded, nullptr);
  return kOk;
}

Result StreamMessageDecoder::decode_varbind(IVsnVarBind* binding) {
  if (!reader_) return vex::kNotInitialised;
  if (binding == nullptr) return kInvalidArgument;
  std::uint32_t length = 0;
  Result result = reader_->read_header(ber::kSequence, &length);
  if (vex::failed(result)) return result;
  const std::uint8_t* mark = reader_->cursor();
  IVsnOid* name = held_or_made(
      binding->name(), &result, [](Result* err) { return vsn_create_oid(err); },
      [binding](IVsnOid* made) { binding->set_name(made); });
  if (name == nullptr) return result;
  result = decode_name(name);
  if (vex::succeeded(result)) result = decode_value(binding);
  if (vex::failed(result)) return result;
  if (reader_->consumed_since(mark) != length) {
    return vex::refuse("decode error: length of var bind is wrong.");
  }
  return kOk;
}
