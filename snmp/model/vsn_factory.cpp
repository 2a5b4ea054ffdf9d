#include "snmp/model/vsn_factory.h"

#include "framework/ownership.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vsn_counter64.h"
#include "snmp/model/vsn_exception.h"
#include "snmp/model/vsn_gauge32.h"
#include "snmp/model/vsn_integer.h"
#include "snmp/model/vsn_ip_address.h"
#include "snmp/model/vsn_ipv6_address.h"
#include "snmp/model/vsn_ipx_address.h"
#include "snmp/model/vsn_null.h"
#include "snmp/model/vsn_object_id.h"
#include "snmp/model/vsn_octet_string.h"
#include "snmp/model/vsn_udp_address.h"

using vex::Result;
namespace tag = vex::tag;

namespace {

// A byte class of fixed length also needs its zero bytes.
template <class T>
IVsnValue* new_fixed_bytes(Result* err) {
  vex::Owned<T> value(vex::model_new<T>(err));
  if (value == nullptr) return nullptr;
  const Result result = value->init_storage();
  vex::report(err, result);
  return vex::succeeded(result) ? value.release() : nullptr;
}

// Creates a value and applies one setter to it; the setter's failure deletes it.
template <class Set>
IVsnValue* created_and_set(std::int32_t tag, Result* err, Set set) {
  vex::Owned<IVsnValue> value(vsn_create_value(tag, err));
  if (value == nullptr) return nullptr;
  const Result result = set(*value);
  vex::report(err, result);
  return vex::succeeded(result) ? value.release() : nullptr;
}

}  // namespace

IVsnValue* vsn_create_value(std::int32_t type, Result* err) {
  switch (type) {
    case tag::kInteger:
      return vex::model_new<CVsnInteger>(err);
    case tag::kOctetString:
      return vex::model_new<CVsnOctetString>(err);
    case tag::kNull:
      return vex::model_new<CVsnNull>(err);
    case tag::kObjectId:
      return vex::model_new<CVsnObjectId>(err);
    case tag::kIpAddress:
      return new_fixed_bytes<CVsnIpAddress>(err);
    case tag::kCounter32:
      return vex::model_new<CVsnCounter32>(err);
    case tag::kGauge32:
      return vex::model_new<CVsnGauge32>(err);
    case tag::kTimeTicks:
      return vex::model_new<CVsnTimeTicks>(err);
    case tag::kOpaque:
      return vex::model_new<CVsnOpaque>(err);
    case tag::kCounter64:
      return vex::model_new<CVsnCounter64>(err);
    case tag::kIpv6Address:
      return new_fixed_bytes<CVsnIpv6Address>(err);
    case tag::kNoSuchObject:
    case tag::kNoSuchInstance:
    case tag::kEndOfMibView:
      return vex::model_new<CVsnException>(err, type);
    case tag::kUdpAddress:
      return new_fixed_bytes<CVsnUdpAddress>(err);
    case tag::kIpxAddress:
      return new_fixed_bytes<CVsnIpxAddress>(err);
    default:
      vex::report(err, vex::kInvalidArgument);
      return nullptr;
  }
}

IVsnValue* vsn_create_value_long(std::int32_t value, std::int32_t type, Result* err) {
  return created_and_set(type, err, [value](IVsnValue& v) { return v.set_long(value); });
}

IVsnValue* vsn_create_value_ulong(std::uint32_t value, std::int32_t type, Result* err) {
  return created_and_set(type, err, [value](IVsnValue& v) { return v.set_ulong(value); });
}

IVsnValue* vsn_create_value_text(const char* text, std::int32_t type, Result* err) {
  if (text == nullptr) {
    vex::report(err, vex::kInvalidArgument);
    return nullptr;
  }
  return created_and_set(type, err, [text](IVsnValue& v) {
    const Result result = v.set_text(text);
    if (vex::failed(result)) return result;
    return v.is_valid() ? vex::kOk : vex::kInvalidArgument;
  });
}

IVsnValue* vsn_create_counter64(std::uint32_t high, std::uint32_t low, Result* err) {
  return created_and_set(tag::kCounter64, err, [high, low](IVsnValue& v) {
    v.set_high32(high);
    return v.set_low32(low);
  });
}

IVsnOid* vsn_create_oid(Result* err) { return vex::model_new<CVsnObjectId>(err); }

IVsnOid* vsn_create_oid_text(const char* text, Result* err) {
  vex::Owned<IVsnOid> oid(vsn_create_oid(err));
  if (oid == nullptr) return nullptr;
  Result result = oid->set_text(text);
  if (vex::succeeded(result) && !oid->is_valid()) result = vex::kInvalidArgument;
  vex::report(err, result);
  return vex::succeeded(result) ? oid.release() : nullptr;
}
