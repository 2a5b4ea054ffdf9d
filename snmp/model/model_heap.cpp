#include "snmp/model/model_heap.h"

#include <cstdlib>

namespace vex {
namespace {

thread_local AllocationLimit* current_limit = nullptr;

}  // namespace

AllocationLimit::AllocationLimit(int allowed) noexcept
    : remaining_(allowed), outer_(current_limit) {
  current_limit = this;
}

AllocationLimit::~AllocationLimit() { current_limit = outer_; }

bool model_may_allocate() noexcept {
  AllocationLimit* limit = current_limit;
  if (limit == nullptr) return true;
  if (limit->remaining_ <= 0) return false;
  --limit->remaining_;
  return true;
}

void* model_reallocate(void* block, std::size_t size) noexcept {
  if (size == 0 || !model_may_allocate()) return nullptr;
  return std::realloc(block, size);
}

void model_free(void* block) noexcept { std::free(block); }

}  // namespace vex
