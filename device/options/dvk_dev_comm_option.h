#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "plugin/dvk_plugin.h"

// Common option reader of a device session. Its members leave the library:
// hosts may use the class directly.
class DVK_API CDvkDevCommOption {
 public:
  CDvkDevCommOption() = default;
  CDvkDevCommOption(const CDvkDevCommOption&) = default;
  CDvkDevCommOption& operator=(const CDvkDevCommOption&) = default;
  virtual ~CDvkDevCommOption();

  virtual std::int32_t refresh_options();
  virtual std::int32_t get_option(const char* name, std::uint16_t index, bool* value);
  virtual std::int32_t get_option(const char* name, std::uint16_t index, std::int32_t* value);
  virtual std::int32_t get_option(const char* name, std::uint16_t index, std::uint32_t* value);
  virtual std::int32_t get_option(const char* name, std::uint16_t index, char* value);
};
