#include "device/discovery/device_finder.h"

#include <cstring>

#include "framework/fixed_text.h"
#include "plugin/plugin_usm.h"

const char* CDvkDeviceFinder::default_destination(EProtocol protocol) noexcept {
  return protocol == IVexNetworkAddress::PROTOCOL_IPV6 ? "ff02::1" : "255.255.255.255";
}

vex::Result CDvkDeviceFinder::search(const SearchRequest& request, IDvkPluginUSM& usm,
                                     std::int32_t* count) {
  (void)count;
  if (request.protocol != IVexNetworkAddress::PROTOCOL_IPV4 &&
      request.protocol != IVexNetworkAddress::PROTOCOL_IPX &&
      request.protocol != IVexNetworkAddress::PROTOCOL_IPV6) {
    return vex::kNotSupported;
  }
  usm.set_parameters(request.snmp_mode, *request.usm);
  if (request.find_community != nullptr && request.find_community[0] != '\0') {
    vex::copy_to_field(community_, request.find_community);
  }
  // A new search always drops the previous results, even when it fails.
  discard_results();
  // The broadcast itself needs the find-device component, which is not built yet.
  return vex::kNotSupported;
}

vex::Result CDvkDeviceFinder::add_filter(const char* filter) noexcept {
  if (filter == nullptr) return vex::kInvalidArgument;
  for (auto& slot : filters_) {
    if (slot[0] == '\0') {
      vex::copy_to_field(slot.data(), slot.size(), filter);
      break;
    }
  }
  return vex::kOk;
}

void CDvkDeviceFinder::clear_filters() noexcept {
  for (auto& slot : filters_) slot.fill('\0');
}

bool CDvkDeviceFinder::passes_filters(const char* sys_object_id) const noexcept {
  if (filters_[0][0] == '\0') return true;
  for (const auto& slot : filters_) {
    const std::size_t length = strnlen(slot.data(), slot.size());
    if (length != 0 && std::strncmp(slot.data(), sys_object_id, length) == 0) return true;
  }
  return false;
}

bool CDvkDeviceFinder::get_next(char* address, char* model_name, char* reserved,
                                char* sys_object_id) noexcept {
  if (address == nullptr || model_name == nullptr || reserved == nullptr ||
      sys_object_id == nullptr || !results_) {
    return false;
  }
  const auto position = static_cast<std::size_t>(results_->position);
  if (position >= results_->nodes.size()) return false;
  const DvkFoundDevice& node = results_->nodes[position];
  vex::copy_to_field(address, kTextSize, node.address);
  vex::copy_to_field(model_name, kTextSize, node.model_name);
  vex::copy_to_field(reserved, kTextSize, "");
  vex::copy_to_field(sys_object_id, kTextSize, node.sys_object_id);
  ++results_->position;
  return true;
}

void CDvkDeviceFinder::reset_position() noexcept {
  if (results_) results_->position = 0;
}

void CDvkDeviceFinder::add_result(const char* sys_object_id, const char* model_name,
                                  const char* address) {
  if (!results_) results_.emplace();
  DvkFoundDevice node{};
  vex::copy_to_field(node.sys_object_id, sys_object_id);
  vex::copy_to_field(node.model_name, model_name);
  vex::copy_to_field(node.address, address);
  results_->nodes.push_front(node);
}

std::int32_t CDvkDeviceFinder::result_count() const noexcept {
  return results_ ? static_cast<std::int32_t>(results_->nodes.size()) : 0;
}
