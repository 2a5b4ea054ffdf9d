#include "snmp/model/index_form.h"

#include "snmp/model/vsn_oid.h"

namespace vex {

Result read_subid(const IVsnOid& oid, std::uint32_t pos, std::uint32_t& out) {
  Result result = kOk;
  const std::int64_t subid = oid.element_at(pos, &result);
  if (failed(result)) return result;
  out = static_cast<std::uint32_t>(subid);
  return kOk;
}

Result read_byte_subid(const IVsnOid& oid, std::uint32_t pos, std::uint8_t& out) {
  std::uint32_t subid = 0;
  const Result result = read_subid(oid, pos, subid);
  if (failed(result)) return result;
  if (subid > 0xFF) return kBadIndex;
  out = static_cast<std::uint8_t>(subid);
  return kOk;
}

Result expect_subid(const IVsnOid& oid, std::uint32_t pos, std::uint32_t wanted) {
  std::uint32_t subid = 0;
  const Result result = read_subid(oid, pos, subid);
  if (failed(result)) return result;
  return subid == wanted ? kOk : kBadIndex;
}

}  // namespace vex
