#include "device/status/cancel_request.h"

#include <cstring>
#include <limits>
#include <utility>

#include "snmp/model/vsn_factory.h"

namespace vex {

Result cancel_request(const char* job_id, CancelRequest* request) noexcept {
  if (job_id == nullptr || request == nullptr) return kInvalidArgument;
  const std::size_t length = std::strlen(job_id);
  if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return kInvalidArgument;
  }
  Result err = kOk;
  Owned<IVsnOid> suffix(vsn_create_oid(&err));
  if (suffix == nullptr) return err;
  const Owned<IVsnValue> identifier(vsn_create_value(tag::kOctetString, &err));
  if (identifier == nullptr) return err;
  Result step = identifier->set_bytes(reinterpret_cast<const std::uint8_t*>(job_id),
                                      static_cast<std::int32_t>(length));
  if (succeeded(step)) step = suffix->append_subid(kCancelIndexHead);
  if (succeeded(step)) step = suffix->append_value_index(identifier.get(), 0);
  if (failed(step)) return step;
  request->column = kCancelColumn;
  request->suffix = std::move(suffix);
  request->value = kCancelValue;
  return kOk;
}

}  // namespace vex
