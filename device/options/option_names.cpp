// The option vocabulary: every name each get_option overload answers, compared
// exactly, letter case included.
#include <array>
#include <cstdint>
#include <string_view>

#include "device/options/dvk_dev_comm_option.h"

namespace {

using vex::InputTrayEntry;
using vex::OptionValues;

// The string export hands every text option to a host buffer of this size.
static_assert(sizeof(OptionValues::rom_version) <= DVK_OPTION_TEXT_SIZE &&
              sizeof(OptionValues::system_name) <= DVK_OPTION_TEXT_SIZE &&
              sizeof(OptionValues::netware_name) <= DVK_OPTION_TEXT_SIZE &&
              sizeof(InputTrayEntry::name) <= DVK_OPTION_TEXT_SIZE &&
              sizeof(InputTrayEntry::description) <= DVK_OPTION_TEXT_SIZE &&
              sizeof(InputTrayEntry::media_type) <= DVK_OPTION_TEXT_SIZE);

// hrDeviceIndex values under which printers of this family report their
// installed units; the row's presence is enough.
struct DeviceOption {
  std::string_view name;
  std::int32_t device_index;
};
constexpr std::array<DeviceOption, 6> kDeviceOptions = {{
    {"Scanner", 102},
    {"Copier", 103},
    {"HardDisk", 11},
    {"RamDisk", 3},
    {"InTrayEx1", 110},
    {"InTrayEx2", 116},
}};

struct FlagOption {
  std::string_view name;
  bool OptionValues::*flag;
};
constexpr std::array<FlagOption, 2> kFlagOptions = {{
    {"DuplexModule", &OptionValues::duplex_module},
    {"InTrayMSI", &OptionValues::manual_feed_tray},
}};

struct NumberOption {
  std::string_view name;
  std::int32_t (*read)(const OptionValues&);
};
constexpr std::array<NumberOption, 8> kNumberOptions = {{
    {"MemorySizeInKByte", [](const OptionValues& v) { return v.memory_size_kb; }},
    {"MemorySizeInMByte", [](const OptionValues& v) { return v.memory_size_kb / 1024; }},
    {"NumberOfInputTray", [](const OptionValues& v) { return v.input_trays.count; }},
    {"PrinterRomVersionMajor", [](const OptionValues& v) { return v.rom_version_major; }},
    {"PrinterRomVersionMinor", [](const OptionValues& v) { return v.rom_version_minor; }},
    {"PrinterRomVersionRevision", [](const OptionValues& v) { return v.rom_version_revision; }},
    {"UserPromptSetting", [](const OptionValues& v) { return v.user_prompt_setting; }},
    {"MinPasswordLength", [](const OptionValues& v) { return v.min_password_length; }},
}};

struct TrayNumberOption {
  std::string_view name;
  std::int32_t InputTrayEntry::*field;

  std::int32_t read(const InputTrayEntry& tray) const { return tray.*field; }
};
constexpr std::array<TrayNumberOption, 8> kTrayNumberOptions = {{
    {"InputTrayIndex", &InputTrayEntry::number},
    {"InputTrayType", &InputTrayEntry::type},
    {"InputTrayMaxCapacityInSheets", &InputTrayEntry::max_sheets},
    {"InputTrayCurrentLevelInPercent", &InputTrayEntry::level_percent},
    {"InputTrayMediaSize", &InputTrayEntry::medium_size},
    {"InputTrayMediaDirection", &InputTrayEntry::medium_direction},
    {"InputTrayMediaDimFeedDirChosen", &InputTrayEntry::feed_dimension},
    {"InputTrayMediaDimXFeedDirChosen", &InputTrayEntry::cross_feed_dimension},
}};

struct TextOption {
  std::string_view name;
  const char* (*read)(const OptionValues&);
};
constexpr std::array<TextOption, 3> kTextOptions = {{
    {"PrinterRomVersion", [](const OptionValues& v) -> const char* { return v.rom_version; }},
    {"SysName", [](const OptionValues& v) -> const char* { return v.system_name; }},
    {"NetWareSAPUnitName", [](const OptionValues& v) -> const char* { return v.netware_name; }},
}};

struct TrayTextOption {
  std::string_view name;
  const char* (*read)(const InputTrayEntry&);
};
constexpr std::array<TrayTextOption, 3> kTrayTextOptions = {{
    {"InputTrayName", [](const InputTrayEntry& t) -> const char* { return t.name; }},
    {"InputTrayDescription", [](const InputTrayEntry& t) -> const char* { return t.description; }},
    {"InputTrayMediaType", [](const InputTrayEntry& t) -> const char* { return t.media_type; }},
}};

template <class Option, std::size_t N>
const Option* find_option(const std::array<Option, N>& options, std::string_view name) {
  for (const Option& option : options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// The tray an indexed option asks for (0 is the first), or null when the
// index is outside the trays read.
const InputTrayEntry* tray_at(const OptionValues& values, std::int32_t index) {
  if (index < 0 || index >= values.input_trays.count) return nullptr;
  return &values.input_trays.entries[index];
}

// Answers a name of the options without index, then of the tray options.
template <class Value, class Options, class TrayOptions>
vex::Result answer(const OptionValues& values, std::string_view name, std::int32_t index,
                   const Options& options, const TrayOptions& tray_options, Value* value) {
  if (const auto* option = find_option(options, name)) {
    *value = option->read(values);
    return vex::kOk;
  }
  if (const auto* option = find_option(tray_options, name)) {
    const InputTrayEntry* tray = tray_at(values, index);
    if (tray == nullptr) return vex::kIndexOutOfRange;
    *value = option->read(*tray);
    return vex::kOk;
  }
  return vex::kNotSupported;
}

}  // namespace

std::int32_t CDvkDevCommOption::get_option(const char* name, const char** value,
                                           std::int32_t index) const {
  if (name == nullptr || value == nullptr) return vex::kInvalidArgument;
  return answer(values_, name, index, kTextOptions, kTrayTextOptions, value);
}

// No option of this family is unsigned.
std::int32_t CDvkDevCommOption::get_option(const char* name, std::uint32_t* value,
                                           std::int32_t) const {
  if (name == nullptr || value == nullptr) return vex::kInvalidArgument;
  return vex::kNotSupported;
}

std::int32_t CDvkDevCommOption::get_option(const char* name, std::int32_t* value,
                                           std::int32_t index) const {
  if (name == nullptr || value == nullptr) return vex::kInvalidArgument;
  return answer(values_, name, index, kNumberOptions, kTrayNumberOptions, value);
}

// Flags take no index.
std::int32_t CDvkDevCommOption::get_option(const char* name, bool* value, std::int32_t) const {
  if (name == nullptr || value == nullptr) return vex::kInvalidArgument;
  if (const DeviceOption* option = find_option(kDeviceOptions, name)) {
    *value = has_device_index(option->device_index);
    return vex::kOk;
  }
  if (const FlagOption* option = find_option(kFlagOptions, name)) {
    *value = values_.*(option->flag);
    return vex::kOk;
  }
  return vex::kNotSupported;
}
