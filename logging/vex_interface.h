#pragma once

#include <cstring>
#include <initializer_list>

#include "framework/result_codes.h"

// The operations that open every logging interface. Components are owned by
// exactly one holder and carry no reference count; query_interface hands out
// another view of the same object without moving ownership.
class IVexInterface {
 public:
  virtual vex::Result query_interface(const char* iid, void** out) = 0;
  // Second entry point of the same query, kept for the interface layout.
  virtual vex::Result query_interface2(const char* iid, void** out) = 0;
  // Always -5: there is no reference counting.
  virtual vex::Result add_ref() = 0;
  // Deletes the component; the process-wide ones ignore it.
  virtual void destroy() = 0;
  virtual ~IVexInterface() = default;
};

namespace vex {

// Interface identifiers, compared byte by byte and case-sensitively.
inline constexpr const char* kIidBase = "da74598a-9178-43c9-86c6-cee9988f1b7f";
inline constexpr const char* kIidLogger = "5fe5b960-6b6f-11d5-82ea-00e02941dfe1";
inline constexpr const char* kIidLoggerAdmin = "d638c730-6b6f-11d5-82ea-00e02941dfe1";
inline constexpr const char* kIidLoggerGroup = "a1fc9560-6b6f-11d5-82ea-00e02941dfe1";
inline constexpr const char* kIidRootLoggerGroup = "34430190-6b77-11d5-82ea-00e02941dfe1";
inline constexpr const char* kIidLogSink = "13102460-7602-11d5-82f1-00e02941dfe1";
inline constexpr const char* kIidFileLogSink = "2fb9f6c0-7602-11d5-82f1-00e02941dfe1";

// One interface a component answers: its identifier and the view to hand out.
struct InterfaceView {
  const char* iid;
  void* view;
};

// The common query: -2 without identifier or out-pointer (nothing stored);
// the first view whose identifier matches, 0; otherwise null and -4.
inline Result answer_query(const char* iid, void** out,
                           std::initializer_list<InterfaceView> views) {
  if (iid == nullptr || out == nullptr) return kInvalidArgument;
  for (const InterfaceView& entry : views) {
    if (std::strcmp(entry.iid, iid) == 0) {
      *out = entry.view;
      return kOk;
    }
  }
  *out = nullptr;
  return kNoInterface;
}

// The base operations every logging component shares: the second query entry
// forwards to the component's own query_interface, and add_ref is refused.
template <class Derived, class... Interfaces>
class Component : public Interfaces... {
 public:
  Result query_interface2(const char* iid, void** out) final {
    return static_cast<Derived*>(this)->query_interface(iid, out);
  }
  Result add_ref() final { return kNotSupported; }
};

// Typed query: the view of `object` for `iid`, or null.
template <class Interface>
Interface* query_view(IVexInterface* object, const char* iid) {
  void* view = nullptr;
  if (object == nullptr || object->query_interface(iid, &view) != kOk) return nullptr;
  return static_cast<Interface*>(view);
}

}  // namespace vex
