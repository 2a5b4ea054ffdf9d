#pragma once

#include <cstddef>
#include <cstdint>

#include "device/status/status_rows.h"
#include "device/status/status_session.h"
#include "device/status/status_tables.h"
#include "framework/result_codes.h"

namespace vex {

// The four kinds of exchange a status reader has with its printer. Each one is
// a request of its own with the session's parameters: reads carry the read
// community when one was given, the set always carries the write community.
class StatusRequests {
 public:
  virtual ~StatusRequests() = default;

  // Walks the table from its root with every column: one row a table row,
  // each with a cell per column in column order.
  virtual Result walk(const StatusSession& session, const TableColumns& table,
                      StatusRows* rows) = 0;
  // Gets one object as a signed 32-bit integer.
  virtual Result get_integer(const StatusSession& session, const char* oid,
                             std::int32_t* value) = 0;
  // Gets one object's text into a field of `capacity` bytes.
  virtual Result get_text(const StatusSession& session, const char* oid, char* field,
                          std::size_t capacity) = 0;
  // Sets column.suffix to the INTEGER value.
  virtual Result set_integer(const StatusSession& session, const char* column, const char* suffix,
                             std::int32_t value) = 0;
};

// Every exchange answers -5: status readers have no get-data client to send
// their requests through yet.
StatusRequests& unsupported_status_requests() noexcept;

}  // namespace vex
