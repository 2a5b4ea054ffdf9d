#include "plugin/plugin_usm.h"

#include "framework/fixed_text.h"

namespace {

bool in_code_range(std::int32_t value) noexcept { return value >= 0 && value <= 2; }

// The plain exports pass an all-zero block to mean "no SNMPv3 parameters":
// it keeps every default, although a zero level or protocol inside a block
// that gives anything else is stored as it is.
bool is_all_zero(const DvkUsmParameters& block) noexcept {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&block);
  for (std::size_t i = 0; i < sizeof block; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

// The host's text fields need not be terminated; read at most the field.
template <std::size_t N>
void copy_if_given(char (&field)[N], const char (&host_text)[N]) noexcept {
  const std::string_view text = vex::field_view(host_text);
  if (!text.empty()) vex::copy_to_field(field, text);
}

}  // namespace

CDvkPluginUSM::CDvkPluginUSM() noexcept { reset_to_defaults(); }

void CDvkPluginUSM::reset_to_defaults() noexcept {
  snmp_mode_ = kDefaultSnmpMode;
  vex::copy_to_field(user_name_, kDefaultUserName);
  security_level_ = kDefaultSecurityLevel;
  auth_protocol_ = kDefaultAuthProtocol;
  priv_protocol_ = kDefaultPrivProtocol;
  vex::copy_to_field(auth_pass_phrase_, kDefaultAuthPassPhrase);
  vex::copy_to_field(priv_pass_phrase_, kDefaultPrivPassPhrase);
  vex::copy_to_field(context_name_, "");
}

vex::Result CDvkPluginUSM::set_parameters(std::int32_t snmp_mode, const DvkUsmParameters& block) {
  reset_to_defaults();
  if (in_code_range(snmp_mode)) snmp_mode_ = snmp_mode;
  if (is_all_zero(block)) return vex::kOk;
  copy_if_given(user_name_, block.user_name);
  if (in_code_range(block.security_level)) security_level_ = block.security_level;
  if (in_code_range(block.auth_protocol)) auth_protocol_ = block.auth_protocol;
  if (in_code_range(block.priv_protocol)) priv_protocol_ = block.priv_protocol;
  copy_if_given(auth_pass_phrase_, block.auth_pass_phrase);
  copy_if_given(priv_pass_phrase_, block.priv_pass_phrase);
  copy_if_given(context_name_, block.context_name);
  return vex::kOk;
}

void CDvkPluginUSM::destroy() { delete this; }
