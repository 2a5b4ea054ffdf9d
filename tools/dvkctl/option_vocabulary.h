#pragma once

#include <span>

namespace dvkctl {

// Which DvkGetOptionValue function serves an option.
enum class OptionKind { kBoolean, kInteger, kText };

struct OptionName {
  const char* name;
  OptionKind kind;
  bool per_tray;  // asked with the input tray's index
};

// Every option the plug-in serves, in the order dvkctl prints them.
std::span<const OptionName> option_vocabulary() noexcept;

// The option that counts the input trays the per-tray options are asked for.
inline constexpr const char* kTrayCountOption = "NumberOfInputTray";

}  // namespace dvkctl
