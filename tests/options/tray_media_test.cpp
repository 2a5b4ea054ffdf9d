#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tests/options/option_probe.h"

namespace {

using vex::test::OptionProbe;

struct SizeCase {
  const char* name;
  std::int32_t unit, feed, cross_feed;
  std::int32_t size, direction;
};

class MediumSizeTest : public ::testing::TestWithParam<SizeCase> {};

// The caller presets "no known size" (10000) and direction 1.
TEST_P(MediumSizeTest, GivesCodeAndDirection) {
  const SizeCase& c = GetParam();
  std::int32_t size = 10000;
  std::int32_t direction = 1;
  OptionProbe::MediaDimensionToMediumSize(c.unit, c.feed, c.cross_feed, &size, &direction);
  EXPECT_EQ(size, c.size);
  EXPECT_EQ(direction, c.direction);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, MediumSizeTest,
    ::testing::Values(SizeCase{"A4FedAlongTheLongEdge", 4, 297000, 210000, 25, 3},
                      SizeCase{"A4FedAlongTheShortEdge", 4, 210000, 297000, 25, 2},
                      SizeCase{"NearA4", 4, 211900, 299000, 25, 2},
                      SizeCase{"UpperBoundsInclusive", 4, 299000, 212000, 25, 3},
                      SizeCase{"LowerBoundsInclusive", 4, 295000, 208000, 25, 3},
                      SizeCase{"JustOutsideA4", 4, 207999, 297000, 10000, 1},
                      SizeCase{"LongEdgeJustOutsideA4", 4, 210000, 299001, 10000, 1},
                      SizeCase{"LetterFirstEntry", 4, 279400, 215900, 1, 3},
                      SizeCase{"LastEntry", 4, 120000, 235000, 10013, 2},
                      SizeCase{"TenThousandthsOfInchesNeverMatch", 3, 2970, 2100, 10000, 1},
                      SizeCase{"TenThousandthsOfInchesWithA4Numbers", 3, 297000, 210000, 10000, 1},
                      SizeCase{"NegativeFeed", 4, -297000, 210000, 10000, 1},
                      SizeCase{"NegativeCrossFeed", 4, 297000, -1, 10000, 1},
                      // Sizes close to two entries take the one found first.
                      SizeCase{"JisB10ExactlyIsTakenAsIsoB10", 4, 45000, 32000, 51, 3},
                      SizeCase{"JisB9ExactlyIsTakenAsIsoB9", 4, 64000, 45000, 50, 3},
                      SizeCase{"BetweenC3AndSuperB", 4, 457600, 322000, 64, 3},
                      SizeCase{"SuperBExactly", 4, 457200, 320000, 10011, 3},
                      SizeCase{"JisB0", 4, 1456000, 1030000, 81, 3},
                      SizeCase{"Dl", 4, 110000, 220000, 70, 2}),
    [](const auto& test_case) { return std::string(test_case.param.name); });

TEST(MediumSize, LeavesDirectionWithSizeWhenNothingMatches) {
  std::int32_t size = 7;
  std::int32_t direction = 9;
  OptionProbe::MediaDimensionToMediumSize(4, 1, 2, &size, &direction);
  EXPECT_EQ(size, 7);
  EXPECT_EQ(direction, 9);
}

struct LevelCase {
  const char* name;
  std::int32_t unit, max_capacity, level;
  std::int32_t max_sheets, percent;
};

class MediumLevelTest : public ::testing::TestWithParam<LevelCase> {};

// The caller presets -1 for both outputs.
TEST_P(MediumLevelTest, GivesSheetsAndPercent) {
  const LevelCase& c = GetParam();
  std::int32_t max_sheets = -1;
  std::int32_t percent = -1;
  OptionProbe::ConvertMediumLevel(c.unit, c.max_capacity, c.level, &max_sheets, &percent);
  EXPECT_EQ(max_sheets, c.max_sheets);
  EXPECT_EQ(percent, c.percent);
}

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Levels, MediumLevelTest,
    ::testing::Values(LevelCase{"Half", 8, 500, 250, 500, 50},
                      LevelCase{"OneSheetOfFiveHundred", 8, 500, 1, 500, 0},
                      LevelCase{"FiftyAddedTruncates", 8, 200, 3, 200, 1},
                      LevelCase{"Exact", 8, 100, 45, 100, 45},
                      LevelCase{"Full", 8, 500, 500, 500, 100},
                      LevelCase{"LevelUnknown", 8, 500, -3, 500, -1},
                      LevelCase{"LevelSomeRemaining", 8, 500, -2, 500, -1},
                      LevelCase{"NoMaximum", 8, 0, 10, 0, -1},
                      LevelCase{"NegativeMaximum", 8, -2, 10, -2, -1},
                      LevelCase{"PercentUnit", 19, 100, 50, -1, -1},
                      LevelCase{"LargeLevelDoesNotOverflow", 8, 1000000, 100000000, 1000000, 10000},
                      LevelCase{"HugeLevelIsHeld", 8, 1, kInt32Max, 1, kInt32Max}),
    [](const auto& test_case) { return std::string(test_case.param.name); });

}  // namespace
