#include "device/options/dvk_corvo_kelm_option.h"

#include <cstring>

CDvkCorvoKelmOption::CDvkCorvoKelmOption() = default;

CDvkCorvoKelmOption::CDvkCorvoKelmOption(const CDvkCorvoKelmOption& other) = default;

CDvkCorvoKelmOption& CDvkCorvoKelmOption::operator=(const CDvkCorvoKelmOption& other) = default;

CDvkCorvoKelmOption::~CDvkCorvoKelmOption() = default;

std::int32_t CDvkCorvoKelmOption::Init(EProtocol protocol, const char* address, IDvkPluginUSM* usm,
                                       std::uint32_t timeout_ms, std::uint32_t retries,
                                       std::uint32_t max_message_size) {
  const std::int32_t stored =
      CDvkDevCommOption::Init(protocol, address, usm, timeout_ms, retries, max_message_size);
  if (stored != vex::kOk) return stored;
  return is_supported_device();
}

bool CDvkCorvoKelmOption::is_supported_OID(const char* oid) {
  if (oid == nullptr) return true;
  return std::strncmp(device_sys_object_id_, oid, std::strlen(oid)) == 0;
}

// The printer's sysObjectID is read through the get-data client; until it
// exists no printer can be checked. vex::record_sys_object_id keeps and
// judges what the read returns.
std::int32_t CDvkCorvoKelmOption::is_supported_device() { return vex::kNotSupported; }

std::int32_t CDvkCorvoKelmOption::get_option(const char* name, const char** value,
                                             std::int32_t index) const {
  if (name == nullptr || value == nullptr) return vex::kInvalidArgument;
  return CDvkDevCommOption::get_option(name, value, index);
}

std::int32_t CDvkCorvoKelmOption::get_option(const char* name, std::int32_t* value,
                                             std::int32_t index) const {
  if (name == nullptr || value == nullptr) return vex::kInvalidArgument;
  return CDvkDevCommOption::get_option(name, value, index);
}

std::int32_t CDvkCorvoKelmOption::get_option(const char* name, bool* value,
                                             std::int32_t index) const {
  if (name == nullptr || value == nullptr) return vex::kInvalidArgument;
  return CDvkDevCommOption::get_option(name, value, index);
}
