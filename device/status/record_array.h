#pragma once

#include <cstdint>
#include <new>
#include <vector>

#include "framework/result_codes.h"

namespace vex {

// The records of a status reader's last reading of one table; grows without
// a fixed limit.
template <class Record>
class RecordArray {
 public:
  void clear() noexcept { records_.clear(); }

  Result append(const Record& record) noexcept {
    try {
      records_.push_back(record);
    } catch (const std::bad_alloc&) {
      return kOutOfMemory;
    }
    return kOk;
  }

  std::int32_t count() const noexcept { return static_cast<std::int32_t>(records_.size()); }

  // Copies record `index` out; -11 when the index is not below the count.
  Result copy_out(std::uint32_t index, Record* out) const noexcept {
    if (out == nullptr) return kInvalidArgument;
    if (records_.empty() || index >= records_.size()) return kIndexOutOfRange;
    *out = records_[index];
    return kOk;
  }

 private:
  std::vector<Record> records_;
};

}  // namespace vex
