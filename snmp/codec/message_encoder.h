#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "snmp/model/vsn_target_visitor.h"

class IVsnPdu;
class IVsnSnmpPacket;
class IVsnVarBind;
class IVsnVarBindList;
class PacketBuffer;

// Turns one packet into the bytes of one SNMPv1 or SNMPv2c message. Made by a
// TranslatorFactory for a single encode call and deleted with destroy().
// Visiting a community target writes the message header; a USM target
// answers -5. Results: 0, -2 invalid input, -3 out of memory, -5 a kind of
// value, PDU or target this encoder does not write, -211 the message does not
// fit in the buffer.
class MessageEncoder : public IVsnTargetVisitor {
 public:
  ~MessageEncoder() override = default;
  virtual void destroy() = 0;
  // Sizes the buffer by the target's largest message and writes the whole
  // message; on success the buffer's message start is its first byte.
  virtual vex::Result encode_message(IVsnSnmpPacket* packet) = 0;
  virtual vex::Result encode_pdu(IVsnPdu* pdu) = 0;
  virtual vex::Result encode_varbind_list(IVsnVarBindList* list) = 0;
  virtual vex::Result encode_varbind(IVsnVarBind* binding) = 0;
  virtual vex::Result encode_request_header(IVsnPdu* pdu) = 0;
  virtual vex::Result encode_v1_trap_header(IVsnPdu* pdu) = 0;
  virtual vex::Result encode_v2_trap_header(IVsnPdu* pdu) = 0;

  // The buffer the message goes to; lent for the encoder's life.
  virtual void set_buffer(PacketBuffer* buffer) = 0;
  // Bindings written so far, counted from the end of the list.
  virtual std::uint32_t bindings_written() const = 0;
};
