#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "plugin/plugin_usm.h"

namespace {

struct Expected {
  std::int32_t mode = -1;
  const char* user = "Mdevices";
  std::int32_t level = 2, auth = 1, priv = 1;
  const char* auth_phrase = "Wq7bLm3xTr9vKp2zHn4d";
  const char* priv_phrase = "Gy5sNc8wQe1jRf6uZa0t";
  const char* context = "";
};

struct ParameterCase {
  const char* name;
  std::int32_t mode;
  std::function<void(DvkUsmParameters&)> fill;
  Expected expected;
};

void expect_parameters(const IDvkPluginUSM& usm, const Expected& e, const char* name) {
  EXPECT_EQ(usm.get_snmp_mode(), e.mode) << name;
  EXPECT_STREQ(usm.get_user_name(), e.user) << name;
  EXPECT_EQ(usm.get_security_level(), e.level) << name;
  EXPECT_EQ(usm.get_auth_protocol(), e.auth) << name;
  EXPECT_EQ(usm.get_priv_protocol(), e.priv) << name;
  EXPECT_STREQ(usm.get_auth_pass_phrase(), e.auth_phrase) << name;
  EXPECT_STREQ(usm.get_priv_pass_phrase(), e.priv_phrase) << name;
  EXPECT_STREQ(usm.get_context_name(), e.context) << name;
}

TEST(PluginUsm, DefaultsBeforeAnyParameters) {
  CDvkPluginUSM usm;
  expect_parameters(usm, Expected{}, "fresh");
}

TEST(PluginUsm, SetParameters) {
  const auto none = [](DvkUsmParameters&) {};
  const ParameterCase cases[] = {
      {"all-zero block with mode 2 keeps every default", 2, none, {.mode = 2}},
      {"mode 0", 0, none, {.mode = 0}},
      {"mode 5 leaves -1", 5, none, {}},
      {"mode -3 leaves -1", -3, none, {}},
      {"level 7 keeps authPriv, zero protocols are stored",
       2,
       [](DvkUsmParameters& b) { b.security_level = 7; },
       {.mode = 2, .auth = 0, .priv = 0}},
      {"negative protocols keep defaults",
       2,
       [](DvkUsmParameters& b) { b.auth_protocol = -1, b.priv_protocol = 3; },
       {.mode = 2, .level = 0}},
      {"protocol 0 is stored",
       2,
       [](DvkUsmParameters& b) { b.security_level = 1, b.auth_protocol = 0, b.priv_protocol = 0; },
       {.mode = 2, .level = 1, .auth = 0, .priv = 0}},
      {"level 0 and SHA with AES",
       2,
       [](DvkUsmParameters& b) { b.security_level = 0, b.auth_protocol = 2, b.priv_protocol = 2; },
       {.mode = 2, .level = 0, .auth = 2, .priv = 2}},
      {"texts given",
       2,
       [](DvkUsmParameters& b) {
         std::strcpy(b.user_name, "operator");
         std::strcpy(b.auth_pass_phrase, "authsecret1");
         std::strcpy(b.priv_pass_phrase, "privsecret1");
         std::strcpy(b.context_name, "printer");
       },
       {.mode = 2,
        .user = "operator",
        .level = 0,
        .auth = 0,
        .priv = 0,
        .auth_phrase = "authsecret1",
        .priv_phrase = "privsecret1",
        .context = "printer"}},
      {"unterminated user name is cut to 63 characters",
       1,
       [](DvkUsmParameters& b) { std::memset(b.user_name, 'u', sizeof b.user_name); },
       {.mode = 1,
        .user = "uuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuu",
        .level = 0,
        .auth = 0,
        .priv = 0}},
  };
  for (const ParameterCase& row : cases) {
    CDvkPluginUSM usm;
    DvkUsmParameters block{};
    row.fill(block);
    EXPECT_EQ(usm.set_parameters(row.mode, block), 0) << row.name;
    expect_parameters(usm, row.expected, row.name);
  }
}

TEST(PluginUsm, EverySetResetsWhatTheLastOneGave) {
  CDvkPluginUSM usm;
  DvkUsmParameters custom{};
  std::strcpy(custom.user_name, "operator");
  std::strcpy(custom.context_name, "ctx");
  custom.security_level = 0;
  usm.set_parameters(2, custom);
  const char* user_text = usm.get_user_name();
  usm.set_parameters(0, DvkUsmParameters{});
  expect_parameters(usm, Expected{.mode = 0}, "after reset");
  // Sessions hold the text buffers; they must stay the same buffers.
  EXPECT_EQ(user_text, usm.get_user_name());
}

}  // namespace
