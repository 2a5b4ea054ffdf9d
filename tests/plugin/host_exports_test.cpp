// The exports driven as a host drives them, through dlopen and dlsym.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>

#include "tests/plugin/plugin_library.h"

namespace {

class HostExports : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(plugin.error(), "");
    ASSERT_EQ(plugin.DvkInit(&handle), 0);
    ASSERT_NE(handle, nullptr);
  }
  void TearDown() override { plugin.DvkUnInit(handle); }

  static PluginLibrary plugin;
  void* handle = nullptr;
};

PluginLibrary HostExports::plugin;

struct ExportCase {
  const char* name;
  std::function<std::int32_t(PluginLibrary&, void*)> call;
  std::int32_t expected;
};

// One row for each argument check and each answer of a handle that has no
// device session.
std::vector<ExportCase> fresh_handle_cases() {
  static DvkStorageInfo storage;
  static DvkDeviceInfo device;
  static DvkPrinterInfo printer;
  static DvkInputTrayInfo input;
  static DvkOutputTrayInfo output;
  static DvkTonerInfo toner;
  static DvkAlertInfo alert;
  static DvkJobInfo job;
  static std::int32_t number;
  static std::uint32_t unsigned_number;
  static std::int16_t flag;
  static char text[512];
  const DvkUsmParameters zero{};
  using P = PluginLibrary&;
  return {
      {"DvkInit null out pointer", [](P p, void*) { return p.DvkInit(nullptr); }, -2},
      {"CommandString null handle",
       [](P p, void*) { return p.DvkCommandString(nullptr, "CmdSetCommunityFind", "x"); }, -2},
      {"CommandString null command",
       [](P p, void* h) { return p.DvkCommandString(h, nullptr, "x"); }, -2},
      {"CommandString null value",
       [](P p, void* h) { return p.DvkCommandString(h, "CmdSetCommunityFind", nullptr); }, -2},
      {"CommandString Find",
       [](P p, void* h) { return p.DvkCommandString(h, "CmdSetCommunityFind", "f"); }, 0},
      {"CommandString GetOption",
       [](P p, void* h) { return p.DvkCommandString(h, "CmdSetCommunityGetOption", "g"); }, 0},
      {"CommandString Write",
       [](P p, void* h) { return p.DvkCommandString(h, "CmdSetCommunityWrite", "w"); }, 0},
      {"CommandString other letter case",
       [](P p, void* h) { return p.DvkCommandString(h, "cmdsetcommunityfind", "f"); }, -5},
      {"CommandString unknown",
       [](P p, void* h) { return p.DvkCommandString(h, "CmdReboot", "f"); }, -5},
      {"CommandInteger", [](P p, void* h) { return p.DvkCommandInteger(h, "Anything", 7); }, -5},
      {"CommandInteger null command is not examined",
       [](P p, void* h) { return p.DvkCommandInteger(h, nullptr, 7); }, -5},
      {"CommandInteger null handle",
       [](P p, void*) { return p.DvkCommandInteger(nullptr, "x", 7); }, -2},
      {"CommandInteger zero value", [](P p, void* h) { return p.DvkCommandInteger(h, "x", 0); },
       -2},
      {"FindDeviceSNMP null handle",
       [](P p, void*) { return p.DvkFindDeviceSNMP(nullptr, nullptr, 1, 10, 0, &number); }, -2},
      {"FindDeviceSNMP null count",
       [](P p, void* h) { return p.DvkFindDeviceSNMP(h, nullptr, 1, 10, 0, nullptr); }, -2},
      {"FindDeviceSNMP transport 4",
       [](P p, void* h) { return p.DvkFindDeviceSNMP(h, nullptr, 4, 10, 0, &number); }, -2},
      {"FindDeviceSNMP transport 0",
       [](P p, void* h) { return p.DvkFindDeviceSNMP(h, nullptr, 0, 10, 0, &number); }, -2},
      {"FindDeviceSNMP transport 3 is no search protocol",
       [](P p, void* h) { return p.DvkFindDeviceSNMP(h, nullptr, 3, 10, 0, &number); }, -5},
      {"FindDeviceSNMPEx transport 6",
       [zero](P p, void* h) {
         return p.DvkFindDeviceSNMPEx(h, nullptr, 6, 2, zero, 10, 0, &number);
       },
       -2},
      {"FindAddFilter null filter", [](P p, void* h) { return p.DvkFindAddFilter(h, nullptr); },
       -2},
      {"FindAddFilter null handle", [](P p, void*) { return p.DvkFindAddFilter(nullptr, "1.3"); },
       -2},
      {"InitDevice null handle",
       [](P p, void*) { return p.DvkInitDevice(nullptr, "127.0.0.1", 1, 10, 0); }, -2},
      {"InitDevice null address",
       [](P p, void* h) { return p.DvkInitDevice(h, nullptr, 1, 10, 0); }, -2},
      {"InitDevice transport 4",
       [](P p, void* h) { return p.DvkInitDevice(h, "127.0.0.1", 4, 10, 0); }, -2},
      {"InitDeviceEx transport 0",
       [zero](P p, void* h) { return p.DvkInitDeviceEx(h, "127.0.0.1", 0, 0, zero, 10, 0); }, -2},
      {"IsSupportedOID null handle",
       [](P p, void*) { return std::int32_t{p.DvkIsSupportedOID(nullptr, "1.3")}; }, -2},
      {"IsSupportedOID without option object",
       [](P p, void* h) { return std::int32_t{p.DvkIsSupportedOID(h, "1.3.6")}; }, 0},
      {"IsSupportedOID empty OID without option object",
       [](P p, void* h) { return std::int32_t{p.DvkIsSupportedOID(h, "")}; }, 0},
      {"RefreshOptions null handle", [](P p, void*) { return p.DvkRefreshOptions(nullptr); }, -2},
      {"RefreshOptions without session", [](P p, void* h) { return p.DvkRefreshOptions(h); }, -8},
      {"OptionBoolean null name",
       [](P p, void* h) { return p.DvkGetOptionValueBoolean(h, nullptr, 0, &flag); }, -2},
      {"OptionBoolean null value",
       [](P p, void* h) { return p.DvkGetOptionValueBoolean(h, "Duplex", 0, nullptr); }, -2},
      {"OptionBoolean without session",
       [](P p, void* h) { return p.DvkGetOptionValueBoolean(h, "Duplex", 0, &flag); }, -8},
      {"OptionInteger null handle",
       [](P p, void*) { return p.DvkGetOptionValueInteger(nullptr, "x", 0, &number); }, -2},
      {"OptionInteger without session",
       [](P p, void* h) { return p.DvkGetOptionValueInteger(h, "x", 0, &number); }, -8},
      {"OptionUInteger without session",
       [](P p, void* h) { return p.DvkGetOptionValueUInteger(h, "x", 0, &unsigned_number); }, -8},
      {"OptionString null buffer",
       [](P p, void* h) { return p.DvkGetOptionValueString(h, "x", 0, nullptr); }, -2},
      {"OptionString without session",
       [](P p, void* h) { return p.DvkGetOptionValueString(h, "x", 0, text); }, -8},
      {"StorageCount null handle",
       [](P p, void*) { return p.DvkGetNumberOfStorageInfo(nullptr, &number); }, -2},
      {"StorageCount null count",
       [](P p, void* h) { return p.DvkGetNumberOfStorageInfo(h, nullptr); }, -2},
      {"StorageCount without session",
       [](P p, void* h) { return p.DvkGetNumberOfStorageInfo(h, &number); }, -8},
      {"Storage index 0 without session",
       [](P p, void* h) { return p.DvkGetStorageInfo(h, 0, &storage); }, -8},
      {"Storage null record", [](P p, void* h) { return p.DvkGetStorageInfo(h, 0, nullptr); }, -2},
      {"DeviceCount without session",
       [](P p, void* h) { return p.DvkGetNumberOfDeviceInfo(h, &number); }, -8},
      {"Device without session", [](P p, void* h) { return p.DvkGetDeviceInfo(h, 0, &device); },
       -8},
      {"Printer without session", [](P p, void* h) { return p.DvkGetPrinterInfo(h, &printer); },
       -8},
      {"Printer null record", [](P p, void* h) { return p.DvkGetPrinterInfo(h, nullptr); }, -2},
      {"InputCount without session",
       [](P p, void* h) { return p.DvkGetNumberOfInputTrayInfo(h, &number); }, -8},
      {"Input without session", [](P p, void* h) { return p.DvkGetInputTrayInfo(h, 0, &input); },
       -8},
      {"OutputCount without session",
       [](P p, void* h) { return p.DvkGetNumberOfOutputTrayInfo(h, &number); }, -8},
      {"Output without session", [](P p, void* h) { return p.DvkGetOutputTrayInfo(h, 0, &output); },
       -8},
      {"TonerCount without session",
       [](P p, void* h) { return p.DvkGetNumberOfTonerInfo(h, &number); }, -8},
      {"Toner without session", [](P p, void* h) { return p.DvkGetTonerInfo(h, 0, &toner); }, -8},
      {"AlertCount without session",
       [](P p, void* h) { return p.DvkGetNumberOfAlertInfo(h, &number); }, -8},
      {"Alert without session", [](P p, void* h) { return p.DvkGetAlertInfo(h, 0, &alert); }, -8},
      {"JobCount kind 3 before anything else",
       [](P p, void*) { return p.DvkGetNumberOfJobInfo(nullptr, 3, nullptr); }, -2},
      {"JobCount kind -1", [](P p, void* h) { return p.DvkGetNumberOfJobInfo(h, -1, &number); },
       -2},
      {"JobCount without session",
       [](P p, void* h) { return p.DvkGetNumberOfJobInfo(h, 2, &number); }, -8},
      {"Job without session", [](P p, void* h) { return p.DvkGetJobInfo(h, 0xFFFFFFFFu, &job); },
       -8},
      {"CancelJob null identifier", [](P p, void* h) { return p.DvkCancelJob(h, nullptr); }, -2},
      {"CancelJob without session", [](P p, void* h) { return p.DvkCancelJob(h, "AB"); }, -8},
      {"CharSet kind -1 before anything else",
       [](P p, void*) { return p.DvkGetCharSet(nullptr, -1, nullptr); }, -2},
      {"CharSet kind 2", [](P p, void* h) { return p.DvkGetCharSet(h, 2, &number); }, -2},
      {"CharSet without session", [](P p, void* h) { return p.DvkGetCharSet(h, 1, &number); }, -8},
      {"TransportAvailable code 3",
       [](P p, void*) { return std::int32_t{p.DvkTransportAvailable(3)}; }, 0},
      {"TransportAvailable code 4",
       [](P p, void*) { return std::int32_t{p.DvkTransportAvailable(4)}; }, 0},
      {"TransportAvailable code 0",
       [](P p, void*) { return std::int32_t{p.DvkTransportAvailable(0)}; }, 0},
  };
}

