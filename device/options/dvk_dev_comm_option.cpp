#include "device/options/dvk_dev_comm_option.h"

// The option reader is filled in with the option vocabulary; until then every
// request reports that it is not supported.
CDvkDevCommOption::~CDvkDevCommOption() = default;

std::int32_t CDvkDevCommOption::refresh_options() { return vex::kNotSupported; }

std::int32_t CDvkDevCommOption::get_option(const char*, std::uint16_t, bool*) {
  return vex::kNotSupported;
}

std::int32_t CDvkDevCommOption::get_option(const char*, std::uint16_t, std::int32_t*) {
  return vex::kNotSupported;
}

std::int32_t CDvkDevCommOption::get_option(const char*, std::uint16_t, std::uint32_t*) {
  return vex::kNotSupported;
}

std::int32_t CDvkDevCommOption::get_option(const char*, std::uint16_t, char*) {
  return vex::kNotSupported;
}
