#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "device/options/dvk_dev_comm_option.h"
#include "device/options/option_log.h"
#include "framework/fixed_text.h"

namespace {

constexpr std::string_view kRomVersionLead = "Printer Controller v";

struct VersionNumbers {
  std::int32_t major;
  std::int32_t minor;
  std::int32_t revision;
};

// A decimal integer with an optional sign at the front of `text`, which is
// advanced past it; nothing for a missing or out-of-range number.
std::optional<std::int32_t> take_integer(std::string_view& text) {
  std::string_view digits = text;
  if (digits.starts_with("+-")) return std::nullopt;
  if (digits.starts_with('+')) digits.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end == digits.data()) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

bool take_dot(std::string_view& text) {
  if (text.empty() || text.front() != '.') return false;
  text.remove_prefix(1);
  return true;
}

// "Printer Controller v<major>.<minor>.<revision>", whatever follows.
std::optional<VersionNumbers> scan_rom_version(std::string_view text) {
  if (!text.starts_with(kRomVersionLead)) return std::nullopt;
  text.remove_prefix(kRomVersionLead.size());
  const auto major = take_integer(text);
  if (!major || !take_dot(text)) return std::nullopt;
  const auto minor = take_integer(text);
  if (!minor || !take_dot(text)) return std::nullopt;
  const auto revision = take_integer(text);
  if (!revision) return std::nullopt;
  return VersionNumbers{*major, *minor, *revision};
}

}  // namespace

std::int32_t CDvkDevCommOption::parse_version_value() {
  const auto numbers = scan_rom_version(vex::field_view(values_.rom_version));
  if (!numbers) {
    vex::log_option_failure("invalid PrinterROMVersion format");
    return vex::kFailed;
  }
  values_.rom_version_major = numbers->major;
  values_.rom_version_minor = numbers->minor;
  values_.rom_version_revision = numbers->revision;
  return vex::kOk;
}
