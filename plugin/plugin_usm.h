#pragma once

#include <cstdint>

#include "framework/result_codes.h"
#include "plugin/dvk_plugin.h"

// SNMP mode and SNMPv3 security parameters of a plug-in handle. The text
// getters lend the object's own buffers: device sessions keep referring to
// them, so a later set_parameters changes the texts they send.
class IDvkPluginUSM {
 public:
  virtual vex::Result set_parameters(std::int32_t snmp_mode, const DvkUsmParameters& block) = 0;
  virtual void destroy() = 0;
  virtual std::int32_t get_snmp_mode() const = 0;
  virtual const char* get_user_name() const = 0;
  virtual std::int32_t get_security_level() const = 0;
  virtual std::int32_t get_auth_protocol() const = 0;
  virtual std::int32_t get_priv_protocol() const = 0;
  virtual const char* get_auth_pass_phrase() const = 0;
  virtual const char* get_priv_pass_phrase() const = 0;
  virtual const char* get_context_name() const = 0;
  virtual ~IDvkPluginUSM() = default;
};

class CDvkPluginUSM final : public IDvkPluginUSM {
 public:
  static constexpr std::int32_t kDefaultSnmpMode = -1;
  static constexpr const char* kDefaultUserName = "Mdevices";
  static constexpr std::int32_t kDefaultSecurityLevel = 2;  // authPriv
  static constexpr std::int32_t kDefaultAuthProtocol = 1;   // HMAC-MD5-96
  static constexpr std::int32_t kDefaultPrivProtocol = 1;   // DES
  static constexpr const char* kDefaultAuthPassPhrase = "Wq7bLm3xTr9vKp2zHn4d";
  static constexpr const char* kDefaultPrivPassPhrase = "Gy5sNc8wQe1jRf6uZa0t";

  CDvkPluginUSM() noexcept;

  vex::Result set_parameters(std::int32_t snmp_mode, const DvkUsmParameters& block) override;
  void destroy() override;
  std::int32_t get_snmp_mode() const override { return snmp_mode_; }
  const char* get_user_name() const override { return user_name_; }
  std::int32_t get_security_level() const override { return security_level_; }
  std::int32_t get_auth_protocol() const override { return auth_protocol_; }
  std::int32_t get_priv_protocol() const override { return priv_protocol_; }
  const char* get_auth_pass_phrase() const override { return auth_pass_phrase_; }
  const char* get_priv_pass_phrase() const override { return priv_pass_phrase_; }
  const char* get_context_name() const override { return context_name_; }

 private:
  void reset_to_defaults() noexcept;

  std::int32_t snmp_mode_;
  char user_name_[64];
  std::int32_t security_level_;
  std::int32_t auth_protocol_;
  std::int32_t priv_protocol_;
  char auth_pass_phrase_[64];
  char priv_pass_phrase_[64];
  char context_name_[512];
};
