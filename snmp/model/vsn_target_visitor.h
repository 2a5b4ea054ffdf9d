#pragma once

#include "framework/result_codes.h"

class IVsnCommunityTarget;
class IVsnUsmTarget;

// Double dispatch over the target classes: a target's accept() calls the
// operation of its class with its own interface. An implementation that
// cannot serve a class answers -5 there.
class IVsnTargetVisitor {
 public:
  virtual vex::Result visit_community_target(IVsnCommunityTarget* target) = 0;
  virtual vex::Result visit_usm_target(IVsnUsmTarget* target) = 0;

  virtual ~IVsnTargetVisitor() = default;
};
