#include "tools/dvkctl/arguments.h"

#include <algorithm>

namespace dvkctl {
namespace {

template <std::size_t N>
void copy_text(char (&field)[N], const std::string& text) noexcept {
  const std::size_t length = std::min(text.size(), N - 1);
  std::copy_n(text.data(), length, field);
  field[length] = '\0';
}

}  // namespace

const char* command_name(Command command) noexcept {
  switch (command) {
    case Command::kTransports:
      return "transports";
    case Command::kDiscover:
      return "discover";
    case Command::kInfo:
      return "info";
    case Command::kStatus:
      return "status";
    case Command::kJobs:
      return "jobs";
    case Command::kCancel:
      return "cancel";
    case Command::kCharset:
      break;
  }
  return "charset";
}

DvkUsmParameters usm_block(const SnmpArguments& snmp) noexcept {
  DvkUsmParameters block{};
  copy_text(block.user_name, snmp.user);
  block.security_level = snmp.security_level;
  block.auth_protocol = snmp.auth_protocol;
  block.priv_protocol = snmp.priv_protocol;
  copy_text(block.auth_pass_phrase, snmp.auth_pass_phrase);
  copy_text(block.priv_pass_phrase, snmp.priv_pass_phrase);
  copy_text(block.context_name, snmp.context);
  return block;
}

}  // namespace dvkctl
