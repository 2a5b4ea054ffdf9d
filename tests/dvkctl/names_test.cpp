// The words dvkctl prints for the plug-in's numbers: result sentences and
// exit statuses, error-state bits, Printer MIB codes and levels.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tools/dvkctl/arguments.h"
#include "tools/dvkctl/error_state_bits.h"
#include "tools/dvkctl/failure.h"
#include "tools/dvkctl/level_bar.h"
#include "tools/dvkctl/mib_names.h"
#include "tools/dvkctl/printer_mib_codes.h"
#include "tools/dvkctl/result_sentences.h"

namespace dvkctl {
namespace {

using Names = std::vector<std::string>;

struct ErrorStateCase {
  std::uint8_t octets[4];
  Names names;
  const char* hex;
};

TEST(DetectedErrorNames, NameEachSetBitMostSignificantFirst) {
  const ErrorStateCase cases[] = {
      {{0x00, 0x00, 0x00, 0x00}, {}, "00000000"},
      {{0x80, 0x00, 0x00, 0x00}, {"lowPaper"}, "80000000"},
      {{0x20, 0x00, 0x00, 0x00}, {"lowToner"}, "20000000"},
      {{0x00, 0x40, 0x00, 0x00}, {"outputTrayMissing"}, "00400000"},
      {{0x00, 0x02, 0x00, 0x00}, {"overduePreventMaint"}, "00020000"},
      {{0x00, 0x01, 0x00, 0x00}, {"bit 15"}, "00010000"},
      {{0x00, 0x00, 0x00, 0x01}, {"bit 31"}, "00000001"},
      {{0x11, 0x80, 0x00, 0x00}, {"noToner", "serviceRequested", "inputTrayMissing"}, "11800000"},
  };
  for (const ErrorStateCase& c : cases) {
    EXPECT_EQ(detected_error_names(c.octets), c.names) << c.hex;
    EXPECT_EQ(detected_error_hex(c.octets), c.hex);
  }
}

TEST(PrinterMibCodes, NegativeCodesHaveWordsAndOtherValuesNone) {
  EXPECT_STREQ(printer_mib_code_word(-1).value_or(""), "other");
  EXPECT_STREQ(printer_mib_code_word(-2).value_or(""), "unknown");
  EXPECT_STREQ(printer_mib_code_word(-3).value_or(""), "at least one remains");
  for (std::int32_t value : {-4, 0, 1, 100, INT32_MIN}) {
    EXPECT_FALSE(printer_mib_code_word(value).has_value()) << value;
  }
}

TEST(PrinterMibCodes, PercentOnlyWhenCapacityAndLevelAreMeasured) {
  EXPECT_EQ(level_percent(80, 100), 80);
  EXPECT_EQ(level_percent(1, 3), 33);
  EXPECT_EQ(level_percent(2, 3), 67);
  EXPECT_EQ(level_percent(0, 500), 0);
  EXPECT_EQ(level_percent(INT32_MAX, INT32_MAX), 100);
  EXPECT_FALSE(level_percent(-3, 100));
  EXPECT_FALSE(level_percent(50, 0));
  EXPECT_FALSE(level_percent(50, -2));
}

TEST(LevelBar, FillsInProportionAndStaysWithinItsEnds) {
  EXPECT_EQ(level_bar(0, 10), "[----------]");
  EXPECT_EQ(level_bar(25, 20), "[#####---------------]");
  EXPECT_EQ(level_bar(100, 10), "[##########]");
  EXPECT_EQ(level_bar(150, 10), "[##########]");
  EXPECT_EQ(level_bar(-5, 10), "[----------]");
}

TEST(LevelBar, LevelTextShowsCodesAsWords) {
  EXPECT_EQ(level_text(80, 100), "[################----] 80% (80 of 100)");
  EXPECT_EQ(level_text(-3, 100), "at least one remains, capacity 100");
  EXPECT_EQ(level_text(40, -2), "40, capacity unknown");
  EXPECT_EQ(level_text(-1, -1), "other, capacity other");
}

TEST(MibNames, EnumeratedValuesAndUnnamedNumbers) {
  EXPECT_EQ(storage_type_name(2), "ram");
  EXPECT_EQ(storage_type_name(8), "ramDisk");
  EXPECT_EQ(storage_type_name(0), "not a standard type");
  EXPECT_EQ(storage_type_name(9), "9");
  EXPECT_EQ(device_type_name(5), "printer");
  EXPECT_EQ(device_type_name(151), "private type 151");
  EXPECT_EQ(device_type_name(7), "7");
  EXPECT_EQ(device_status_name(3), "warning");
  EXPECT_EQ(printer_status_name(3), "idle");
  EXPECT_EQ(alert_severity_name(4), "warning");
  EXPECT_EQ(alert_severity_name(2), "2");
}

TEST(ResultSentences, TimeOutSaysHowLongAndHowOften) {
  EXPECT_EQ(result_sentence("DvkInitDeviceEx", -203, {500, 2}),
            "no answer within 500 ms after 2 retries");
  EXPECT_EQ(result_sentence("DvkGetNumberOfTonerInfo", -203, {100, 1}),
            "no answer within 100 ms after 1 retry");
  EXPECT_EQ(result_sentence("DvkInitDeviceEx", -203, {50, 0}),
            "no answer within 50 ms and no retries");
}

TEST(ResultSentences, SomeCodesMeanMoreInTheirCall) {
  EXPECT_EQ(result_sentence("DvkInitDeviceEx", -2, {}),
            "not the supported printer model, or an address of another transport");
  EXPECT_EQ(result_sentence("DvkFindDeviceSNMPEx", -2, {}),
            "the destination address does not belong to the chosen transport");
  EXPECT_EQ(result_sentence("DvkGetNumberOfJobInfo", -2, {}), "invalid argument");
  EXPECT_EQ(result_sentence("DvkRefreshOptions", -1, {}),
            "the printer's ROM version has an unexpected form");
  EXPECT_EQ(result_sentence("DvkGetPrinterInfo", -1, {}), "an operating-system call failed");
}

TEST(ResultSentences, EveryDocumentedCodeHasASentenceOfItsOwn) {
  const std::string fallback = result_sentence("DvkInit", -999, {});
  for (std::int32_t code : {-1,   -2,   -3,   -4,   -5,   -6,   -7,   -8,   -10,  -11,  -200,
                            -201, -202, -204, -205, -210, -211, -212, -214, -250, -251, -401}) {
    EXPECT_NE(result_sentence("DvkInit", code, {}), fallback) << code;
  }
}

TEST(FailureStatus, FollowsTheCodeAndTheCall) {
  const SnmpArguments snmp;
  EXPECT_EQ(plugin_failure("DvkInitDeviceEx", -203, snmp).status, ExitStatus::kNoAnswer);
  EXPECT_EQ(plugin_failure("DvkGetNumberOfTonerInfo", -203, snmp).status, ExitStatus::kNoAnswer);
  EXPECT_EQ(plugin_failure("DvkInitDeviceEx", -2, snmp).status, ExitStatus::kUnsupportedModel);
  EXPECT_EQ(plugin_failure("DvkFindDeviceSNMPEx", -2, snmp).status, ExitStatus::kPluginError);
  EXPECT_EQ(plugin_failure("DvkInitDeviceEx", -5, snmp).status, ExitStatus::kPluginError);
  const Failure failure = plugin_failure("DvkCancelJob", -7, snmp);
  EXPECT_EQ(failure.call, "DvkCancelJob");
  EXPECT_EQ(failure.code, -7);
  EXPECT_EQ(failure.message, "the printer returned no value for a requested object");
}

TEST(FailureStatus, TimeOutSentenceUsesTheCommandsLimits) {
  SnmpArguments snmp;
  snmp.timeout_ms = 120;
  snmp.retries = 3;
  EXPECT_EQ(plugin_failure("DvkInitDeviceEx", -203, snmp).message,
            "no answer within 120 ms after 3 retries");
}

}  // namespace
}  // namespace dvkctl
