// libFuzzer target of the message decoder: any bytes go through decode, a
// decode into a PDU that already holds bindings, and peek. A message that
// decodes is encoded again, and that encoding must decode to an equal PDU.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "framework/ownership.h"
#include "snmp/codec/translator_registry.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_factory.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_varbind_list.h"
#include "snmp/transport/packet_buffer.h"

namespace {

using vex::Owned;

// The bytes in an area of exactly their size, so that the address sanitizer
// sees any read outside them.
void load(PacketBuffer& buffer, const std::uint8_t* data, std::size_t size) {
  if (!buffer.allocate(static_cast<std::uint32_t>(size))) std::abort();
  if (size != 0) std::memcpy(buffer.data(), data, size);
}

// A request of the kinds a session decodes its answers into.
Owned<IVsnPdu> request() {
  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  pdu->set_type(vex::pdu_type::kGet);
  pdu->add(vsn_create_oid_text("1.3.6.1.2.1.1.1.0", nullptr), nullptr);
  pdu->add(vsn_create_oid_text("1.3.6.1.2.1.1.3.0", nullptr),
           vsn_create_value(vex::tag::kTimeTicks, nullptr));
  pdu->add(vsn_create_oid_text("1.3.6.1.2.1.1.5.0", nullptr),
           vsn_create_value_text("name", vex::tag::kOctetString, nullptr));
  return pdu;
}

void check_round_trip(IVsnPdu* pdu, IVsnSnmpTarget* target, std::size_t size) {
  TranslatorRegistry* registry = TranslatorRegistry::instance();
  // Minimal forms may take up to four octets more per number than a sender's.
  target->set_max_size(static_cast<std::int32_t>(2 * size + 1024));
  PacketBuffer encoded;
  const vex::Result result = registry->encode(pdu, target, &encoded, nullptr);
  // A trap identifier under snmpTraps names a generic trap only with 1 to 6.
  if (result == vex::kInvalidArgument && pdu->type() == vex::pdu_type::kTrap) return;
  if (result != vex::kOk) std::abort();
  Owned<IVsnPdu> again(vsn_create_pdu(nullptr));
  Owned<IVsnSnmpTarget> again_target(vsn_create_target(vex::target_kind::kCommunity, nullptr));
  if (registry->decode(&encoded, again.get(), again_target.get(), 0) != vex::kOk) std::abort();
  if (!again->equals(pdu) || !again_target->equals(target)) std::abort();
  if (again_target->version() != target->version()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TranslatorRegistry* registry = TranslatorRegistry::instance();
  PacketBuffer buffer;
  load(buffer, data, size);

  std::int32_t error_status = 0;
  std::int32_t request_id = 0;
  registry->peek(&buffer, &error_status, &request_id, vex::target_kind::kCommunity);

  Owned<IVsnPdu> answer = request();
  registry->decode(&buffer, answer.get(), nullptr, vex::target_kind::kCommunity);

  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  Owned<IVsnSnmpTarget> target(vsn_create_target(vex::target_kind::kCommunity, nullptr));
  if (registry->decode(&buffer, pdu.get(), target.get(), 0) == vex::kOk) {
    check_round_trip(pdu.get(), target.get(), size);
  }
  return 0;
}
