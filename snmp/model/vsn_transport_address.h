#pragma once

#include <cstddef>
#include <cstdint>

#include "snmp/model/address_bytes.h"

// What the UDP and IPX address values share on top of their base class: a
// port (IPX socket) stored big-endian at a fixed offset, and a table-index
// form that starts with the transport domain number.
template <class Base, std::uint32_t Domain, std::size_t PortOffset>
class CVsnTransportAddress : public Base {
 public:
  static constexpr std::uint32_t kDomain = Domain;

  std::uint16_t get_port(vex::Result* err) const override {
    vex::report(err, vex::kOk);
    return vex::read_be16(this->bytes() + PortOffset);
  }

  vex::Result set_port(std::uint16_t port) override {
    vex::write_be16(this->bytes() + PortOffset, port);
    return vex::kOk;
  }

  std::int32_t index_length(std::int32_t implied) const override {
    return this->domain_index_length(implied);
  }

  vex::Result append_index(IVsnOid* oid, std::int32_t implied) const override {
    return this->append_domain_index(oid, implied, Domain);
  }

  vex::Result read_index(const IVsnOid* oid, std::int32_t implied,
                         std::int32_t /*length*/) override {
    return this->read_domain_index(oid, implied, Domain);
  }

 protected:
  static constexpr std::size_t kPortOffset = PortOffset;

  using Base::Base;
};
