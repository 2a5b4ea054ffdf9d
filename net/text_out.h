#pragma once

#include "framework/ownership.h"
#include "framework/result_codes.h"
#include "snmp/model/vex_buffer.h"

namespace vex {

// Hands out a new buffer holding the text: 0, or -3 with nothing handed out.
inline Result hand_out_text(const char* text, IVexBuffer** out) {
  Result result = kOk;
  Owned<IVexBuffer> buffer(vex_create_buffer(&result));
  if (buffer == nullptr) return result;
  result = buffer->assign_text(text);
  if (failed(result)) return result;
  *out = buffer.release();
  return kOk;
}

}  // namespace vex
