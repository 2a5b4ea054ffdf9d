#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/result_codes.h"
#include "snmp/model/byte_storage.h"

namespace vex {

// A growable NUL-terminated text on the model heap; failures for want of
// memory answer -3 and keep the old text.
class TextStorage {
 public:
  std::string_view view() const noexcept { return bytes_.chars(); }
  // Never null: "" before the first character is stored.
  const char* c_str() const noexcept;
  std::size_t size() const noexcept { return bytes_.size(); }
  bool empty() const noexcept { return bytes_.empty(); }

  Result assign(std::string_view text) noexcept;
  Result append(std::string_view text) noexcept;
  // Appends the separator (only when the text is not empty) and the part;
  // the part may be this text itself.
  Result append_separated(char separator, std::string_view part) noexcept;
  Result append_number(char separator, std::uint32_t number) noexcept;
  void erase(std::size_t pos, std::size_t n) noexcept;
  void clear() noexcept;

 private:
  void terminate() noexcept;

  ByteStorage bytes_;
};

}  // namespace vex
