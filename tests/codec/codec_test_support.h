#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/ownership.h"
#include "snmp/codec/translator_registry.h"
#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_factory.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_varbind.h"
#include "snmp/model/vsn_varbind_list.h"
#include "snmp/transport/packet_buffer.h"
#include "tests/codec/ber_builder.h"

namespace codec_test {

using vex::Owned;
using vex::Result;

// Values and identifiers for building PDUs; each one is owned by the caller.
IVsnValue* integer_value(std::int32_t v);
IVsnValue* unsigned_value(std::uint32_t v, std::int32_t tag);
IVsnValue* counter64_value(std::uint32_t high, std::uint32_t low);
IVsnValue* bytes_value(const Bytes& bytes, std::int32_t tag);
IVsnValue* empty_value(std::int32_t tag);
IVsnOid* oid_value(const char* text);

struct Bound {
  const char* name;
  IVsnValue* value;  // handed to the PDU
};

Owned<IVsnPdu> make_pdu(std::int32_t type, std::int32_t request_id,
                        std::vector<Bound> bindings = {});
Owned<IVsnSnmpTarget> make_target(std::int32_t version, const char* community = "public",
                                  std::int32_t max_size = 1500);

// A trap PDU with the notification identifier and time stamp.
Owned<IVsnPdu> make_trap(const char* trap_oid, std::uint32_t time_stamp,
                         std::vector<Bound> bindings = {});

struct Encoded {
  Result result = 1;
  Bytes bytes;  // the message, when encoding succeeded
  std::uint32_t written = 0xFFFFFFFF;
};

Encoded encode(IVsnPdu* pdu, IVsnSnmpTarget* target);

// A buffer holding a copy of the bytes, message start at the first byte.
void load(PacketBuffer& buffer, const Bytes& bytes);

struct Decoded {
  Result result = 1;
  Owned<IVsnPdu> pdu;
  Owned<IVsnSnmpTarget> target;
};

// Decodes into a new PDU and community target.
Decoded decode(const Bytes& bytes);
// Decodes into the given PDU and target (either may be null).
Result decode_into(const Bytes& bytes, IVsnPdu* pdu, IVsnSnmpTarget* target,
                   std::int32_t translate_type = 0);

std::string text_of(const IVsnValue* value);
std::string community_of(IVsnSnmpTarget* target);
// Each binding as "name|tag|text" (tag in decimal).
std::vector<std::string> describe(const IVsnPdu& pdu);
std::vector<std::int32_t> statuses(const IVsnPdu& pdu);

}  // namespace codec_test
