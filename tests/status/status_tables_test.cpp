#include "device/status/status_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/status/character_set.h"

namespace {

std::vector<std::string> columns_of(const vex::TableColumns& table) {
  return {table.columns.begin(), table.columns.end()};
}

std::vector<std::string> under(const std::string& prefix, const std::vector<int>& arcs) {
  std::vector<std::string> texts;
  for (const int arc : arcs) texts.push_back(prefix + "." + std::to_string(arc));
  return texts;
}

struct TableCase {
  const char* name;
  const vex::TableColumns* table;
  std::vector<std::string> columns;
};

TEST(StatusTables, WalkTheirColumnsInRowOrderFromTheFirstColumn) {
  const std::string job = "1.3.6.1.4.1.253.8.59";
  const TableCase cases[] = {
      {"storage", &vex::kStorageTable, under("1.3.6.1.2.1.25.2.3.1", {2, 4, 5, 3})},
      {"device", &vex::kDeviceTable, under("1.3.6.1.2.1.25.3.2.1", {2, 5, 3})},
      {"printer", &vex::kPrinterTable, under("1.3.6.1.2.1.25.3.5.1", {1, 2})},
      {"input trays", &vex::kInputTrayTable,
       under("1.3.6.1.2.1.43.8.2.1", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 18, 21, 22})},
      {"output trays", &vex::kOutputTrayTable, under("1.3.6.1.2.1.43.9.2.1", {2, 6, 7, 12})},
      {"toner", &vex::kTonerTable, under("1.3.6.1.2.1.43.11.1.1", {5, 7, 8, 9, 6})},
      {"alerts", &vex::kAlertTable, under("1.3.6.1.2.1.43.18.1.1", {2, 4, 5, 6, 7, 8})},
      {"jobs",
       &vex::kJobTable,
       {job + ".6.1.1.4", job + ".6.1.1.9", job + ".6.1.1.10", job + ".16.1.1.5", job + ".16.1.1.6",
        job + ".6.1.1.5", job + ".6.1.1.6", job + ".10.1.1.7", job + ".6.1.1.3", job + ".10.1.1.10",
        job + ".16.1.1.4", job + ".16.1.1.7"}},
      {"printer character set", &vex::kCharacterSetKinds[0].walked, {"1.3.6.1.2.1.43.5.1.1.2"}},
      {"job character set", &vex::kCharacterSetKinds[1].walked, {"1.3.6.1.4.1.253.8.51.3.1.1.1"}},
  };
  for (const TableCase& c : cases) {
    EXPECT_EQ(columns_of(*c.table), c.columns) << c.name;
    EXPECT_EQ(std::string(c.table->root), c.columns.front()) << c.name;
  }
}

}  // namespace