TEST_F(HostExports, ArgumentChecksAndAnswersWithoutSession) {
  for (const ExportCase& row : fresh_handle_cases()) {
    EXPECT_EQ(row.call(plugin, handle), row.expected) << row.name;
  }
}

TEST_F(HostExports, NullHandlesAreIgnoredByTheFunctionsWithoutResult) {
  plugin.DvkUnInit(nullptr);
  plugin.DvkFindClearFilter(nullptr);
  plugin.DvkFindResetPosition(nullptr);
  char a[64], b[64], c[64], d[64];
  EXPECT_EQ(plugin.DvkGetDeviceNext(nullptr, a, b, c, d), 0);
}

TEST_F(HostExports, FiftyOneFiltersAllAnswerZero) {
  for (int i = 0; i < 51; ++i) {
    EXPECT_EQ(plugin.DvkFindAddFilter(handle, "1.3.6.1.4.1.119"), 0) << "filter " << i;
  }
  plugin.DvkFindClearFilter(handle);
  EXPECT_EQ(plugin.DvkFindAddFilter(handle, "1.3.6.1.4.1.253"), 0);
}

TEST_F(HostExports, GetDeviceNextWithoutResultsAnswersZero) {
  char a[64], b[64], c[64], d[64];
  EXPECT_EQ(plugin.DvkGetDeviceNext(handle, a, b, c, d), 0);
  EXPECT_EQ(plugin.DvkGetDeviceNext(handle, a, nullptr, c, d), 0);
  plugin.DvkFindResetPosition(handle);
  EXPECT_EQ(plugin.DvkGetDeviceNext(handle, a, b, c, d), 0);
}

