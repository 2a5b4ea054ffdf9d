#include "snmp/transport/datagram_socket.h"

#include <sys/select.h>

#include <cerrno>

#include "logging/vex_log.h"
#include "net/vex_network_address.h"
#include "platform/socket_api.h"
#include "platform/socket_constants.h"

namespace {

const VexSocketFunctions& api() { return NVexSocketAPI::api(); }
int last_error() { return api().last_error(); }
IVexLogger* logger() { return vex_socket_logger(); }

timeval select_timeout(std::int32_t timeout_ms) {
  timeval timeout{};
  timeout.tv_sec = timeout_ms / 1000;
  timeout.tv_usec = static_cast<suseconds_t>(timeout_ms % 1000) * 1000;
  return timeout;
}

}  // namespace

void DataGramSocket::release() { delete this; }

DataGramSocket::~DataGramSocket() {
  local_.reset();
  if (handle_ != -1) api().closesocket(handle_);
  if (library_started_ && NVexSocketAPI::is_loaded()) NVexSocketAPI::cleanup();
}

IVexNetworkAddress* DataGramSocket::local_address() { return local_.get(); }

vex::Result DataGramSocket::attach_local_address(std::int32_t protocol, std::uint16_t port) {
  vex::Result result = vex::kOk;
  local_.reset(vex_create_network_address(&result));
  if (!local_) return vex::kOutOfMemory;
  local_->set_protocol(protocol);
  local_->set_port(port);
  return vex::kOk;
}

vex::Result DataGramSocket::open_socket_of(int family, int type, int protocol) {
  handle_ = api().socket(vex::native_family(family), type, protocol);
  return handle_ < 0 ? vex::kBindFailed : vex::kOk;
}

vex::Result DataGramSocket::open() {
  if (const vex::Result started = start_library(); started != vex::kOk) return started;
  library_started_ = true;
  if (open_socket() != vex::kOk) {
    handle_ = -1;
    logger()->log(vex::kLogError, "fail socket(). WSAGetLastError()=%d", last_error());
    return vex::kSocketFailed;
  }
  SocketAddressRecord record;
  if (!to_sockaddr(local_.get(), &record)) return vex::kBindFailed;
  if (api().bind(handle_, record.address(), record.length) != 0) {
    logger()->log(vex::kLogError, "fail bind(). WSAGetLastError()=%d", last_error());
    return vex::kBindFailed;
  }
  SocketAddressRecord bound;
  if (api().getsockname(handle_, bound.address(), &bound.length) != 0) return vex::kFailed;
  if (!from_sockaddr(bound, local_.get())) return vex::kFailed;
  const unsigned port = local_->port();
  logger()->log(vex::kLogDebug, "create socket. id:0x%x port:%d(0x%x)",
                static_cast<unsigned>(handle_), static_cast<int>(port), port);
  return vex::kOk;
}

vex::Result DataGramSocket::send(const std::uint8_t* data, std::uint32_t length,
                                 const IVexNetworkAddress* destination) {
  if (data == nullptr || destination == nullptr) return vex::kInvalidArgument;
  const unsigned local_port = local_->port();
  const unsigned peer_port = destination->port();
  const char* peer_text = destination->text();
  logger()->log(vex::kLogDebug, "[DataGramSocket::send] send packet. port:%d(0x%x) -> %s:%d(0x%x).",
                static_cast<int>(local_port), local_port, peer_text != nullptr ? peer_text : "",
                static_cast<int>(peer_port), peer_port);
  SocketAddressRecord record;
  if (!to_sockaddr(destination, &record)) return vex::kInvalidArgument;
  const ssize_t sent = api().sendto(handle_, data, length, 0, record.address(), record.length);
  if (sent == -1) {
    logger()->log(vex::kLogError, "fail send(). WSAGetLastError()=%d", last_error());
    return vex::kSendFailed;
  }
  if (static_cast<std::size_t>(sent) != length) {
    logger()->log(vex::kLogWarn, "send(). size of sended bytes is not same that of buffer.");
  }
  return vex::kOk;
}

vex::Result DataGramSocket::receive(std::uint8_t* buffer, std::uint32_t capacity,
                                    std::int32_t timeout_ms, std::uint32_t* received,
                                    IVexNetworkAddress** sender) {
  if (buffer == nullptr || received == nullptr || sender == nullptr) return vex::kInvalidArgument;
  *sender = nullptr;
  *received = 0;
  if (handle_ < 0 || handle_ >= FD_SETSIZE) {
    // An fd_set cannot hold this descriptor; setting its bit would write
    // past the set.
    logger()->log(vex::kLogError, "fail select(). WSAGetLastError()=%d", EBADF);
    return vex::kReceiveFailed;
  }
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(handle_, &readable);
  timeval timeout = select_timeout(timeout_ms);
  const int ready =
      api().select(handle_ + 1, &readable, nullptr, nullptr, timeout_ms == -1 ? nullptr : &timeout);
  if (ready == -1) {
    logger()->log(vex::kLogError, "fail select(). WSAGetLastError()=%d", last_error());
    return vex::kReceiveFailed;
  }
  if (ready == 0) {
    logger()->log(vex::kLogTrace, "select API timeout.");
    return vex::kTimeout;
  }
  SocketAddressRecord from;
  // MSG_TRUNC makes the call answer the datagram's full length, so that one
  // larger than the buffer is refused rather than cut.
  const ssize_t length =
      api().recvfrom(handle_, buffer, capacity, MSG_TRUNC, from.address(), &from.length);
  if (length < 0 || static_cast<std::size_t>(length) > capacity) {
    const int error = length < 0 ? last_error() : EMSGSIZE;
    logger()->log(vex::kLogError, "fail recvfrom(). WSAGetLastError()=%d", error);
    return vex::kReceiveFailed;
  }
  *received = static_cast<std::uint32_t>(length);
  vex::Result created = vex::kOk;
  vex::Owned<IVexNetworkAddress> peer(vex_create_network_address(&created));
  if (!peer) return vex::kOutOfMemory;
  if (!from_sockaddr(from, peer.get())) {
    logger()->log(
        vex::kLogError,
        "[DataGramSocket::receive] fail create CVexNetworkAddress ( success recvfrom() ).");
    return vex::kFailed;
  }
  const unsigned local_port = local_->port();
  const unsigned peer_port = peer->port();
  logger()->log(vex::kLogDebug,
                "[DataGramSocket::receive] receive packet port:%d(0x%x) <- %s:%d(0x%x).",
                static_cast<int>(local_port), local_port, peer->text(), static_cast<int>(peer_port),
                peer_port);
  *sender = peer.release();
  return vex::kOk;
}

vex::Result DataGramSocket::set_option(int level, int option, const void* value, socklen_t length) {
  const vex::NativeSocketOption native = vex::native_socket_option(level, option);
  return api().setsockopt(handle_, native.level, native.option, value, length) == 0 ? vex::kOk
                                                                                    : vex::kFailed;
}

vex::Result DataGramSocket::set_broadcast(std::int32_t flag) {
  const std::int32_t protocol = local_->protocol();
  if (protocol != EProtocol::PROTOCOL_IPV4 && protocol != EProtocol::PROTOCOL_IPX) return vex::kOk;
  const int value = flag & 0xFF;
  if (set_option(vex::kLevelSocket, vex::kOptionBroadcast, &value, sizeof value) != vex::kOk) {
    logger()->log(vex::kLogError,
                  "fail setsockopt(). can't set broadcast flag. WSAGetLastError()=%d",
                  last_error());
    return vex::kFailed;
  }
  return vex::kOk;
}
