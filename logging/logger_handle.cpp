#include "logging/logger_handle.h"

#include "logging/log_service.h"
#include "logging/null_logger.h"

namespace {

constinit CVexLoggerHandle snmp_handle("snmp");
constinit CVexLoggerHandle socket_handle("socket");

}  // namespace

// A logger the service dropped at a reset stays valid, so a thread that read
// the old pointer just before the refetch logs nothing rather than crashing.
IVexLogger* CVexLoggerHandle::get() {
  CVexLogService* service = vex_log_service();
  if (service == nullptr) return vex_null_logger();
  const std::uint32_t generation = service->generation();
  IVexLogger* logger = logger_.load(std::memory_order_acquire);
  if (logger != nullptr && generation_.load(std::memory_order_acquire) == generation) {
    return logger;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  logger = logger_.load(std::memory_order_relaxed);
  if (logger == nullptr || generation_.load(std::memory_order_relaxed) != generation) {
    vex::Result result = vex::kOk;
    logger = service->get_logger(name_, &result);
    if (result != vex::kOk) return vex_null_logger();
    logger_.store(logger, std::memory_order_release);
    generation_.store(generation, std::memory_order_release);
  }
  return logger;
}

IVexLogger* vex_snmp_logger() { return snmp_handle.get(); }

IVexLogger* vex_socket_logger() { return socket_handle.get(); }
