#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "snmp/codec/translator_factory.h"
#include "snmp/codec/translator_registry.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vsn_packet.h"
#include "tests/codec/codec_test_support.h"

namespace {

using namespace codec_test;

// A translator kind whose encoders and decoders cannot be made.
class ExhaustedFactory final : public TranslatorFactory {
 public:
  const char* name() const override { return "Exhausted"; }
  MessageEncoder* create_encoder(Result* err) override {
    if (err != nullptr) *err = vex::kOutOfMemory;
    return nullptr;
  }
  MessageDecoder* create_decoder(Result* err) override {
    if (err != nullptr) *err = vex::kOutOfMemory;
    return nullptr;
  }
};

class Registry : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry_->select("TransStream"), vex::kOk); }

  TranslatorRegistry* registry_ = TranslatorRegistry::instance();
  Owned<IVsnPdu> pdu_ = make_pdu(vex::pdu_type::kGet, 1);
  Owned<IVsnSnmpTarget> target_ = make_target(vex::snmp_version::kV1);
};

TEST_F(Registry, TransStreamIsSelectedFromTheStart) {
  EXPECT_EQ(registry_, TranslatorRegistry::instance());
  EXPECT_STREQ(registry_->selected_name(), "TransStream");
  EXPECT_EQ(encode(pdu_.get(), target_.get()).result, vex::kOk);
}

TEST_F(Registry, SelectionByExactName) {
  EXPECT_EQ(registry_->select("transstream"), vex::kInvalidArgument);
  EXPECT_EQ(registry_->select("TransStream "), vex::kInvalidArgument);
  EXPECT_STREQ(registry_->selected_name(), "TransStream");
  EXPECT_EQ(registry_->select(nullptr), vex::kOk);
  EXPECT_EQ(registry_->selected_name(), nullptr);
  EXPECT_EQ(registry_->select("nothing"), vex::kInvalidArgument);
  EXPECT_EQ(registry_->selected_name(), nullptr);
  EXPECT_EQ(registry_->select("TransStream"), vex::kOk);
  EXPECT_STREQ(registry_->selected_name(), "TransStream");
}

TEST_F(Registry, WithoutSelectionNothingIsTranslated) {
  ASSERT_EQ(registry_->select(nullptr), vex::kOk);
  PacketBuffer buffer;
  std::uint32_t written = 77;
  EXPECT_EQ(registry_->encode(pdu_.get(), target_.get(), &buffer, &written), vex::kNotInitialised);
  EXPECT_EQ(registry_->encode_packet(nullptr, nullptr, nullptr), vex::kNotInitialised);
  load(buffer, hex("30 00"));
  EXPECT_EQ(registry_->decode(&buffer, pdu_.get(), target_.get(), 0), vex::kNotInitialised);
  EXPECT_EQ(registry_->decode_packet(nullptr, nullptr, 0), vex::kNotInitialised);
  std::int32_t status = 0;
  std::int32_t id = 0;
  EXPECT_EQ(registry_->peek(&buffer, &status, &id, 0), vex::kNotInitialised);
  // The caller's objects are handed back untouched.
  EXPECT_EQ(pdu_->type(), vex::pdu_type::kGet);
  EXPECT_EQ(target_->version(), vex::snmp_version::kV1);
}

TEST_F(Registry, RegisteredKindIsSelectedAndItsCreationFailureReturned) {
  static ExhaustedFactory exhausted;  // outlives the registry's entry
  EXPECT_EQ(registry_->register_factory(nullptr), vex::kInvalidArgument);
  {
    const vex::AllocationLimit limit(0);
    EXPECT_EQ(registry_->register_factory(&exhausted), vex::kOutOfMemory);
  }
  EXPECT_STREQ(registry_->selected_name(), "TransStream");
  ASSERT_EQ(registry_->register_factory(&exhausted), vex::kOk);
  EXPECT_STREQ(registry_->selected_name(), "Exhausted");
  EXPECT_EQ(encode(pdu_.get(), target_.get()).result, vex::kOutOfMemory);
  EXPECT_EQ(decode_into(hex("30 00"), pdu_.get(), target_.get()), vex::kOutOfMemory);
  EXPECT_EQ(registry_->select("TransStream"), vex::kOk);
  EXPECT_EQ(registry_->select("Exhausted"), vex::kOk);
}

TEST_F(Registry, PacketsKeepTheirPartsAcrossEncodeAndDecode) {
  Owned<IVsnSnmpPacket> packet(vsn_create_packet(nullptr));
  packet->set_pdu(make_pdu(vex::pdu_type::kSet, 5, {{"1.3.6.1", integer_value(3)}}).release());
  packet->set_target(make_target(vex::snmp_version::kV2c, "private").release());
  PacketBuffer buffer;
  std::uint32_t written = 0;
  ASSERT_EQ(registry_->encode_packet(packet.get(), &buffer, &written), vex::kOk);
  EXPECT_EQ(written, 1u);
  Owned<IVsnSnmpPacket> received(vsn_create_packet(nullptr));
  ASSERT_EQ(registry_->decode_packet(received.get(), &buffer, 0), vex::kOk);
  EXPECT_TRUE(received->equals(packet.get()));
}

// Any number of threads encode and decode at once while another one changes
// the selection; a call sees a selected translator or none, never half of one.
TEST_F(Registry, ConcurrentUseWhileTheSelectionChanges) {
  std::atomic<bool> stop{false};
  std::thread selector([&] {
    for (int i = 0; i < 200 && !stop; ++i) {
      registry_->select(i % 2 == 0 ? nullptr : "TransStream");
      std::this_thread::yield();
    }
    registry_->select("TransStream");
  });
  std::vector<std::thread> workers;
  std::atomic<int> unexpected{0};
  for (int t = 0; t < 4; ++t) {
    workers.emplace_back([&, t] {
      for (int i = 0; i < 300; ++i) {
        auto pdu = make_pdu(vex::pdu_type::kGet, t * 1000 + i, {{"1.3.6.1.2.1.1.1.0", nullptr}});
        auto target = make_target(vex::snmp_version::kV1);
        const Encoded out = encode(pdu.get(), target.get());
        if (out.result == vex::kNotInitialised) continue;
        if (out.result != vex::kOk) ++unexpected;
        Owned<IVsnPdu> back(vsn_create_pdu(nullptr));
        const Result decoded = decode_into(out.bytes, back.get(), nullptr);
        if (decoded == vex::kOk ? back->request_id() != t * 1000 + i
                                : decoded != vex::kNotInitialised) {
          ++unexpected;
        }
      }
    });
  }
  for (auto& worker : workers) worker.join();
  stop = true;
  selector.join();
  EXPECT_EQ(unexpected, 0);
}

}  // namespace