TEST_F(HostExports, CommunityLongerThanItsFieldIsAccepted) {
  const std::string long_community(4000, 'c');
  EXPECT_EQ(plugin.DvkCommandString(handle, "CmdSetCommunityGetOption", long_community.c_str()), 0);
  EXPECT_EQ(plugin.DvkCommandString(handle, "CmdSetCommunityFind", long_community.c_str()), 0);
  EXPECT_EQ(plugin.DvkCommandString(handle, "CmdSetCommunityWrite", long_community.c_str()), 0);
}

TEST_F(HostExports, DeviceSetUpChecksItsArgumentsAndReportsUnbuiltWork) {
  const DvkUsmParameters zero{};
  EXPECT_EQ(plugin.DvkInitDeviceEx(handle, "127.0.0.1", 1, 2, zero, 10, 0), -5);
  EXPECT_EQ(plugin.DvkGetNumberOfStorageInfo(handle, nullptr), -2);
}

TEST(HostLibrary, EveryHandleIsIndependent) {
  PluginLibrary plugin;
  ASSERT_EQ(plugin.error(), "");
  std::array<void*, 8> handles{};
  for (void*& h : handles) ASSERT_EQ(plugin.DvkInit(&h), 0);
  for (std::size_t i = 0; i < handles.size(); ++i) {
    for (std::size_t j = i + 1; j < handles.size(); ++j) EXPECT_NE(handles[i], handles[j]);
  }
  for (void* h : handles) plugin.DvkUnInit(h);
}

}  // namespace
