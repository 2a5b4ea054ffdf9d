#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "framework/ownership.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_target.h"

// The independent pysnmp codec of tests/peers/pysnmp_codec.py and the
// translation between its message descriptions and the object model.
namespace codec_test::pysnmp {

using nlohmann::json;

// Why the peer cannot run here, or empty.
std::string unavailable();

// COUNT messages pysnmp encoded: {"hex": ..., "message": {...}} each.
std::vector<json> generate(int count, int seed, std::string* error);
// pysnmp's reading of each hexadecimal message: {"message": ...} or {"error": ...}.
std::vector<json> parse(const std::vector<std::string>& hex_messages, std::string* error);

// The PDU and target a description stands for. An SNMPv1 trap's header
// becomes the notification identifier; an error answer marks its bindings.
vex::Owned<IVsnPdu> pdu_of(const json& message);
vex::Owned<IVsnSnmpTarget> target_of(const json& message);

}  // namespace codec_test::pysnmp
