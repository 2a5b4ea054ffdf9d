#include "plugin/session_parameters.h"

#include "framework/fixed_text.h"
#include "plugin/plugin_usm.h"
#include "plugin/transport_codes.h"

namespace vex {

namespace {

bool port_of(EProtocol protocol, std::uint16_t* port) noexcept {
  switch (protocol) {
    case IVexNetworkAddress::PROTOCOL_IPV4:
    case IVexNetworkAddress::PROTOCOL_IPV6:
      *port = kSnmpUdpPort;
      return true;
    case IVexNetworkAddress::PROTOCOL_IPX:
      *port = kSnmpIpxSocket;
      return true;
    default:
      return false;
  }
}

}  // namespace

Result store_session_parameters(SessionParameters& session,
                                const SessionArguments& arguments) noexcept {
  copy_to_field(session.address, arguments.address);
  session.protocol = arguments.protocol;
  if (!port_of(arguments.protocol, &session.port)) return kInvalidArgument;
  if (arguments.usm == nullptr) return kInvalidArgument;
  session.timeout_ms = arguments.timeout_ms;
  session.retries = arguments.retries;
  session.max_message_size = arguments.max_message_size;
  const IDvkPluginUSM& usm = *arguments.usm;
  session.snmp_mode = usm.get_snmp_mode();
  session.user_name = usm.get_user_name();
  session.security_level = usm.get_security_level();
  session.auth_protocol = usm.get_auth_protocol();
  session.priv_protocol = usm.get_priv_protocol();
  session.auth_pass_phrase = usm.get_auth_pass_phrase();
  session.priv_pass_phrase = usm.get_priv_pass_phrase();
  session.context_name = usm.get_context_name();
  return kOk;
}

}  // namespace vex
