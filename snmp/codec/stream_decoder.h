#pragma once

#include <cstdint>
#include <optional>

#include "snmp/codec/ber_reader.h"
#include "snmp/codec/message_decoder.h"
#include "snmp/codec/name_decoder.h"
#include "snmp/model/vsn_value_visitor.h"

class IVsnOid;

// The BER decoder of the "TransStream" translator. Decoding into a PDU that
// already holds bindings reuses them, their names and the values whose type
// matches; surplus bindings are removed.
class StreamMessageDecoder final : public MessageDecoder, public IVsnValueVisitor {
 public:
  // MessageDecoder
  vex::Result visit_community_target(IVsnCommunityTarget* target) override;
  vex::Result visit_usm_target(IVsnUsmTarget* target) override;
  void destroy() override { delete this; }
  vex::Result decode_message(IVsnSnmpPacket* packet) override;
  vex::Result decode_pdu(IVsnPdu* pdu) override;
  vex::Result decode_varbind_list(IVsnVarBindList* list) override;
  vex::Result decode_varbind(IVsnVarBind* binding) override;
  vex::Result decode_request_header(IVsnPdu* pdu) override;
  vex::Result decode_v1_trap_header(IVsnPdu* pdu) override;
  vex::Result decode_v2_trap_header(IVsnPdu* pdu) override;
  void set_buffer(PacketBuffer* buffer) override { buffer_ = buffer; }
  void set_translate_type(std::int32_t type) override { translate_type_ = type; }
  void set_header_only(bool header_only) override { header_only_ = header_only; }

  // IVsnValueVisitor: each reads one value element into the value.
  vex::Result visit_oid(IVsnValue* value) override;
  vex::Result visit_octet_string(IVsnValue* value) override;
  vex::Result visit_integer(IVsnValue* value) override;
  vex::Result visit_null(IVsnValue* value) override;
  vex::Result visit_counter32(IVsnValue* value) override;
  vex::Result visit_gauge32(IVsnValue* value) override;
  vex::Result visit_timeticks(IVsnValue* value) override;
  vex::Result visit_counter64(IVsnValue* value) override;
  vex::Result visit_ipaddress(IVsnValue* value) override;
  vex::Result visit_ipv6_address(IVsnValue* value) override;
  vex::Result visit_udp_address(IVsnValue* value) override;
  vex::Result visit_ipx_address(IVsnValue* value) override;
  vex::Result visit_exception(IVsnValue* value) override;

 private:
  vex::Result decode_message_header();
  vex::Result attach_target(IVsnSnmpPacket* packet);
  vex::Result read_integer_element(std::int32_t* value);
  // The header with the value's own tag and a number's contents.
  vex::Result read_number(const IVsnValue* value, std::int32_t* number);
  vex::Result read_oid_contents(const std::uint8_t** contents, std::uint32_t* length);
  vex::Result decode_oid(IVsnOid* oid);
  vex::Result decode_name(IVsnOid* oid);
  vex::Result set_oid_text(IVsnOid* oid, const std::uint8_t* at, std::uint32_t length);
  vex::Result decode_value(IVsnVarBind* binding);
  vex::Result decode_trap_oid(IVsnPdu* pdu, std::int32_t generic, std::int32_t specific);
  vex::Result skip_agent_address();

  PacketBuffer* buffer_ = nullptr;
  std::int32_t version_ = -1;
  std::int32_t translate_type_ = -1;
  bool header_only_ = false;
  std::optional<vex::BerReader> reader_;
  vex::NameDecoder names_;
};
