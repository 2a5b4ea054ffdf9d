#include "bench/netsnmp_codec.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdlib>
#include <cstring>

namespace bench {
namespace {

// The send path starts from an area of this size and lets the build grow it.
constexpr std::size_t kSendArea = 2048;
char community_text[] = "public";

}  // namespace

NetSnmpCodec::NetSnmpCodec(int version) : session_(new snmp_session) {
  snmp_sess_init(session_);
  session_->version = version == 0 ? SNMP_VERSION_1 : SNMP_VERSION_2c;
  session_->community = reinterpret_cast<u_char*>(community_text);
  session_->community_len = std::strlen(community_text);
}

NetSnmpCodec::~NetSnmpCodec() { delete session_; }

snmp_pdu* NetSnmpCodec::parse(const std::uint8_t* data, std::size_t size) {
  auto* pdu = static_cast<netsnmp_pdu*>(std::calloc(1, sizeof(netsnmp_pdu)));
  if (pdu == nullptr) return nullptr;
  if (snmp_parse(nullptr, session_, pdu, const_cast<u_char*>(data), size) != SNMP_ERR_NOERROR) {
    snmp_free_pdu(pdu);
    return nullptr;
  }
  return pdu;
}

void NetSnmpCodec::free_pdu(snmp_pdu* pdu) { snmp_free_pdu(pdu); }

std::vector<std::uint8_t> NetSnmpCodec::build(snmp_pdu* pdu) {
  std::size_t length = kSendArea;
  std::size_t offset = 0;
  auto* area = static_cast<u_char*>(std::malloc(length));
  std::vector<std::uint8_t> out;
  if (area != nullptr && snmp_build(&area, &length, &offset, session_, pdu) == 0) {
    // The reverse build leaves the message at the end of the area.
    out.assign(area + length - offset, area + length);
  }
  std::free(area);
  return out;
}

std::size_t NetSnmpCodec::build_length(snmp_pdu* pdu) {
  std::size_t length = kSendArea;
  std::size_t offset = 0;
  auto* area = static_cast<u_char*>(std::malloc(length));
  const bool built = area != nullptr && snmp_build(&area, &length, &offset, session_, pdu) == 0;
  std::free(area);
  return built ? offset : 0;
}

}  // namespace bench
