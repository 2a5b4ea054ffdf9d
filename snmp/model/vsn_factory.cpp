#include "snmp/model/vsn_factory.h"

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
  return vex::keep_if_filled(vex::model_new<T>(err), err, [](T& v) { return v.init_storage(); });
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
  return vex::keep_if_filled(vsn_create_value(type, err), err,
                             [value](IVsnValue& v) { return v.set_long(value); });
}

IVsnValue* vsn_create_value_ulong(std::uint32_t value, std::int32_t type, Result* err) {
  return vex::keep_if_filled(vsn_create_value(type, err), err,
                             [value](IVsnValue& v) { return v.set_ulong(value); });
}

IVsnValue* vsn_create_value_text(const char* text, std::int32_t type, Result* err) {
  if (text == nullptr) {
    vex::report(err, vex::kInvalidArgument);
    return nullptr;
  }
  return vex::keep_if_filled(vsn_create_value(type, err), err, [text](IVsnValue& v) {
    const Result result = v.set_text(text);
    if (vex::failed(result)) return result;
    return v.is_valid() ? vex::kOk : vex::kInvalidArgument;
  });
}

IVsnValue* vsn_create_counter64(std::uint32_t high, std::uint32_t low, Result* err) {
  return vex::keep_if_filled(vsn_create_value(tag::kCounter64, err), err,
                             [high, low](IVsnValue& v) {
                               v.set_high32(high);
                               return v.set_low32(low);
                             });
}

IVsnOid* vsn_create_oid(Result* err) { return vex::model_new<CVsnObjectId>(err); }

IVsnOid* vsn_create_oid_text(const char* text, Result* err) {
  return vex::keep_if_filled(vsn_create_oid(err), err, [text](IVsnOid& oid) {
    const Result result = oid.set_text(text);
    if (vex::failed(result)) return result;
    return oid.is_valid() ? vex::kOk : vex::kInvalidArgument;
  });
}
