#pragma once

#include <sys/socket.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "net/network_address.h"

// A socket-library address record and the length of the family's record in it.
struct SocketAddressRecord {
  sockaddr_storage storage{};
  socklen_t length = sizeof(sockaddr_storage);

  sockaddr* address() { return reinterpret_cast<sockaddr*>(&storage); }
  const sockaddr* address() const { return reinterpret_cast<const sockaddr*>(&storage); }
  // Takes a record of `size` bytes (at most the storage's size).
  void assign(const void* record, socklen_t size) {
    storage = {};
    std::memcpy(&storage, record, size);
    length = size;
  }
};

// A bound datagram socket of one transport protocol. Created opened by
// create_datagram_socket; the owner releases it.
class DataGramSocket {
 public:
  DataGramSocket(const DataGramSocket&) = delete;
  DataGramSocket& operator=(const DataGramSocket&) = delete;

  virtual void release();
  virtual vex::Result send(const std::uint8_t* data, std::uint32_t length,
                           const IVexNetworkAddress* destination);
  // Waits at most timeout_ms (-1: without limit) for one datagram. A datagram
  // longer than the capacity is dropped and reported as a receive failure.
  virtual vex::Result receive(std::uint8_t* buffer, std::uint32_t capacity, std::int32_t timeout_ms,
                              std::uint32_t* received, IVexNetworkAddress** sender);
  virtual IVexNetworkAddress* local_address();  // still owned by the socket
  // Only the low byte of the flag counts.
  virtual vex::Result set_broadcast(std::int32_t flag);
  virtual vex::Result join_multicast_group(const char* group);
  virtual ~DataGramSocket();

 protected:
  friend vex::Result create_datagram_socket(std::int32_t protocol, std::uint16_t port,
                                            DataGramSocket** socket);

  DataGramSocket() = default;

  virtual vex::Result start_library() = 0;
  virtual vex::Result set_default_local_address() = 0;
  virtual bool from_sockaddr(const SocketAddressRecord& record, IVexNetworkAddress* address) = 0;
  virtual bool to_sockaddr(const IVexNetworkAddress* address, SocketAddressRecord* record) = 0;
  virtual vex::Result open_socket() = 0;

  vex::Result attach_local_address(std::int32_t protocol, std::uint16_t port);
  // Starts the library, opens the socket, binds the local address and reads
  // back the bound port.
  vex::Result open();

  // Creates the socket with framework family, type and protocol numbers.
  vex::Result open_socket_of(int family, int type, int protocol);

  int handle_ = -1;
  vex::Owned<IVexNetworkAddress> local_;

 private:
  vex::Result set_option(int level, int option, const void* value, socklen_t length);
  vex::Result add_membership(int level, const void* record, socklen_t length);
  vex::Result join_ipv4_group(const char* group);
  vex::Result join_ipv6_group(const char* group);

  bool library_started_ = false;
};

// -2 for a null out pointer or a protocol other than 1, 2 or 4; -3 without
// memory; otherwise the opening's result. Port 0 lets the system choose.
vex::Result create_datagram_socket(std::int32_t protocol, std::uint16_t port,
                                   DataGramSocket** socket);
vex::Result create_datagram_socket(std::int32_t protocol, DataGramSocket** socket);

namespace vex {
using OwnedSocket = std::unique_ptr<DataGramSocket, Release>;
}  // namespace vex
