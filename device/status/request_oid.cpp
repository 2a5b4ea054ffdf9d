#include "device/status/request_oid.h"

#include <cstdio>
#include <cstring>

namespace vex {

Result format_request_oid(const char* column, std::initializer_list<std::int64_t> index,
                          RequestOid* out) noexcept {
  if (column == nullptr || out == nullptr) return kInvalidArgument;
  std::size_t used = std::strlen(column);
  if (used >= RequestOid::kCapacity) return kInvalidArgument;
  std::memcpy(out->text, column, used + 1);
  for (const std::int64_t number : index) {
    const int written = std::snprintf(out->text + used, RequestOid::kCapacity - used, ".%lld",
                                      static_cast<long long>(number));
    if (written < 0 || static_cast<std::size_t>(written) >= RequestOid::kCapacity - used) {
      out->text[0] = '\0';
      return kInvalidArgument;
    }
    used += static_cast<std::size_t>(written);
  }
  return kOk;
}

}  // namespace vex
