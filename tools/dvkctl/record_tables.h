#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/dvkctl/host_handle.h"

namespace dvkctl {

// Copies the `count` records that the last count call read, one by one.
template <class Record, class Function>
std::optional<Failure> read_records(const HostHandle& handle, std::int32_t count,
                                    const Export<Function>& get_record, const SnmpArguments& snmp,
                                    std::vector<Record>* records) {
  for (std::int32_t index = 0; index < count; ++index) {
    Record record{};
    const std::int32_t result =
        get_record(handle.get(), static_cast<std::uint32_t>(index), &record);
    if (auto failure = failure_of(get_record, result, snmp)) return failure;
    records->push_back(record);
  }
  return std::nullopt;
}

// A status table as a host reads it: the count call, then every record.
template <class Record, class CountFunction, class RecordFunction>
std::optional<Failure> read_table(const HostHandle& handle, const Export<CountFunction>& count_call,
                                  const Export<RecordFunction>& get_record,
                                  const SnmpArguments& snmp, std::vector<Record>* records) {
  std::int32_t count = 0;
  if (auto failure = failure_of(count_call, count_call(handle.get(), &count), snmp)) return failure;
  return read_records(handle, count, get_record, snmp, records);
}

}  // namespace dvkctl
