#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/ownership.h"
#include "snmp/model/vsn_factory.h"

namespace model_test {

using vex::Owned;
using vex::Result;

inline Owned<IVsnValue> make_value(std::int32_t tag) {
  Result err = 1;
  Owned<IVsnValue> value(vsn_create_value(tag, &err));
  EXPECT_EQ(err, vex::kOk) << "tag " << tag;
  return value;
}

inline Owned<IVsnOid> make_oid(const char* text = nullptr) {
  Owned<IVsnOid> oid(vsn_create_oid(nullptr));
  if (text != nullptr) {
    EXPECT_EQ(oid->set_text(text), vex::kOk);
  }
  return oid;
}

inline std::string buffer_text(const IVexBuffer& buffer) {
  if (buffer.data() == nullptr) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(buffer.length()));
}

// The text form of a value; the write_text result goes to *result.
inline std::string text_of(const IVsnValue& value, Result* result = nullptr) {
  Result err = 1;
  const Owned<IVexBuffer> buffer(value.to_text(&err));
  if (result != nullptr) *result = err;
  return buffer != nullptr ? buffer_text(*buffer) : std::string("<no buffer>");
}

inline std::vector<std::uint8_t> bytes_of(const IVsnValue& value) {
  std::int32_t n = 0;
  const std::uint8_t* p = value.get_bytes(&n, nullptr);
  return p != nullptr ? std::vector<std::uint8_t>(p, p + n) : std::vector<std::uint8_t>();
}

// Every tag vsn_create_value accepts.
inline const std::vector<std::int32_t>& all_tags() {
  static const std::vector<std::int32_t> tags = {
      vex::tag::kInteger,        vex::tag::kOctetString,  vex::tag::kNull,
      vex::tag::kObjectId,       vex::tag::kIpAddress,    vex::tag::kCounter32,
      vex::tag::kGauge32,        vex::tag::kTimeTicks,    vex::tag::kOpaque,
      vex::tag::kCounter64,      vex::tag::kIpv6Address,  vex::tag::kNoSuchObject,
      vex::tag::kNoSuchInstance, vex::tag::kEndOfMibView, vex::tag::kUdpAddress,
      vex::tag::kIpxAddress};
  return tags;
}

}  // namespace model_test

namespace model_test {

// A value of the tag holding something other than its initial content.
inline Owned<IVsnValue> sample_value(std::int32_t tag) {
  const char* text = nullptr;
  switch (tag) {
    case vex::tag::kInteger:
      text = "-12";
      break;
    case vex::tag::kGauge32:
    case vex::tag::kCounter32:
    case vex::tag::kTimeTicks:
      text = "7";
      break;
    case vex::tag::kCounter64:
      text = "99999999999";
      break;
    case vex::tag::kOctetString:
    case vex::tag::kOpaque:
      text = "abc";
      break;
    case vex::tag::kIpAddress:
      text = "1.2.3.4";
      break;
    case vex::tag::kIpv6Address:
      text = "1:2:3:4:5:6:7:8";
      break;
    case vex::tag::kUdpAddress:
      text = "1.2.3.4/5";
      break;
    case vex::tag::kIpxAddress:
      text = "01020304:05060708090a/b";
      break;
    case vex::tag::kObjectId:
      text = "1.3.6";
      break;
    default:
      return make_value(tag);
  }
  Result err = 1;
  Owned<IVsnValue> value(vsn_create_value_text(text, tag, &err));
  EXPECT_EQ(err, vex::kOk) << "tag " << tag;
  return value;
}

}  // namespace model_test
