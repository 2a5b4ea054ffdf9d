#include "logging/null_logger.h"

#include "logging/no_destroy.h"

namespace {

constinit vex::NoDestroy<CVexNullLogger> null_logger;

}  // namespace

vex::Result CVexNullLogger::query_interface(const char* iid, void** out) {
  IVexLogger* logger = this;
  IVexLoggerGroup* group = this;
  return vex::answer_query(iid, out,
                           {{vex::kIidBase, static_cast<IVexInterface*>(logger)},
                            {vex::kIidLogger, logger},
                            {vex::kIidLoggerGroup, group}});
}

CVexNullLogger* vex_null_logger() noexcept { return &null_logger.value; }
