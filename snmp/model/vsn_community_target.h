#pragma once

#include "framework/result_codes.h"
#include "snmp/model/vsn_target.h"

// The SNMPv1/SNMPv2c target: the common fields and a community text.
class IVsnCommunityTarget : public virtual IVsnSnmpTarget {
 public:
  // Keeps a copy of the text; null leaves none. When the copy cannot be made
  // (-3) no community is held.
  virtual vex::Result set_community(const char* text) = 0;
  // Lent; null when there is none.
  virtual const char* community() const = 0;
  void destroy() override = 0;
};

// Version -1, time-out -1, retries 0, size 0, port 0, no address, no
// community. Null with -3 when memory is exhausted.
IVsnCommunityTarget* vsn_create_community_target(vex::Result* err = nullptr);

namespace vex {

// The community interface of a target, or null for a target of another class.
inline IVsnCommunityTarget* as_community(IVsnSnmpTarget* target) {
  void* view = nullptr;
  if (target != nullptr) target->query(target_query::kCommunity, &view);
  return static_cast<IVsnCommunityTarget*>(view);
}

}  // namespace vex
