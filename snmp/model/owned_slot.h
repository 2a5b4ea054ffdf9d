#pragma once

#include "framework/ownership.h"
#include "framework/result_codes.h"

namespace vex {

// Stores `given` in the slot and deletes what it held, unless the slot
// already holds `given` itself (storing an object again must not delete it).
template <class T>
void replace_owned(Owned<T>& slot, T* given) noexcept {
  if (slot.get() != given) slot.reset(given);
}

// Hands the slot's object to *out, or deletes it when out is null; the slot
// is left empty either way.
template <class T>
void hand_out(Owned<T>& slot, T** out) noexcept {
  if (out != nullptr) {
    *out = slot.release();
  } else {
    slot.reset();
  }
}

// Fills the slot with a clone of `source`; a missing source leaves the slot
// as it is. Answers the clone's failure.
template <class T>
Result clone_into(Owned<T>& slot, const T* source) {
  if (source == nullptr) return kOk;
  Result result = kOk;
  slot.reset(source->clone(&result));
  return slot != nullptr ? kOk : result;
}

// Two optional parts are equal when both are missing, or when this side's
// part equals the other's.
template <class T>
bool equal_parts(const T* mine, const T* theirs) {
  if (mine == nullptr) return theirs == nullptr;
  return mine->equals(theirs);
}

}  // namespace vex
