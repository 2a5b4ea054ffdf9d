#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct snmp_pdu;
struct snmp_session;

namespace bench {

// Net-SNMP's own build and parse of SNMPv1/v2c messages, used as its send and
// receive paths use them. Calls must be made while the engine lock is held.
class NetSnmpCodec {
 public:
  // A session of the version (0 SNMPv1, 1 SNMPv2c) with community "public".
  explicit NetSnmpCodec(int version);
  ~NetSnmpCodec();
  NetSnmpCodec(const NetSnmpCodec&) = delete;
  NetSnmpCodec& operator=(const NetSnmpCodec&) = delete;

  // A new PDU read from the message, or null; freed with free_pdu.
  snmp_pdu* parse(const std::uint8_t* data, std::size_t size);
  static void free_pdu(snmp_pdu* pdu);
  // Builds the message into a fresh area, as a send does; empty on failure.
  std::vector<std::uint8_t> build(snmp_pdu* pdu);
  // The same, returning only the length, so that timing leaves out the copy.
  std::size_t build_length(snmp_pdu* pdu);

 private:
  snmp_session* session_;
};

}  // namespace bench
