#pragma once

#include <cstdint>

#include "framework/ownership.h"
#include "net/network_address.h"
#include "snmp/model/vsn_target.h"

// The part both target classes share: version, time-out, retries, largest
// message size, the address (an own copy) and the port.
class CVsnSnmpTarget : public virtual IVsnSnmpTarget {
 public:
  // A new target of this class, filled by assign.
  IVsnSnmpTarget* clone(vex::Result* err) const override;
  // The common fields first, then assign_own with a target of this class.
  vex::Result assign(const IVsnSnmpTarget* other) override;
  // Identifiers 0 and 1 here, the class's own ones through own_view.
  void query(std::int32_t id, void** out) override;
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
  // An empty target of this class.
  virtual IVsnSnmpTarget* create_empty(vex::Result* err) const = 0;
  // Copies the fields of this class from `other`; -2 when it is of another
  // class.
  virtual vex::Result assign_own(const IVsnSnmpTarget& other) = 0;
  // The class's own interface for its query identifiers; null otherwise.
  virtual void* own_view(std::int32_t id) = 0;

 private:
  std::int32_t version_ = vex::snmp_version::kUnset;
  std::int32_t timeout_ = -1;
  std::int32_t retries_ = 0;
  std::int32_t max_size_ = 0;
  vex::Owned<IVexNetworkAddress> address_;
  std::uint16_t port_ = 0;
};
