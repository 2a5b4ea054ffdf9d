#include "plugin/plugin_handle.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<CDvkPluginHandle> make_handle() {
  vex::Result result = -99;
  std::unique_ptr<CDvkPluginHandle> handle(CDvkPluginHandle::create(&result));
  EXPECT_EQ(result, 0);
  return handle;
}

TEST(PluginHandle, StartsWithEmptyCommunitiesAndNoSession) {
  auto handle = make_handle();
  ASSERT_NE(handle, nullptr);
  EXPECT_STREQ(handle->find_community(), "");
  EXPECT_STREQ(handle->get_option_community(), "");
  EXPECT_STREQ(handle->write_community(), "");
  EXPECT_EQ(handle->option(), nullptr);
  EXPECT_EQ(handle->status(), nullptr);
  EXPECT_EQ(handle->usm().get_snmp_mode(), -1);
}

TEST(PluginHandle, CommandsSetTheirOwnCommunity) {
  auto handle = make_handle();
  EXPECT_EQ(handle->command_string("CmdSetCommunityGetOption", "reader"), 0);
  EXPECT_EQ(handle->command_string("CmdSetCommunityFind", "finder"), 0);
  EXPECT_EQ(handle->command_string("CmdSetCommunityWrite", "writer"), 0);
  EXPECT_EQ(handle->command_string("CMDSETCOMMUNITYWRITE", "other"), -5);
  EXPECT_STREQ(handle->get_option_community(), "reader");
  EXPECT_STREQ(handle->find_community(), "finder");
  EXPECT_STREQ(handle->write_community(), "writer");
}

TEST(PluginHandle, LongCommunityIsCutTo255Characters) {
  auto handle = make_handle();
  const std::string long_text(1000, 'q');
  EXPECT_EQ(handle->command_string("CmdSetCommunityFind", long_text.c_str()), 0);
  EXPECT_EQ(std::string(handle->find_community()), long_text.substr(0, 255));
}

}  // namespace
