#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "device/options/agent_row.h"
#include "framework/result_codes.h"

class CDvkDevCommOption;

namespace vex {

// Keeps what the reads of one refresh returned in an option object, each
// value cut to its field and each list held to its limit. The rows hold one
// value per column in the order of option_objects.h.
class OptionStore {
 public:
  explicit OptionStore(CDvkDevCommOption& option) noexcept : option_(option) {}

  void system_name(std::string_view text) noexcept;
  // The ROM version comes from row 10; the result is that of reading its
  // numbers (-1 for a text of another form), all rows being kept either way.
  Result hrdevice_rows(std::span<const AgentRow> rows);
  void input_tray_rows(std::span<const AgentRow> rows);
  void output_tray_rows(std::span<const AgentRow> rows) noexcept;
  void memory_size(std::int32_t kilobytes) noexcept;
  void media_path_rows(std::span<const AgentRow> rows) noexcept;
  void netware_name(std::string_view text) noexcept;
  // A negative answer keeps the value at 0.
  void password_policy(std::int32_t min_password_length, std::int32_t user_prompt_setting) noexcept;

 private:
  CDvkDevCommOption& option_;
};

}  // namespace vex
