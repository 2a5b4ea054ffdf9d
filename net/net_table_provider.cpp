#include "net/net_table_provider.h"

vex::Result NetTableProvider::load() {
  if (ready_) return vex::kOk;
  const vex::Result resolved = resolve();
  if (resolved == vex::kOk) ready_ = true;
  return resolved;
}
