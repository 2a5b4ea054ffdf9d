#include "snmp/model/vsn_octet_string.h"

#include <algorithm>
#include <cstring>

#include "snmp/model/index_form.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_oid.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;

Result CVsnOctetString::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_octet_string, this);
}

Result CVsnOctetString::assign(const IVsnValue* other) {
  const CVsnOctetString* peer = vex::same_kind(*this, other);
  if (peer == nullptr) return kInvalidArgument;
  return bytes_.assign(peer->bytes_.data(), peer->bytes_.size());
}

void CVsnOctetString::clear() {
  if (fixed_size_ != 0) {
    bytes_.fill_zero();
  } else {
    bytes_.clear();
  }
}

bool CVsnOctetString::equals(const IVsnValue* other) const {
  const CVsnOctetString* peer = vex::same_kind(*this, other);
  return peer != nullptr && peer->bytes_.chars() == bytes_.chars();
}

void CVsnOctetString::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kOctetString)) return vex::answer_query(out, this);
  CVsnValue::query(id, out);
}

Result CVsnOctetString::write_text(IVexBuffer* out) const {
  return vex::write_chars(out, bytes_.chars());
}

const std::uint8_t* CVsnOctetString::get_bytes(std::int32_t* length, Result* err) const {
  if (length == nullptr) {
    vex::report(err, kInvalidArgument);
    return nullptr;
  }
  *length = this->length();
  vex::report(err, kOk);
  return bytes_.data();
}

Result CVsnOctetString::set_text(const char* text) {
  if (text == nullptr) {
    bytes_.clear();
    return kOk;
  }
  return bytes_.assign(text, std::strlen(text));
}

Result CVsnOctetString::set_bytes(const std::uint8_t* bytes, std::int32_t n) {
  if (n < 0) return kInvalidArgument;
  const auto count = static_cast<std::size_t>(n);
  if (fixed_size_ != 0) {
    if (bytes == nullptr || count != fixed_size_) return kInvalidArgument;
    std::memmove(bytes_.data(), bytes, count);
    return kOk;
  }
  if (bytes == nullptr) {
    bytes_.clear();
    return kOk;
  }
  return bytes_.assign(bytes, count);
}

std::int32_t CVsnOctetString::index_length(std::int32_t implied) const {
  return length() + (vex::is_implied(implied) ? 0 : 1);
}

std::int64_t CVsnOctetString::element_at(std::uint32_t pos, Result* err) const {
  if (pos >= bytes_.size()) {
    vex::report(err, kInvalidArgument);
    return -1;
  }
  vex::report(err, kOk);
  return bytes_.data()[pos];
}

Result CVsnOctetString::append_index(IVsnOid* oid, std::int32_t implied) const {
  if (oid == nullptr) return kInvalidArgument;
  if (!vex::is_implied(implied)) {
    const Result result = oid->append_subid(static_cast<std::uint32_t>(bytes_.size()));
    if (vex::failed(result)) return result;
  }
  return append_byte_subids(*oid);
}

Result CVsnOctetString::assign_index(IVsnOid* oid, std::int32_t implied) const {
  return replace_index(oid, implied);
}

Result CVsnOctetString::read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) {
  if (oid == nullptr) return kInvalidArgument;
  if (fixed_size_ != 0) return read_fixed_index(*oid, implied);
  bytes_.clear();
  const std::uint32_t available = static_cast<std::uint32_t>(oid->length());
  std::uint32_t first = 0;
  std::uint32_t count = 0;
  if (vex::is_implied(implied)) {
    count = length < 0 ? available : std::min(static_cast<std::uint32_t>(length), available);
  } else {
    const Result result = vex::read_subid(*oid, 0, count);
    if (vex::failed(result)) return result;
    // The length prefix may not promise more bytes than follow it.
    if (count > available - 1) return vex::kBadIndex;
    first = 1;
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint8_t byte = 0;
    Result result = vex::read_byte_subid(*oid, first + i, byte);
    if (vex::succeeded(result)) result = bytes_.push_back(byte);
    if (vex::failed(result)) return result;
  }
  return kOk;
}

Result CVsnOctetString::append_domain_index(IVsnOid* oid, std::int32_t implied,
                                            std::uint32_t domain) const {
  if (oid == nullptr) return kInvalidArgument;
  const Result result = oid->append_subid(domain);
  if (vex::failed(result)) return result;
  return CVsnOctetString::append_index(oid, implied);
}

std::int32_t CVsnOctetString::domain_index_length(std::int32_t implied) const {
  return 1 + CVsnOctetString::index_length(implied);
}

Result CVsnOctetString::read_domain_index(const IVsnOid* oid, std::int32_t implied,
                                          std::uint32_t domain) {
  if (oid == nullptr) return kInvalidArgument;
  bytes_.fill_zero();
  Result result = vex::expect_subid(*oid, 0, domain);
  if (vex::failed(result)) return result;
  if (vex::is_implied(implied)) return read_fixed_bytes(*oid, 1);
  result = vex::expect_subid(*oid, 1, static_cast<std::uint32_t>(fixed_size_));
  if (vex::failed(result)) return result;
  return read_fixed_bytes(*oid, 2);
}

Result CVsnOctetString::read_fixed_index(const IVsnOid& oid, std::int32_t implied) {
  bytes_.fill_zero();
  if (vex::is_implied(implied)) return read_fixed_bytes(oid, 0);
  const Result result = vex::expect_subid(oid, 0, static_cast<std::uint32_t>(fixed_size_));
  if (vex::failed(result)) return result;
  return read_fixed_bytes(oid, 1);
}

Result CVsnOctetString::append_byte_subids(IVsnOid& oid) const {
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    const Result result = oid.append_subid(bytes_.data()[i]);
    if (vex::failed(result)) return result;
  }
  return kOk;
}

Result CVsnOctetString::read_fixed_bytes(const IVsnOid& oid, std::uint32_t first) {
  for (std::uint32_t i = 0; i < fixed_size_; ++i) {
    const Result result = vex::read_byte_subid(oid, first + i, bytes_.data()[i]);
    if (vex::failed(result)) return result;
  }
  return kOk;
}

void CVsnOpaque::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::of_tag(vex::tag::kOpaque)) return vex::answer_query(out, this);
  CVsnOctetString::query(id, out);
}
