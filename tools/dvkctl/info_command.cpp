#include <algorithm>
#include <limits>

#include "tools/dvkctl/commands.h"
#include "tools/dvkctl/host_handle.h"
#include "tools/dvkctl/option_vocabulary.h"
#include "tools/dvkctl/record_text.h"

namespace dvkctl {
namespace {

class OptionReader {
 public:
  OptionReader(const HostHandle& handle, const SnmpArguments& snmp)
      : handle_(handle), library_(handle.library()), snmp_(snmp) {}

  std::optional<Failure> read(const OptionName& option, std::uint16_t index,
                              std::vector<NamedOption>* options) const;

 private:
  const HostHandle& handle_;
  const PluginLibrary& library_;
  const SnmpArguments& snmp_;
};

std::optional<Failure> OptionReader::read(const OptionName& option, std::uint16_t index,
                                          std::vector<NamedOption>* options) const {
  void* handle = handle_.get();
  std::optional<Failure> failure;
  switch (option.kind) {
    case OptionKind::kBoolean: {
      std::int16_t flag = 0;
      const auto& call = library_.DvkGetOptionValueBoolean;
      failure = failure_of(call, call(handle, option.name, index, &flag), snmp_);
      if (!failure) options->push_back({option.name, flag != 0});
      break;
    }
    case OptionKind::kInteger: {
      std::int32_t number = 0;
      const auto& call = library_.DvkGetOptionValueInteger;
      failure = failure_of(call, call(handle, option.name, index, &number), snmp_);
      if (!failure) options->push_back({option.name, number});
      break;
    }
    case OptionKind::kText: {
      char text[DVK_OPTION_TEXT_SIZE] = {};
      const auto& call = library_.DvkGetOptionValueString;
      failure = failure_of(call, call(handle, option.name, index, text), snmp_);
      if (!failure) options->push_back({option.name, record_text(text)});
      break;
    }
  }
  if (failure) {
    failure->message += ", asked for the option " + std::string(option.name);
    if (option.per_tray) failure->message += " of input tray " + std::to_string(index + 1);
  }
  return failure;
}

std::int32_t tray_count(const std::vector<NamedOption>& options) {
  for (const NamedOption& option : options) {
    if (std::string_view(option.name) == kTrayCountOption) {
      return std::get<std::int32_t>(option.value);
    }
  }
  return 0;
}

}  // namespace

Outcome run_info(const PluginLibrary& library, const Arguments& arguments) {
  const SnmpArguments& snmp = arguments.snmp;
  HostHandle handle(library);
  if (auto failure = open_device_session(handle, arguments.address, snmp)) return *failure;
  const std::int32_t refreshed = library.DvkRefreshOptions(handle.get());
  if (auto failure = failure_of(library.DvkRefreshOptions, refreshed, snmp)) return *failure;

  InfoReport report{{arguments.address, snmp.transport}, {}, {}};
  const OptionReader reader(handle, snmp);
  for (const OptionName& option : option_vocabulary()) {
    if (option.per_tray) continue;
    if (auto failure = reader.read(option, 0, &report.options)) return *failure;
  }
  // Tray indexes are 16-bit in the option functions.
  const std::int32_t trays = std::clamp<std::int32_t>(tray_count(report.options), 0,
                                                      std::numeric_limits<std::uint16_t>::max());
  for (std::int32_t tray = 0; tray < trays; ++tray) {
    std::vector<NamedOption>& tray_options = report.trays.emplace_back();
    for (const OptionName& option : option_vocabulary()) {
      if (!option.per_tray) continue;
      const auto index = static_cast<std::uint16_t>(tray);
      if (auto failure = reader.read(option, index, &tray_options)) return *failure;
    }
  }
  return Report(std::move(report));
}

}  // namespace dvkctl
