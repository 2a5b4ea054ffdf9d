#pragma once

#include "framework/result_codes.h"

class IVsnPdu;
class IVsnSnmpTarget;

// One PDU together with the target it goes to or came from; the packet owns
// both. Setters take ownership and delete what they replace, take operations
// hand ownership out, getters lend.
class IVsnSnmpPacket {
 public:
  virtual void destroy() = 0;
  // Clones of the target and the PDU, where present.
  virtual IVsnSnmpPacket* clone(vex::Result* err) const = 0;
  // Equal PDUs and equal targets (each: both missing, or this one's equals).
  virtual bool equals(const IVsnSnmpPacket* other) const = 0;
  virtual void set_target(IVsnSnmpTarget* target) = 0;
  virtual void set_pdu(IVsnPdu* pdu) = 0;
  virtual IVsnSnmpTarget* take_target() = 0;
  virtual IVsnPdu* take_pdu() = 0;
  virtual IVsnSnmpTarget* target() const = 0;
  virtual IVsnPdu* pdu() const = 0;

  virtual ~IVsnSnmpPacket() = default;
};

// A packet without PDU and target; null with -3 when memory is exhausted.
IVsnSnmpPacket* vsn_create_packet(vex::Result* err = nullptr);
