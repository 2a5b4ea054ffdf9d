#include "tests/codec/codec_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_oid.h"

namespace codec_test {

IVsnValue* integer_value(std::int32_t v) {
  return vsn_create_value_long(v, vex::tag::kInteger, nullptr);
}

IVsnValue* unsigned_value(std::uint32_t v, std::int32_t tag) {
  return vsn_create_value_ulong(v, tag, nullptr);
}

IVsnValue* counter64_value(std::uint32_t high, std::uint32_t low) {
  return vsn_create_counter64(high, low, nullptr);
}

IVsnValue* bytes_value(const Bytes& bytes, std::int32_t tag) {
  IVsnValue* value = vsn_create_value(tag, nullptr);
  EXPECT_EQ(value->set_bytes(bytes.data(), static_cast<std::int32_t>(bytes.size())), vex::kOk);
  return value;
}

IVsnValue* empty_value(std::int32_t tag) { return vsn_create_value(tag, nullptr); }

IVsnOid* oid_value(const char* text) {
  IVsnOid* oid = vsn_create_oid(nullptr);
  EXPECT_EQ(oid->set_text(text), vex::kOk);
  return oid;
}

Owned<IVsnPdu> make_pdu(std::int32_t type, std::int32_t request_id, std::vector<Bound> bindings) {
  Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  pdu->set_type(type);
  pdu->set_request_id(request_id);
  for (const Bound& b : bindings) EXPECT_EQ(pdu->add(oid_value(b.name), b.value), vex::kOk);
  return pdu;
}

Owned<IVsnSnmpTarget> make_target(std::int32_t version, const char* community,
                                  std::int32_t max_size) {
  IVsnCommunityTarget* target = vsn_create_community_target(nullptr);
  target->set_version(version);
  target->set_max_size(max_size);
  target->set_community(community);
  return Owned<IVsnSnmpTarget>(target);
}

Owned<IVsnPdu> make_trap(const char* trap_oid, std::uint32_t time_stamp,
                         std::vector<Bound> bindings) {
  Owned<IVsnPdu> pdu = make_pdu(vex::pdu_type::kTrap, 0, std::move(bindings));
  EXPECT_EQ(pdu->set_trap_oid(oid_value(trap_oid)), vex::kOk);
  EXPECT_EQ(pdu->set_time_stamp(unsigned_value(time_stamp, vex::tag::kTimeTicks)), vex::kOk);
  return pdu;
}

Encoded encode(IVsnPdu* pdu, IVsnSnmpTarget* target) {
  Encoded out;
  PacketBuffer buffer;
  out.result = TranslatorRegistry::instance()->encode(pdu, target, &buffer, &out.written);
  if (out.result == vex::kOk) {
    const std::uint8_t* start = buffer.message_start();
    out.bytes.assign(start, start + buffer.remaining_length());
  }
  return out;
}

void load(PacketBuffer& buffer, const Bytes& bytes) {
  ASSERT_TRUE(buffer.allocate(static_cast<std::uint32_t>(bytes.size())));
  if (!bytes.empty()) std::memcpy(buffer.data(), bytes.data(), bytes.size());
}

Decoded decode(const Bytes& bytes) {
  Decoded out;
  out.pdu.reset(vsn_create_pdu(nullptr));
  out.target.reset(vsn_create_target(vex::target_kind::kCommunity, nullptr));
  out.result = decode_into(bytes, out.pdu.get(), out.target.get());
  return out;
}

Result decode_into(const Bytes& bytes, IVsnPdu* pdu, IVsnSnmpTarget* target,
                   std::int32_t translate_type) {
  PacketBuffer buffer;
  load(buffer, bytes);
  return TranslatorRegistry::instance()->decode(&buffer, pdu, target, translate_type);
}

std::string text_of(const IVsnValue* value) {
  if (value == nullptr) return "<none>";
  const Owned<IVexBuffer> text(value->to_text(nullptr));
  if (text == nullptr || text->data() == nullptr) return {};
  return std::string(text->data(), static_cast<std::size_t>(text->length()));
}

std::string community_of(IVsnSnmpTarget* target) {
  IVsnCommunityTarget* community = vex::as_community(target);
  if (community == nullptr || community->community() == nullptr) return "<none>";
  return community->community();
}

std::vector<std::string> describe(const IVsnPdu& pdu) {
  std::vector<std::string> out;
  const IVsnVarBindList* list = pdu.varbinds();
  for (std::int32_t i = 0; list != nullptr && i < list->count(); ++i) {
    const IVsnVarBind* b = list->at(i);
    const std::string type = b->value() != nullptr ? std::to_string(b->value()->type()) : "-";
    out.push_back(std::string(b->name()->text()) + "|" + type + "|" + text_of(b->value()));
  }
  return out;
}

std::vector<std::int32_t> statuses(const IVsnPdu& pdu) {
  std::vector<std::int32_t> out;
  const IVsnVarBindList* list = pdu.varbinds();
  for (std::int32_t i = 0; list != nullptr && i < list->count(); ++i) {
    out.push_back(list->at(i)->status());
  }
  return out;
}

}  // namespace codec_test
