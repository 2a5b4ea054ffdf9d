#include "snmp/model/vsn_value_base.h"

#include "snmp/model/model_heap.h"
#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_factory.h"
#include "snmp/model/vsn_oid.h"

using vex::kInvalidArgument;
using vex::kNotSupported;
using vex::report;
using vex::Result;

namespace {

constexpr std::uint32_t kAllBits = 0xFFFFFFFFU;

// A new buffer filled by one of the value's writers; the buffer is handed out
// even when the writer fails, err then tells why.
template <class Writer>
IVexBuffer* buffer_from(Writer write, Result* err) {
  IVexBuffer* buffer = vex_create_buffer(err);
  if (buffer != nullptr) report(err, write(buffer));
  return buffer;
}

}  // namespace

Result CVsnValue::accept(IVsnValueVisitor* /*visitor*/) { return kNotSupported; }

void CVsnValue::destroy() { delete this; }

IVsnValue* CVsnValue::clone(Result* err) const {
  return vex::keep_if_filled(vsn_create_value(type(), err), err,
                             [this](IVsnValue& copy) { return copy.assign(this); });
}

void CVsnValue::query(std::uint32_t id, void** out) {
  void* view = nullptr;
  if (id == vex::query_id::kValue) view = static_cast<IVsnValue*>(this);
  if (id == vex::query_id::kImplementation) view = this;
  vex::answer_query(out, view);
}

std::int32_t CVsnValue::get_long(Result* err) const {
  report(err, kNotSupported);
  return -1;
}

std::uint32_t CVsnValue::get_ulong(Result* err) const {
  report(err, kNotSupported);
  return kAllBits;
}

IVexBuffer* CVsnValue::to_text(Result* err) const {
  return buffer_from([this](IVexBuffer* b) { return write_text(b); }, err);
}

Result CVsnValue::write_text(IVexBuffer* /*out*/) const { return kNotSupported; }

const std::uint8_t* CVsnValue::get_bytes(std::int32_t* /*length*/, Result* err) const {
  report(err, kNotSupported);
  return nullptr;
}

IVexBuffer* CVsnValue::to_bytes(Result* err) const {
  return buffer_from([this](IVexBuffer* b) { return write_bytes(b); }, err);
}

Result CVsnValue::write_bytes(IVexBuffer* out) const {
  std::int32_t n = 0;
  Result result = vex::kOk;
  const std::uint8_t* bytes = get_bytes(&n, &result);
  if (vex::failed(result)) return result;
  if (out == nullptr) return kInvalidArgument;
  return out->assign(bytes, n);
}

std::uint16_t CVsnValue::get_port(Result* err) const {
  report(err, kNotSupported);
  return 0xFFFF;
}

std::uint32_t CVsnValue::get_high32(Result* err) const {
  report(err, kNotSupported);
  return kAllBits;
}

std::uint32_t CVsnValue::get_low32(Result* err) const {
  report(err, kNotSupported);
  return kAllBits;
}

Result CVsnValue::set_long(std::int32_t /*value*/) { return kNotSupported; }
Result CVsnValue::set_ulong(std::uint32_t /*value*/) { return kNotSupported; }
Result CVsnValue::set_text(const char* /*text*/) { return kNotSupported; }

Result CVsnValue::set_text_from(const IVexBuffer* in) {
  if (in == nullptr) return kInvalidArgument;
  return set_text(in->data());
}

Result CVsnValue::set_bytes(const std::uint8_t* /*bytes*/, std::int32_t /*n*/) {
  return kNotSupported;
}

Result CVsnValue::set_bytes_from(const IVexBuffer* in) {
  if (in == nullptr) return kInvalidArgument;
  return set_bytes(reinterpret_cast<const std::uint8_t*>(in->data()), in->length());
}

Result CVsnValue::set_port(std::uint16_t /*port*/) { return kNotSupported; }
Result CVsnValue::set_high32(std::uint32_t /*value*/) { return kNotSupported; }
Result CVsnValue::set_low32(std::uint32_t /*value*/) { return kNotSupported; }

std::int64_t CVsnValue::element_at(std::uint32_t /*pos*/, Result* err) const {
  report(err, kNotSupported);
  return -1;
}

Result CVsnValue::append_index(IVsnOid* /*oid*/, std::int32_t /*implied*/) const {
  return kNotSupported;
}

Result CVsnValue::assign_index(IVsnOid* /*oid*/, std::int32_t /*implied*/) const {
  return kNotSupported;
}

Result CVsnValue::read_index(const IVsnOid* /*oid*/, std::int32_t /*implied*/,
                             std::int32_t /*length*/) {
  return kNotSupported;
}

Result CVsnValue::replace_index(IVsnOid* oid, std::int32_t implied) const {
  if (oid == nullptr) return kInvalidArgument;
  oid->clear();
  return append_index(oid, implied);
}
