#pragma once

#include <cstdint>

#include "framework/ownership.h"
#include "net/network_address.h"
#include "snmp/model/vsn_target.h"

// The part both target classes share: version, time-out, retries, largest
// message size, the address (an own copy) and the port.
class CVsnSnmpTarget : public virtual IVsnSnmpTarget {
 public:
  std::int32_t set_version(std::int32_t version) override { return version_ = version; }
  std::int32_t set_timeout(std::int32_t milliseconds) override { return timeout_ = milliseconds; }
  std::int32_t set_retries(std::int32_t retries) override { return retries_ = retries; }
  std::int32_t set_max_size(std::int32_t bytes) override { return max_size_ = bytes; }
  std::uint16_t set_port(std::uint16_t port) override { return port_ = port; }
  std::int32_t version() const override { return version_; }
  std::int32_t timeout() const override { return timeout_; }
  std::int32_t retries() const override { return retries_; }
  std::int32_t max_size() const override { return max_size_; }
  std::uint16_t port() const override { return port_; }
  vex::Result set_address(const IVexNetworkAddress* address) override;
  IVexNetworkAddress* address() const override { return address_.get(); }

 protected:
  // assign's first half: the address (its error returned), then the numbers.
  vex::Result assign_common(const IVsnSnmpTarget& other);
  // The views every target answers (identifiers 0 and 1); null otherwise.
  void* common_view(std::int32_t id);

 private:
  std::int32_t version_ = vex::snmp_version::kUnset;
  std::int32_t timeout_ = -1;
  std::int32_t retries_ = 0;
  std::int32_t max_size_ = 0;
  vex::Owned<IVexNetworkAddress> address_;
  std::uint16_t port_ = 0;
};
