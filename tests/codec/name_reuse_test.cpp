// The encoder and the decoder reuse what one binding's name shares with the
// one before it; these sequences of names test where that sharing must stop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "snmp/model/vsn_oid.h"
#include "tests/codec/codec_test_support.h"

namespace {

using namespace codec_test;
using Names = std::vector<std::string>;

std::string long_name(int arcs, int last) {
  std::string name = "1.3.6.1.4.1.253";
  for (int i = 7; i < arcs - 1; ++i) name += "." + std::to_string(1000 + i);
  return name + "." + std::to_string(last);
}

Names table_row() {
  Names names;
  for (int row = 1; row <= 2; ++row) {
    for (int column = 1; column <= 15; ++column) {
      names.push_back("1.3.6.1.2.1.43.11.1.1." + std::to_string(column) + ".1." +
                      std::to_string(row));
    }
  }
  return names;
}

struct Sequence {
  const char* label;
  Names names;
};

void PrintTo(const Sequence& s, std::ostream* out) { *out << s.label; }

class NameSequences : public ::testing::TestWithParam<Sequence> {};

TEST_P(NameSequences, EncodeAsWrittenOneByOneAndDecodeBack) {
  const Names& names = GetParam().names;
  Owned<IVsnPdu> pdu = make_pdu(vex::pdu_type::kResponse, 3);
  Bytes items;
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(pdu->add(oid_value(names[i].c_str()), integer_value(static_cast<std::int32_t>(i))),
              vex::kOk);
    const Bytes item = binding(names[i], integer(static_cast<std::int64_t>(i)));
    items.insert(items.end(), item.begin(), item.end());
  }
  auto target = make_target(vex::snmp_version::kV2c);
  const Encoded out = encode(pdu.get(), target.get());
  ASSERT_EQ(out.result, vex::kOk);
  const Bytes expected =
      message(1, "public", 0xA2, join({request_fields(3, 0, 0), tlv(0x30, items)}));
  EXPECT_EQ(hex_of(out.bytes), hex_of(expected));

  const Decoded fresh = decode(out.bytes);
  ASSERT_EQ(fresh.result, vex::kOk);
  Owned<IVsnPdu> reused =
      make_pdu(vex::pdu_type::kGet, 3, {{"1.3.6.1.2.1.1.1.0", nullptr}, {"2.5", nullptr}});
  ASSERT_EQ(decode_into(out.bytes, reused.get(), nullptr), vex::kOk);
  for (const IVsnPdu* back : {fresh.pdu.get(), reused.get()}) {
    ASSERT_EQ(back->varbinds()->count(), static_cast<std::int32_t>(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(back->varbinds()->at(static_cast<std::int32_t>(i))->name()->text(), names[i]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NameSequences,
    ::testing::Values(
        Sequence{"table_rows", table_row()},
        Sequence{"prefixes_of_each_other",
                 {"1.3.6.1.2.1.1", "1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1", "1.3.6.1.2.1.1.1"}},
        Sequence{"differing_inside_an_arc",
                 {"1.3.6.1.2.1.10", "1.3.6.1.2.1.1", "1.3.6.1.2.1.100", "1.3.6.1.2.1.1000000",
                  "1.3.6.1.2.1.2", "1.3.6.1.2.1.21"}},
        Sequence{"repeated", {"1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.5.0", "1.3.6.1.2.1.1.5.0"}},
        Sequence{
            "multi_octet_arcs_sharing_octets",
            {"1.3.6.1.4.1.16383.1", "1.3.6.1.4.1.16384.1", "1.3.6.1.4.1.128.5", "1.3.6.1.4.1.255",
             "1.3.6.1.4.1.255.1", "1.3.6.1.4.1.4294967295.7", "1.3.6.1.4.1.4294967294.7"}},
        Sequence{"first_arcs_differ", {"2.999.1", "1.3.1", "0.39.1", "2.100.3", "2.100.3.4"}},
        Sequence{"two_arcs_only", {"1.3", "1.3", "1.4", "2.48"}},
        Sequence{"longer_than_kept",
                 {long_name(60, 1), long_name(60, 2), "1.3.6.1", long_name(60, 3), long_name(20, 4),
                  long_name(21, 4), long_name(20, 5)}}),
    [](const auto& test_info) { return std::string(test_info.param.label); });

}  // namespace
