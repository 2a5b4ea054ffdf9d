#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "device/options/agent_row.h"
#include "device/options/dvk_corvo_kelm_option.h"
#include "device/options/option_store.h"

namespace vex::test {

// The option class with its protected parts opened to the tests.
class OptionProbe : public CDvkCorvoKelmOption {
 public:
  using CDvkDevCommOption::ConvertMediumLevel;
  using CDvkDevCommOption::has_device_index;
  using CDvkDevCommOption::initialize_data;
  using CDvkDevCommOption::MediaDimensionToMediumSize;

  const SessionParameters& session() const { return session_; }
  const char* community() const { return community_; }
  bool community_given() const { return community_given_; }
  const OptionValues& values() const { return values_; }
  const char* sys_object_id() const { return device_sys_object_id_; }

  // What the sysObjectID read of the device check hands over.
  Result answer_sys_object_id(const char* text) {
    return record_sys_object_id(device_sys_object_id_, text);
  }
  OptionStore store() { return OptionStore(*this); }
};

// A row value that is read as a number, and one that is read as a text.
inline AgentValue number(std::int32_t value) { return AgentValue{value, std::to_string(value)}; }
inline AgentValue text(std::string value) { return AgentValue{0, std::move(value)}; }

inline AgentRow hrdevice_row(std::int32_t index, std::string description, std::int32_t status) {
  return {number(index), text(std::move(description)), number(status)};
}

struct TrayRow {
  std::int32_t type = 4;
  std::int32_t dimension_unit = 4;
  std::int32_t feed = 297000;
  std::int32_t cross_feed = 210000;
  std::int32_t capacity_unit = 8;
  std::int32_t max_capacity = 500;
  std::int32_t level = 250;
  std::string name = "Tray 1";
  std::string description = "Paper tray";
  std::string media_type = "stationery";
};

inline AgentRow input_tray_row(const TrayRow& tray) {
  return {number(tray.type),          number(tray.dimension_unit),
          number(tray.feed),          number(tray.cross_feed),
          number(tray.capacity_unit), number(tray.max_capacity),
          number(tray.level),         text(tray.name),
          text(tray.description),     text(tray.media_type)};
}

inline std::vector<AgentRow> single_column_rows(std::initializer_list<std::int32_t> values) {
  std::vector<AgentRow> rows;
  for (std::int32_t value : values) rows.push_back({number(value)});
  return rows;
}

}  // namespace vex::test
