#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "snmp/codec/ber_writer.h"
#include "snmp/codec/message_encoder.h"
#include "snmp/codec/name_encoder.h"
#include "snmp/model/vsn_value_visitor.h"

class IVsnOid;

// The BER encoder of the "TransStream" translator. It writes backwards: the
// bindings from the last to the first, then the PDU header, then the message
// header, each element's contents before its length and tag.
class StreamMessageEncoder final : public MessageEncoder, public IVsnValueVisitor {
 public:
  // MessageEncoder
  vex::Result visit_community_target(IVsnCommunityTarget* target) override;
  vex::Result visit_usm_target(IVsnUsmTarget* target) override;
  void destroy() override { delete this; }
  vex::Result encode_message(IVsnSnmpPacket* packet) override;
  vex::Result encode_pdu(IVsnPdu* pdu) override;
  vex::Result encode_varbind_list(IVsnVarBindList* list) override;
  vex::Result encode_varbind(IVsnVarBind* binding) override;
  vex::Result encode_request_header(IVsnPdu* pdu) override;
  vex::Result encode_v1_trap_header(IVsnPdu* pdu) override;
  vex::Result encode_v2_trap_header(IVsnPdu* pdu) override;
  void set_buffer(PacketBuffer* buffer) override { buffer_ = buffer; }
  std::uint32_t bindings_written() const override { return bindings_written_; }

  // IVsnValueVisitor: each writes one value element and records its length.
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
  vex::Result encode_oid_text(std::string_view text);
  vex::Result encode_name(const IVsnOid* name);
  void encode_integer(std::int32_t value);
  // Closes a constructed element whose contents began at `mark`.
  vex::Result close_sequence(std::uint8_t tag, std::ptrdiff_t mark);
  vex::Result fits() const noexcept;

  PacketBuffer* buffer_ = nullptr;
  std::int32_t version_ = -1;
  std::uint32_t bindings_written_ = 0;
  std::optional<vex::BerWriter> writer_;
  std::uint32_t element_length_ = 0;
  vex::NameEncoder names_;
};
