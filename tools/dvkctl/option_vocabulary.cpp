#include "tools/dvkctl/option_vocabulary.h"

namespace dvkctl {
namespace {

constexpr OptionKind kBoolean = OptionKind::kBoolean;
constexpr OptionKind kInteger = OptionKind::kInteger;
constexpr OptionKind kText = OptionKind::kText;

constexpr OptionName kOptions[] = {
    {"Scanner", kBoolean, false},
    {"Copier", kBoolean, false},
    {"HardDisk", kBoolean, false},
    {"RamDisk", kBoolean, false},
    {"DuplexModule", kBoolean, false},
    {"InTrayMSI", kBoolean, false},
    {"InTrayEx1", kBoolean, false},
    {"InTrayEx2", kBoolean, false},
    {"MemorySizeInKByte", kInteger, false},
    {"MemorySizeInMByte", kInteger, false},
    {"PrinterRomVersion", kText, false},
    {"PrinterRomVersionMajor", kInteger, false},
    {"PrinterRomVersionMinor", kInteger, false},
    {"PrinterRomVersionRevision", kInteger, false},
    {"SysName", kText, false},
    {"NetWareSAPUnitName", kText, false},
    {"UserPromptSetting", kInteger, false},
    {"MinPasswordLength", kInteger, false},
    {kTrayCountOption, kInteger, false},
    {"InputTrayIndex", kInteger, true},
    {"InputTrayType", kInteger, true},
    {"InputTrayName", kText, true},
    {"InputTrayDescription", kText, true},
    {"InputTrayMediaType", kText, true},
    {"InputTrayMediaSize", kInteger, true},
    {"InputTrayMediaDirection", kInteger, true},
    {"InputTrayMediaDimFeedDirChosen", kInteger, true},
    {"InputTrayMediaDimXFeedDirChosen", kInteger, true},
    {"InputTrayMaxCapacityInSheets", kInteger, true},
    {"InputTrayCurrentLevelInPercent", kInteger, true},
};

}  // namespace

std::span<const OptionName> option_vocabulary() noexcept { return kOptions; }

}  // namespace dvkctl
