#include "tests/support/snmp_exchange.h"

#include <sys/socket.h>

#include "tests/support/socket_address.h"
#include "tests/support/udp_client.h"

namespace vex::test {

std::optional<wire::Message> exchange(const std::string& address, std::uint16_t port,
                                      const wire::Message& request,
                                      std::chrono::milliseconds timeout) {
  const auto target = SocketAddress::parse(address, port);
  if (!target) return std::nullopt;
  UdpClient client(target->family());
  if (!client.ok() || !client.send_to(address, port, wire::encode(request))) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    const auto datagram = client.receive(left);
    if (!datagram) return std::nullopt;
    auto answer = wire::decode(datagram->bytes);
    if (answer && answer->request_id == request.request_id) return answer;
  }
}

}  // namespace vex::test
