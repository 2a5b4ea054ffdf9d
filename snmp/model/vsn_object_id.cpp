// The IVsnValue side of CVsnObjectId; the text operations of IVsnOid are in
// vsn_object_id_text.cpp.
#include "snmp/model/vsn_object_id.h"

#include "framework/ownership.h"
#include "snmp/model/index_form.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/oid_text.h"
#include "snmp/model/text_scan.h"
#include "snmp/model/value_text.h"
#include "snmp/model/vsn_factory.h"
#include "snmp/model/vsn_value_visitor.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;

Result CVsnObjectId::accept(IVsnValueVisitor* visitor) {
  return vex::dispatch(visitor, &IVsnValueVisitor::visit_oid, this);
}

IVsnOid* CVsnObjectId::clone(Result* err) const {
  return vex::keep_if_filled(vsn_create_oid(err), err,
                             [this](IVsnOid& copy) { return copy.assign(this); });
}

Result CVsnObjectId::assign(const IVsnValue* other) {
  const CVsnObjectId* peer = vex::same_kind(*this, other);
  if (peer == nullptr) return kInvalidArgument;
  return replace_text(peer->view());
}

void CVsnObjectId::clear() {
  text_.clear();
  count_ = 0;
}

bool CVsnObjectId::equals(const IVsnValue* other) const {
  const CVsnObjectId* peer = vex::same_kind(*this, other);
  return peer != nullptr && peer->view() == view();
}

void CVsnObjectId::query(std::uint32_t id, void** out) {
  if (id == vex::query_id::kOid || id == vex::query_id::of_tag(vex::tag::kObjectId)) {
    return vex::answer_query(out, static_cast<IVsnOid*>(this));
  }
  CVsnValue::query(id, out);
}

bool CVsnObjectId::is_valid() const { return vex::oid_text::is_valid(view()); }

std::uint32_t CVsnObjectId::get_ulong(Result* err) const {
  vex::report(err, kOk);
  return vex::read_atol32(text());
}

Result CVsnObjectId::write_text(IVexBuffer* out) const { return vex::write_chars(out, view()); }

const std::uint8_t* CVsnObjectId::get_bytes(std::int32_t* length, Result* err) const {
  if (length == nullptr) {
    vex::report(err, kInvalidArgument);
    return nullptr;
  }
  *length = static_cast<std::int32_t>(text_.size());
  vex::report(err, kOk);
  return reinterpret_cast<const std::uint8_t*>(text());
}

Result CVsnObjectId::set_ulong(std::uint32_t value) {
  vex::TextStorage number;
  Result result = number.append_number('.', value);
  if (vex::succeeded(result)) result = text_.assign(number.view());
  if (vex::succeeded(result)) count_ = 1;
  return result;
}

Result CVsnObjectId::set_text(const char* text) {
  return replace_text(text != nullptr ? std::string_view(text) : std::string_view());
}

Result CVsnObjectId::set_bytes(const std::uint8_t* bytes, std::int32_t n) {
  if (bytes == nullptr || n < 0) return kInvalidArgument;
  return replace_text(
      std::string_view(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(n)));
}

std::int32_t CVsnObjectId::index_length(std::int32_t implied) const {
  return length() + (vex::is_implied(implied) ? 0 : 1);
}

std::int64_t CVsnObjectId::element_at(std::uint32_t pos, Result* err) const {
  if (text_.empty()) {
    vex::report(err, vex::kNotInitialised);
    return -1;
  }
  if (pos >= count()) {
    vex::report(err, vex::kValueMissing);
    return -1;
  }
  vex::report(err, kOk);
  return vex::oid_text::number_at(view(), pos);
}

Result CVsnObjectId::append_index(IVsnOid* oid, std::int32_t implied) const {
  if (oid == nullptr) return kInvalidArgument;
  if (is_self(oid)) {
    // Appending to itself: the copy keeps the text that is being appended.
    Result result = kOk;
    const vex::Owned<IVsnOid> copy(clone(&result));
    return copy != nullptr ? copy->append_index(oid, implied) : result;
  }
  if (!vex::is_implied(implied)) {
    const Result result = oid->append_subid(count());
    if (vex::failed(result)) return result;
  }
  return oid->append_oid(this);
}

Result CVsnObjectId::assign_index(IVsnOid* oid, std::int32_t implied) const {
  if (is_self(oid)) {
    Result result = kOk;
    const vex::Owned<IVsnOid> copy(clone(&result));
    return copy != nullptr ? copy->assign_index(oid, implied) : result;
  }
  return replace_index(oid, implied);
}

Result CVsnObjectId::read_index(const IVsnOid* oid, std::int32_t implied, std::int32_t length) {
  if (oid == nullptr) return kInvalidArgument;
  if (is_self(oid)) {
    Result result = kOk;
    const vex::Owned<IVsnOid> source(clone(&result));
    return source != nullptr ? read_index(source.get(), implied, length) : result;
  }
  clear();
  const auto available = static_cast<std::uint32_t>(oid->length());
  if (vex::is_implied(implied)) {
    return read_subids(*oid, 0, length < 0 ? available : static_cast<std::uint32_t>(length));
  }
  std::uint32_t n = 0;
  const Result result = vex::read_subid(*oid, 0, n);
  if (vex::failed(result)) return result;
  // The count prefix may not promise more sub-identifiers than follow it.
  if (n > available - 1) return vex::kBadIndex;
  return read_subids(*oid, 1, n);
}

std::uint32_t CVsnObjectId::count() const noexcept {
  if (count_ == kUnknownCount) count_ = static_cast<std::int32_t>(vex::oid_text::count(view()));
  return static_cast<std::uint32_t>(count_);
}

bool CVsnObjectId::is_self(const IVsnValue* other) const noexcept {
  return other == static_cast<const IVsnValue*>(this);
}

Result CVsnObjectId::replace_text(std::string_view text) noexcept {
  const Result result = text_.assign(text);
  if (vex::succeeded(result)) count_ = kUnknownCount;
  return result;
}

Result CVsnObjectId::read_subids(const IVsnOid& source, std::uint32_t first, std::uint32_t n) {
  for (std::uint32_t i = 0; i < n; ++i) {
    std::uint32_t subid = 0;
    Result result = vex::read_subid(source, first + i, subid);
    if (vex::succeeded(result)) result = append_subid(subid);
    if (vex::failed(result)) return result;
  }
  return kOk;
}
