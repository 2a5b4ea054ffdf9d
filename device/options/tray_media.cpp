#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "device/options/dvk_dev_comm_option.h"

namespace {

constexpr std::int32_t kMicrometres = 4;  // prtInputDimUnit micrometers(4)
constexpr std::int32_t kSheets = 8;       // prtInputCapacityUnit sheets(8)
constexpr std::int32_t kEdgeTolerance = 2000;
constexpr std::int32_t kFeedAlongLongEdge = 3;
constexpr std::int32_t kFeedAlongShortEdge = 2;

struct MediumSize {
  std::int32_t code;
  std::int32_t short_edge;  // micrometres
  std::int32_t long_edge;
};

// Searched front to back; the first entry within the tolerance decides, so
// the order settles sizes that lie close to two entries.
constexpr std::array<MediumSize, 68> kMediumSizes = {{
    {1, 215900, 279400},     {2, 215900, 355600},     {3, 254000, 330200},
    {4, 228600, 304800},     {5, 104775, 241300},     {6, 177800, 228600},
    {7, 228600, 279400},     {8, 254000, 355600},     {10, 152400, 228600},
    {11, 254000, 381000},    {15, 431800, 558800},    {16, 558800, 863600},
    {17, 863600, 1117600},   {21, 841000, 1189000},   {22, 594000, 841000},
    {23, 420000, 594000},    {24, 297000, 420000},    {25, 210000, 297000},
    {26, 148000, 210000},    {27, 105000, 148000},    {28, 74000, 105000},
    {29, 52000, 74000},      {30, 37000, 52000},      {31, 26000, 37000},
    {41, 1000000, 1414000},  {42, 707000, 1000000},   {43, 500000, 707000},
    {44, 353000, 500000},    {45, 250000, 353000},    {46, 176000, 250000},
    {47, 125000, 176000},    {48, 88000, 125000},     {49, 62000, 88000},
    {50, 44000, 62000},      {51, 31000, 44000},      {61, 917000, 1297000},
    {62, 648000, 917000},    {63, 458000, 648000},    {64, 324000, 458000},
    {65, 229000, 324000},    {66, 162000, 229000},    {67, 114000, 162000},
    {68, 81000, 114000},     {69, 57000, 81000},      {70, 110000, 220000},
    {81, 1030000, 1456000},  {82, 728000, 1030000},   {83, 515000, 728000},
    {84, 364000, 515000},    {85, 257000, 364000},    {86, 182000, 257000},
    {87, 128000, 182000},    {88, 91000, 128000},     {89, 64000, 91000},
    {90, 45000, 64000},      {91, 32000, 45000},      {10001, 279400, 431800},
    {10002, 215900, 330200}, {10003, 100000, 148000}, {10005, 267000, 388000},
    {10006, 194000, 267000}, {10007, 140000, 215900}, {10008, 203200, 254000},
    {10009, 304800, 457200}, {10010, 304800, 482600}, {10011, 320000, 457200},
    {10012, 320000, 450000}, {10013, 120000, 235000},
}};

bool within_tolerance(std::int32_t measured, std::int32_t nominal) {
  return std::abs(static_cast<std::int64_t>(measured) - nominal) <= kEdgeTolerance;
}

}  // namespace

void CDvkDevCommOption::MediaDimensionToMediumSize(std::int32_t unit, std::int32_t feed_dimension,
                                                   std::int32_t cross_feed_dimension,
                                                   std::int32_t* medium_size,
                                                   std::int32_t* direction) {
  if (unit != kMicrometres || feed_dimension < 0 || cross_feed_dimension < 0) return;
  const std::int32_t short_edge = std::min(feed_dimension, cross_feed_dimension);
  const std::int32_t long_edge = std::max(feed_dimension, cross_feed_dimension);
  for (const MediumSize& size : kMediumSizes) {
    if (within_tolerance(short_edge, size.short_edge) &&
        within_tolerance(long_edge, size.long_edge)) {
      *medium_size = size.code;
      *direction =
          feed_dimension >= cross_feed_dimension ? kFeedAlongLongEdge : kFeedAlongShortEdge;
      return;
    }
  }
}

void CDvkDevCommOption::ConvertMediumLevel(std::int32_t capacity_unit, std::int32_t max_capacity,
                                           std::int32_t current_level, std::int32_t* max_sheets,
                                           std::int32_t* level_percent) {
  if (capacity_unit != kSheets) return;
  *max_sheets = max_capacity;
  // Negative levels are the Printer MIB's codes for a level not measured.
  if (current_level < 0 || max_capacity <= 0) {
    *level_percent = -1;
    return;
  }
  // 50 is added before the truncating division, whatever the maximum; the
  // sum is widened so that a large level cannot overflow.
  const std::int64_t percent = (static_cast<std::int64_t>(current_level) * 100 + 50) / max_capacity;
  *level_percent = static_cast<std::int32_t>(
      std::min<std::int64_t>(percent, std::numeric_limits<std::int32_t>::max()));
}
