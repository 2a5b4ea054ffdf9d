#include "snmp/model/vsn_packet.h"

#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/owned_slot.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_target.h"

using vex::Owned;
using vex::Result;

namespace {

class CVsnSnmpPacket final : public IVsnSnmpPacket {
 public:
  void destroy() override { delete this; }

  IVsnSnmpPacket* clone(Result* err) const override {
    return vex::keep_if_filled(vex::model_new<CVsnSnmpPacket>(err), err,
                               [this](CVsnSnmpPacket& copy) { return copy.copy_parts(*this); });
  }

  bool equals(const IVsnSnmpPacket* other) const override {
    return other != nullptr && vex::equal_parts(pdu_.get(), other->pdu()) &&
           vex::equal_parts(target_.get(), other->target());
  }

  void set_target(IVsnSnmpTarget* target) override { vex::replace_owned(target_, target); }
  void set_pdu(IVsnPdu* pdu) override { vex::replace_owned(pdu_, pdu); }
  IVsnSnmpTarget* take_target() override { return target_.release(); }
  IVsnPdu* take_pdu() override { return pdu_.release(); }
  IVsnSnmpTarget* target() const override { return target_.get(); }
  IVsnPdu* pdu() const override { return pdu_.get(); }

 private:
  Result copy_parts(const CVsnSnmpPacket& other) {
    const Result result = vex::clone_into(target_, other.target());
    return vex::failed(result) ? result : vex::clone_into(pdu_, other.pdu());
  }

  Owned<IVsnPdu> pdu_;
  Owned<IVsnSnmpTarget> target_;
};

}  // namespace

IVsnSnmpPacket* vsn_create_packet(Result* err) { return vex::model_new<CVsnSnmpPacket>(err); }
