#include "logging/log_service.h"
#include "logging/null_logger.h"
#include "logging/vex_log.h"

vex::Result vex_tag_log(const char* tag, std::uint32_t level, const char* format, ...) {
  CVexLogService* service = vex_log_service();
  IVexLogger* logger = service != nullptr ? service->get_logger(tag, nullptr) : vex_null_logger();
  va_list arguments;
  va_start(arguments, format);
  const vex::Result result = logger->log_v(level, format, arguments);
  va_end(arguments);
  return result;
}
