#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "snmp/model/vsn_target_visitor.h"

class IVsnPdu;
class IVsnSnmpPacket;
class IVsnVarBind;
class IVsnVarBindList;
class PacketBuffer;

// Fills a packet's target and PDU from the bytes of one received SNMPv1 or
// SNMPv2c message. Made by a TranslatorFactory for a single decode call and
// deleted with destroy(). Visiting a community target reads the message
// header into it; a USM target answers -5. Results: 0, -2 invalid input,
// -3 out of memory, -5 a message kind this decoder does not read, -250 the
// bytes are not an acceptable message. Nothing is read outside the buffer's
// bytes from its message start on.
class MessageDecoder : public IVsnTargetVisitor {
 public:
  ~MessageDecoder() override = default;
  virtual void destroy() = 0;
  virtual vex::Result decode_message(IVsnSnmpPacket* packet) = 0;
  // The operations below continue a decode_message in progress; called on
  // their own they answer -8.
  virtual vex::Result decode_pdu(IVsnPdu* pdu) = 0;
  virtual vex::Result decode_varbind_list(IVsnVarBindList* list) = 0;
  virtual vex::Result decode_varbind(IVsnVarBind* binding) = 0;
  virtual vex::Result decode_request_header(IVsnPdu* pdu) = 0;
  virtual vex::Result decode_v1_trap_header(IVsnPdu* pdu) = 0;
  virtual vex::Result decode_v2_trap_header(IVsnPdu* pdu) = 0;

  // The received bytes; lent for the decoder's life.
  virtual void set_buffer(PacketBuffer* buffer) = 0;
  // The target kind to create when the packet has none; -1: unknown.
  virtual void set_translate_type(std::int32_t type) = 0;
  // Stop after the PDU's header fields, leaving the bindings alone.
  virtual void set_header_only(bool header_only) = 0;
};
