#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/codec/codec_test_support.h"
#include "tests/codec/pysnmp_peer.h"
#include "tests/support/requirements.h"

namespace {

using namespace codec_test;
using nlohmann::json;

constexpr int kMessages = 1000;

std::string community_text(const json& m) {
  const Bytes bytes = hex(m["community"].get<std::string>());
  return std::string(bytes.begin(), bytes.end());
}

// Every PDU kind of both versions and every value tag occurs in the set.
void expect_full_coverage(const std::vector<json>& generated) {
  std::set<std::pair<int, std::string>> kinds;
  std::set<int> tags;
  for (const json& entry : generated) {
    const json& m = entry["message"];
    kinds.insert({m["version"].get<int>(), m["pdu"].get<std::string>()});
    for (const json& b : m["bindings"]) tags.insert(b[1].get<int>());
  }
  EXPECT_EQ(kinds.size(), 5u + 8u);
  EXPECT_EQ(tags.size(), 13u);
}

// pyasn1 writes every negative power of two with one octet too many; for
// -2147483648 that is the five octets FF 80 00 00 00, which a decoder must
// refuse (five octets have to open with 0x00).
bool has_five_octet_minimum(const json& m) {
  constexpr std::int64_t kMinimum = -2147483648LL;
  if (m.contains("request_id") && m["request_id"] == kMinimum) return true;
  for (const json& b : m["bindings"]) {
    if (b[1] == 0x02 && b[2] == kMinimum) return true;
  }
  return false;
}

// The generated set of the seed, checked for its size and coverage.
std::vector<json> generated_set(int seed) {
  std::string error;
  std::vector<json> generated = pysnmp::generate(kMessages, seed, &error);
  EXPECT_EQ(generated.size(), std::size_t(kMessages)) << error;
  expect_full_coverage(generated);
  return generated;
}

TEST(Pysnmp, MessagesPysnmpWritesDecodeIntoTheSameObjects) {
  DVK_REQUIRE(pysnmp::unavailable());
  const std::vector<json> generated = generated_set(4711);
  ASSERT_FALSE(generated.empty());
  int refused = 0;
  for (const json& entry : generated) {
    const json& m = entry["message"];
    const std::string bytes = entry["hex"].get<std::string>();
    const Decoded out = decode(hex(bytes));
    if (m["pdu"] == "trap2") {
      EXPECT_EQ(out.result, vex::kNotSupported) << bytes;
      continue;
    }
    if (has_five_octet_minimum(m)) {
      EXPECT_EQ(out.result, vex::kUndecodable) << bytes;
      ++refused;
      continue;
    }
    ASSERT_EQ(out.result, vex::kOk) << bytes;
    const Owned<IVsnPdu> expected = pysnmp::pdu_of(m);
    EXPECT_TRUE(out.pdu->equals(expected.get()))
        << bytes << "\n"
        << ::testing::PrintToString(describe(*out.pdu)) << "\n"
        << ::testing::PrintToString(describe(*expected));
    EXPECT_EQ(statuses(*out.pdu), statuses(*expected)) << bytes;
    EXPECT_EQ(out.target->version(), m["version"].get<int>()) << bytes;
    EXPECT_EQ(community_of(out.target.get()), community_text(m)) << bytes;
  }
  EXPECT_LT(refused, kMessages / 10);
}

// What pysnmp should read from this side's encoding of a description: the
// same message, except that an SNMPv1 trap carries agent address 0.0.0.0
// and a generic trap comes from the snmpTraps enterprise.
json expected_reading(json m) {
  if (m["pdu"] == "trap") {
    m["agent_addr"] = "00000000";
    if (m["generic"] != 6) {
      m["enterprise"] = "1.3.6.1.6.3.1.1.5";
      m["specific"] = 0;
    }
  }
  m["trailing"] = 0;
  return m;
}

TEST(Pysnmp, MessagesWrittenHereParseInPysnmpIntoTheSameMessage) {
  DVK_REQUIRE(pysnmp::unavailable());
  const std::vector<json> generated = generated_set(815);
  ASSERT_FALSE(generated.empty());
  std::vector<std::string> written;
  std::vector<json> expected;
  for (const json& entry : generated) {
    const json& m = entry["message"];
    const Owned<IVsnPdu> pdu = pysnmp::pdu_of(m);
    const Owned<IVsnSnmpTarget> target = pysnmp::target_of(m);
    const Encoded out = encode(pdu.get(), target.get());
    if (m["pdu"] == "trap2") {
      EXPECT_EQ(out.result, vex::kNotSupported);
      continue;
    }
    ASSERT_EQ(out.result, vex::kOk) << m.dump();
    written.push_back(hex_of(out.bytes));
    expected.push_back(expected_reading(m));
  }
  std::string error;
  const std::vector<json> parsed = pysnmp::parse(written, &error);
  ASSERT_EQ(parsed.size(), written.size()) << error;
  for (std::size_t i = 0; i < parsed.size(); ++i) {
    EXPECT_EQ(parsed[i], json({{"message", expected[i]}})) << written[i];
  }
}

}  // namespace
