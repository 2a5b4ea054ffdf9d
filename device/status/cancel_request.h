#pragma once

#include <cstdint>

#include "device/status/status_tables.h"
#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "snmp/model/vsn_oid.h"

namespace vex {

// The one binding of a cancel SetRequest: column.suffix with an INTEGER value.
struct CancelRequest {
  const char* column = kCancelColumn;
  Owned<IVsnOid> suffix;  // 101, then the identifier's octets with their count
  std::int32_t value = kCancelValue;
};

// The cancel request of a job identifier (a text; its bytes form the octet
// string of the index). Null identifier: -2; memory exhausted: -3.
Result cancel_request(const char* job_id, CancelRequest* request) noexcept;

}  // namespace vex
