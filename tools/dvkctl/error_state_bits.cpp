#include "tools/dvkctl/error_state_bits.h"

#include <array>
#include <cstdio>

namespace dvkctl {
namespace {

// Bit 0 is the most significant bit of the first octet.
constexpr std::array kBitNames{
    "lowPaper",
    "noPaper",
    "lowToner",
    "noToner",
    "doorOpen",
    "jammed",
    "offline",
    "serviceRequested",
    "inputTrayMissing",
    "outputTrayMissing",
    "markerSupplyMissing",
    "outputNearFull",
    "outputFull",
    "inputTrayEmpty",
    "overduePreventMaint",
};

constexpr int kBitsPerOctet = 8;

}  // namespace

std::vector<std::string> detected_error_names(const std::uint8_t (&octets)[4]) {
  std::vector<std::string> names;
  for (int bit = 0; bit < 4 * kBitsPerOctet; ++bit) {
    const auto mask = static_cast<std::uint8_t>(0x80U >> (bit % kBitsPerOctet));
    if ((octets[bit / kBitsPerOctet] & mask) == 0) continue;
    const auto index = static_cast<std::size_t>(bit);
    names.emplace_back(index < kBitNames.size() ? kBitNames[index] : "bit " + std::to_string(bit));
  }
  return names;
}

std::string detected_error_hex(const std::uint8_t (&octets)[4]) {
  char text[9];
  std::snprintf(text, sizeof text, "%02x%02x%02x%02x", octets[0], octets[1], octets[2], octets[3]);
  return text;
}

}  // namespace dvkctl
