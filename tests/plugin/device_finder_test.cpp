#include "device/discovery/device_finder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/plugin_usm.h"

namespace {

constexpr const char* kSupported = "1.3.6.1.4.1.119.1.40.297.93.1.38.8.6";

struct Next {
  char address[64], model[64], reserved[64], oid[64];
};

bool next(CDvkDeviceFinder& finder, Next& out) {
  std::memset(&out, 'x', sizeof out);
  return finder.get_next(out.address, out.model, out.reserved, out.oid);
}

TEST(DeviceFinder, ResultsComeOutInReverseOrderOfArrival) {
  CDvkDeviceFinder finder;
  finder.add_result(kSupported, "Quillmark 5150", "10.0.0.1");
  finder.add_result(kSupported, "Quillmark 5150", "10.0.0.2");
  Next out{};
  ASSERT_TRUE(next(finder, out));
  EXPECT_STREQ(out.address, "10.0.0.2");
  EXPECT_STREQ(out.model, "Quillmark 5150");
  EXPECT_STREQ(out.reserved, "");
  EXPECT_STREQ(out.oid, kSupported);
  ASSERT_TRUE(next(finder, out));
  EXPECT_STREQ(out.address, "10.0.0.1");
  EXPECT_FALSE(next(finder, out));
  finder.reset_position();
  ASSERT_TRUE(next(finder, out));
  EXPECT_STREQ(out.address, "10.0.0.2");
}

TEST(DeviceFinder, NullBufferDoesNotAdvance) {
  CDvkDeviceFinder finder;
  finder.add_result(kSupported, "Quillmark 5150", "10.0.0.1");
  char a[64], b[64], c[64];
  EXPECT_FALSE(finder.get_next(a, b, c, nullptr));
  Next out{};
  ASSERT_TRUE(next(finder, out));
  EXPECT_STREQ(out.address, "10.0.0.1");
}

TEST(DeviceFinder, LongResultTextsAreCutToTheirField) {
  CDvkDeviceFinder finder;
  const std::string long_text(200, '7');
  finder.add_result(long_text.c_str(), long_text.c_str(), long_text.c_str());
  Next out{};
  ASSERT_TRUE(next(finder, out));
  EXPECT_EQ(std::string(out.oid), long_text.substr(0, 63));
  EXPECT_EQ(std::string(out.address), long_text.substr(0, 63));
}

TEST(DeviceFinder, Filters) {
  struct Row {
    const char* name;
    std::vector<const char*> filters;
    const char* oid;
    bool passes;
  };
  const Row rows[] = {
      {"no filter passes all", {}, kSupported, true},
      {"supported prefix", {kSupported}, kSupported, true},
      {"other vendor", {"1.3.6.1.4.1.253"}, kSupported, false},
      {"second slot matches", {"1.3.6.1.4.1.253", "1.3.6.1.4.1.119"}, kSupported, true},
      {"empty filter leaves slot 0 empty", {""}, kSupported, true},
      {"filter is a plain character prefix", {"1.3.6.1.4.1.11"}, kSupported, true},
  };
  for (const Row& row : rows) {
    CDvkDeviceFinder finder;
    for (const char* filter : row.filters) EXPECT_EQ(finder.add_filter(filter), 0);
    EXPECT_EQ(finder.passes_filters(row.oid), row.passes) << row.name;
  }
}

TEST(DeviceFinder, FiftyFirstFilterHasNoEffectAndClearRestores) {
  CDvkDeviceFinder finder;
  for (int i = 0; i < 50; ++i) ASSERT_EQ(finder.add_filter("1.3.6.1.4.1.253"), 0);
  EXPECT_EQ(finder.add_filter(kSupported), 0);
  EXPECT_FALSE(finder.passes_filters(kSupported));
  finder.clear_filters();
  EXPECT_TRUE(finder.passes_filters(kSupported));
  EXPECT_EQ(finder.add_filter(nullptr), -2);
}

TEST(DeviceFinder, SearchRefusesProtocolsWithoutTouchingParameters) {
  CDvkDeviceFinder finder;
  CDvkPluginUSM usm;
  DvkUsmParameters block{};
  std::strcpy(block.user_name, "someone");
  std::int32_t count = 77;
  const CDvkDeviceFinder::SearchRequest request{
      nullptr, IVexNetworkAddress::PROTOCOL_OTHER, 2, &block, 10, 0, ""};
  EXPECT_EQ(finder.search(request, usm, &count), -5);
  EXPECT_EQ(usm.get_snmp_mode(), -1);
  EXPECT_STREQ(usm.get_user_name(), "Mdevices");
  EXPECT_EQ(count, 77);
}

TEST(DeviceFinder, SearchLoadsParametersAndKeepsLastFindCommunity) {
  CDvkDeviceFinder finder;
  CDvkPluginUSM usm;
  DvkUsmParameters block{};
  std::strcpy(block.user_name, "someone");
  std::int32_t count = 0;
  finder.add_result(kSupported, "Quillmark 5150", "10.0.0.1");
  CDvkDeviceFinder::SearchRequest request{
      nullptr, IVexNetworkAddress::PROTOCOL_IPV4, 2, &block, 10, 0, "findme"};
  finder.search(request, usm, &count);
  EXPECT_EQ(usm.get_snmp_mode(), 2);
  EXPECT_STREQ(usm.get_user_name(), "someone");
  EXPECT_STREQ(finder.community(), "findme");
  EXPECT_EQ(finder.result_count(), 0) << "a new search drops the previous results";
  request.find_community = "";
  finder.search(request, usm, &count);
  EXPECT_STREQ(finder.community(), "findme");
}

TEST(DeviceFinder, DefaultDestinations) {
  EXPECT_STREQ(CDvkDeviceFinder::default_destination(IVexNetworkAddress::PROTOCOL_IPV4),
               "255.255.255.255");
  EXPECT_STREQ(CDvkDeviceFinder::default_destination(IVexNetworkAddress::PROTOCOL_IPX),
               "255.255.255.255");
  EXPECT_STREQ(CDvkDeviceFinder::default_destination(IVexNetworkAddress::PROTOCOL_IPV6), "ff02::1");
}

}  // namespace
