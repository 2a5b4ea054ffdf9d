#pragma once

#include <netinet/in.h>

namespace vex {

// The text through the socket library's inet_addr. Its all-ones answer
// stands for an error except for the limited broadcast address itself.
bool inet_text_to_address(const char* text, in_addr_t* address);

}  // namespace vex
