#pragma once

#include <cstdint>

#include "device/options/dvk_dev_comm_option.h"
#include "device/options/supported_devices.h"

// Option reader of the supported printer model: Init refuses a printer whose
// sysObjectID is not in the supported-device table, and is_supported_OID
// answers from the sysObjectID that check read.
class DVK_API CDvkCorvoKelmOption : public CDvkDevCommOption {
 public:
  CDvkCorvoKelmOption();
  CDvkCorvoKelmOption(const CDvkCorvoKelmOption& other);
  CDvkCorvoKelmOption& operator=(const CDvkCorvoKelmOption& other);

  std::int32_t Init(EProtocol protocol, const char* address, IDvkPluginUSM* usm,
                    std::uint32_t timeout_ms, std::uint32_t retries,
                    std::uint32_t max_message_size) override;
  bool is_supported_OID(const char* oid) override;
  std::int32_t get_option(const char* name, const char** value, std::int32_t index) const override;
  std::int32_t get_option(const char* name, std::int32_t* value, std::int32_t index) const override;
  std::int32_t get_option(const char* name, bool* value, std::int32_t index) const override;
  using CDvkDevCommOption::get_option;
  ~CDvkCorvoKelmOption() override;

 protected:
  // Empty until the device check has read the printer's sysObjectID.
  char device_sys_object_id_[vex::kSysObjectIdSize] = {};

 private:
  std::int32_t is_supported_device();
};
