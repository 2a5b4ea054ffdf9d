#pragma once

#include <cstdint>
#include <span>

namespace dvkctl {

struct TransportName {
  std::int32_t code;        // the plug-in's transport code
  const char* name;         // as the command line writes it
  const char* description;  // in words
};

// Every transport code the plug-in accepts, in the order of its header.
std::span<const TransportName> transport_names() noexcept;
// The entry of `code`; a placeholder entry for a code the plug-in does not know.
const TransportName& transport_name(std::int32_t code) noexcept;

}  // namespace dvkctl
