#pragma once

#include <cstdint>

#include "framework/result_codes.h"

class IVsnOid;
class IVsnValue;
class IVsnVarBind;

// The ordered bindings of a PDU, all owned by the list. Positions are 0-based;
// the error index of an answer counts the same order from 1.
class IVsnVarBindList {
 public:
  virtual void destroy() = 0;
  // Clones of every binding, in order.
  virtual IVsnVarBindList* clone(vex::Result* err) const = 0;
  // Same count and equal bindings position by position.
  virtual bool equals(const IVsnVarBindList* other) const = 0;
  virtual std::int32_t count() const = 0;
  // Appends a new binding filled by its set(). Null name: -2. On any failure
  // nothing is appended and the caller keeps name and value.
  virtual vex::Result add(IVsnOid* name, IVsnValue* value) = 0;
  // Takes ownership of the binding on success; null: -2.
  virtual vex::Result append(IVsnVarBind* binding) = 0;
  virtual vex::Result add_front(IVsnOid* name, IVsnValue* value) = 0;
  virtual vex::Result prepend(IVsnVarBind* binding) = 0;
  // Takes the binding out (the following ones move up) and hands it to *out,
  // or deletes it when out is null. Position not below count: -2.
  virtual vex::Result remove_at(std::int32_t position, IVsnVarBind** out) = 0;
  // Takes the first binding out, hands over its name and value as its
  // detach() does, and deletes it. Nothing happens on an empty list.
  virtual void take_first_parts(IVsnOid** name, IVsnValue** value) = 0;
  // The first binding, now owned by the caller; null when empty.
  virtual IVsnVarBind* pop_front() = 0;
  // Lent; null when the position is not below count.
  virtual IVsnVarBind* at(std::int32_t position) const = 0;
  // A new list with clones of at most n bindings from start on. Start not
  // below count, or negative n: null with -2.
  virtual IVsnVarBindList* copy_range(std::int32_t start, std::int32_t n,
                                      vex::Result* err) const = 0;
  // A new list that receives the first min(n, count) bindings, moved out of
  // this one in order. Negative n: null with -2.
  virtual IVsnVarBindList* split_front(std::int32_t n, vex::Result* err) = 0;
  // The binding at the 1-based error index gets the error status, every other
  // one status 100 (an index of 0 or past the end marks all with 100).
  // Returns count.
  virtual std::int32_t mark_error(std::int32_t error_status, std::int32_t error_index) = 0;
  // Every binding gets the status. Returns count.
  virtual std::int32_t set_all_status(std::int32_t status) = 0;

  virtual ~IVsnVarBindList() = default;
};

// An empty list; null with -3 when memory is exhausted.
IVsnVarBindList* vsn_create_varbind_list(vex::Result* err = nullptr);
