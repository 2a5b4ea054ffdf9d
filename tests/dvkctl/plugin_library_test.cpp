// The plug-in bound by name, as dvkctl binds it.
#include "tools/dvkctl/plugin_library.h"

#include <gtest/gtest.h>

namespace dvkctl {
namespace {

TEST(PluginLibrary, TheBuiltPluginHasEveryExport) {
  const PluginLibrary library(DVK_PLUGIN_PATH);
  ASSERT_EQ(library.error(), "");
#define DVKCTL_EXPECT_FOUND(function_name)                              \
  EXPECT_NE(library.function_name.function, nullptr) << #function_name; \
  EXPECT_STREQ(library.function_name.name, #function_name);
  DVK_EXPORT_LIST(DVKCTL_EXPECT_FOUND)
#undef DVKCTL_EXPECT_FOUND
  EXPECT_EQ(library.DvkTransportAvailable(0), 0) << "code 0 is no transport";
}

TEST(PluginLibrary, ReportsWhatIsMissing) {
  const PluginLibrary missing("/nonexistent/libdvkplugin.so");
  EXPECT_EQ(missing.error().rfind("cannot load /nonexistent/libdvkplugin.so: ", 0), 0u)
      << missing.error();

  const PluginLibrary other("libc.so.6");
  EXPECT_NE(other.error().find("lacks DvkInit DvkUnInit"), std::string::npos) << other.error();
  EXPECT_NE(other.error().find(" DvkGetCharSet"), std::string::npos) << other.error();
}

}  // namespace
}  // namespace dvkctl
