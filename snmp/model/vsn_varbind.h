#pragma once

#include <cstdint>

#include "framework/result_codes.h"

class IVsnOid;
class IVsnValue;

namespace vex::binding_status {
inline constexpr std::int32_t kNoError = 0;
// After an error answer: the agent reported on another binding, not this one.
inline constexpr std::int32_t kNotReported = 100;
}  // namespace vex::binding_status

// A variable binding: a name (object identifier), a value and the status the
// last answer gave this binding. The binding owns its name and value; setters
// take ownership and delete what they replace, getters lend.
class IVsnVarBind {
 public:
  virtual void destroy() = 0;
  // Clones of the name and the value (a missing part stays missing), status 0.
  virtual IVsnVarBind* clone(vex::Result* err) const = 0;
  // Same name, same value (or both missing) and same status.
  virtual bool equals(const IVsnVarBind* other) const = 0;
  // Replaces name and value; a null value becomes a new NULL value. When that
  // cannot be made (-3) the binding deletes what it held and is left empty; a
  // name it did not hold stays the caller's.
  virtual vex::Result set(IVsnOid* name, IVsnValue* value) = 0;
  virtual vex::Result bind(IVsnOid* name, IVsnValue* value) = 0;  // the same as set
  // Hands name and value out and leaves the binding empty; a part whose
  // out-pointer is null is deleted instead.
  virtual void detach(IVsnOid** name, IVsnValue** value) = 0;
  virtual void set_name(IVsnOid* name) = 0;
  virtual void set_value(IVsnValue* value) = 0;
  virtual IVsnOid* name() const = 0;
  virtual IVsnValue* value() const = 0;
  virtual std::int32_t status() const = 0;
  virtual void set_status(std::int32_t status) = 0;

  virtual ~IVsnVarBind() = default;
};

// An empty binding: no name, no value, status 0. Null with -3 when memory is
// exhausted.
IVsnVarBind* vsn_create_varbind(vex::Result* err = nullptr);
