#include "bench/message_kinds.h"

#include <cstdint>
#include <string>

#include "snmp/model/vsn_community_target.h"
#include "snmp/model/vsn_factory.h"
#include "snmp/model/vsn_varbind_list.h"

namespace bench {
namespace {

namespace tag = vex::tag;

IVsnValue* octets(const std::string& text, std::int32_t t = tag::kOctetString) {
  IVsnValue* value = vsn_create_value(t, nullptr);
  value->set_bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                   static_cast<std::int32_t>(text.size()));
  return value;
}

IVsnValue* number(std::int64_t n, std::int32_t t) {
  return t == tag::kInteger ? vsn_create_value_long(static_cast<std::int32_t>(n), t, nullptr)
                            : vsn_create_value_ulong(static_cast<std::uint32_t>(n), t, nullptr);
}

// prefix.a.b
std::string name_of(const std::string& prefix, int a, int b) {
  std::string name = prefix;
  name += std::to_string(a);
  name += '.';
  name += std::to_string(b);
  return name;
}

IVsnValue* oid(const std::string& text) {
  return vsn_create_value_text(text.c_str(), tag::kObjectId, nullptr);
}

void add(IVsnPdu* pdu, const std::string& name, IVsnValue* value) {
  pdu->add(vsn_create_oid_text(name.c_str(), nullptr), value);
}

vex::Owned<IVsnPdu> pdu_of(std::int32_t type, std::int32_t request_id) {
  vex::Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  pdu->set_type(type);
  pdu->set_request_id(request_id);
  pdu->set_varbinds(vsn_create_varbind_list(nullptr));
  return pdu;
}

vex::Owned<IVsnSnmpTarget> target_of(std::int32_t version) {
  IVsnCommunityTarget* target = vsn_create_community_target(nullptr);
  target->set_version(version);
  target->set_community("public");
  target->set_max_size(2048);
  return vex::Owned<IVsnSnmpTarget>(target);
}

MessageKind scalar_get() {
  auto request = pdu_of(vex::pdu_type::kGet, 1234567);
  add(request.get(), "1.3.6.1.2.1.1.1.0", vsn_create_value(tag::kNull, nullptr));
  auto answer = pdu_of(vex::pdu_type::kResponse, 1234567);
  add(answer.get(), "1.3.6.1.2.1.1.1.0", octets("Quillmark 5150 Network Printer, ROM 2.41"));
  return {"get of one scalar", std::move(request), std::move(answer),
          target_of(vex::snmp_version::kV1)};
}

vex::Owned<IVsnPdu> copy_of(const vex::Owned<IVsnPdu>& pdu) {
  return vex::Owned<IVsnPdu>(pdu->clone(nullptr));
}

// A row of a Printer MIB supplies-like table: names column.1.index.
MessageKind table_row() {
  auto pdu = pdu_of(vex::pdu_type::kResponse, 1234568);
  const std::string column = "1.3.6.1.2.1.43.11.1.1.";
  IVsnValue* values[15] = {number(3, tag::kInteger),
                           number(1, tag::kInteger),
                           oid("1.3.6.1.2.1.43.11.1.1.0"),
                           octets("Black Toner Cartridge 106R03"),
                           number(3, tag::kInteger),
                           number(19, tag::kInteger),
                           number(10000, tag::kInteger),
                           number(7342, tag::kInteger),
                           number(4, tag::kInteger),
                           octets("SN4711-0815"),
                           number(250000, tag::kGauge32),
                           number(123456789, tag::kCounter32),
                           number(8640000, tag::kTimeTicks),
                           number(-2, tag::kInteger),
                           octets("toner")};
  for (int c = 0; c < 15; ++c) add(pdu.get(), name_of(column, c + 1, 1) + ".3", values[c]);
  auto copy = copy_of(pdu);
  return {"15-column table row response", std::move(pdu), std::move(copy),
          target_of(vex::snmp_version::kV1)};
}

MessageKind mixed_response() {
  auto pdu = pdu_of(vex::pdu_type::kResponse, 1234569);
  const std::string prefix = "1.3.6.1.4.1.253.8.53.13.2.1.";
  for (int i = 0; i < 60; ++i) {
    IVsnValue* value = nullptr;
    switch (i % 10) {
      case 0:
        value = number(static_cast<std::uint32_t>(i * 1000), tag::kInteger);
        break;
      case 1:
        value = octets("interface eth" + std::to_string(i));
        break;
      case 2:
        value = oid("1.3.6.1.4.1.253.8.62.1.20.2." + std::to_string(i));
        break;
      case 3:
        value = octets(std::string{10, 0, 0, static_cast<char>(i)}, tag::kIpAddress);
        break;
      case 4:
        value = number(3000000000U + static_cast<std::uint32_t>(i), tag::kCounter32);
        break;
      case 5:
        value = number(100000000, tag::kGauge32);
        break;
      case 6:
        value = number(360000 + static_cast<std::uint32_t>(i), tag::kTimeTicks);
        break;
      case 7:
        value = vsn_create_counter64(7, 0x89ABCDEF, nullptr);
        break;
      case 8:
        value = octets(std::string("\x9f\x78\x04\x3f\x80\x00\x00", 7), tag::kOpaque);
        break;
      default:
        value = vsn_create_value(tag::kNoSuchInstance, nullptr);
        break;
    }
    add(pdu.get(), name_of(prefix, i % 10 + 1, i / 10 + 1), value);
  }
  auto copy = copy_of(pdu);
  return {"60-binding response of mixed types", std::move(pdu), std::move(copy),
          target_of(vex::snmp_version::kV2c)};
}

}  // namespace

std::vector<MessageKind> typical_messages() {
  std::vector<MessageKind> kinds;
  kinds.push_back(scalar_get());
  kinds.push_back(table_row());
  kinds.push_back(mixed_response());
  return kinds;
}

}  // namespace bench
