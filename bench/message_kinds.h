#pragma once

#include <string>
#include <vector>

#include "framework/ownership.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_target.h"

namespace bench {

// One typical exchange: the PDU that is encoded, the PDU whose message is
// decoded (the answer to a get; the same PDU for the responses) and the
// target both go with.
struct MessageKind {
  std::string name;
  vex::Owned<IVsnPdu> sent;
  vex::Owned<IVsnPdu> received;
  vex::Owned<IVsnSnmpTarget> target;
};

// A get of one scalar (the request and its answer), a 15-column table row
// response and a 60-binding response of mixed types.
std::vector<MessageKind> typical_messages();

}  // namespace bench
