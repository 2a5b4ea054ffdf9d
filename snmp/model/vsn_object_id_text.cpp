// The IVsnOid operations of CVsnObjectId: comparing, appending, and taking
// prefixes and index values off the front.

#include "snmp/model/model_heap.h"
#include "snmp/model/oid_text.h"
#include "snmp/model/vex_buffer.h"
#include "snmp/model/vsn_factory.h"
#include "snmp/model/vsn_object_id.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Result;

namespace {

constexpr std::uint32_t kAllBits = 0xFFFFFFFFU;

}  // namespace

std::int32_t CVsnObjectId::compare_text(const char* text, Result* err) const {
  if (text == nullptr) {
    vex::report(err, kInvalidArgument);
    return -1;
  }
  vex::report(err, kOk);
  return vex::oid_text::relation(view(), text);
}

std::int32_t CVsnObjectId::compare(const IVsnOid* other, Result* err) const {
  if (other == nullptr) {
    vex::report(err, kInvalidArgument);
    return -1;
  }
  return compare_text(other->text(), err);
}

Result CVsnObjectId::strip_prefix_text(const char* text) {
  if (text == nullptr) return kInvalidArgument;
  return strip(text, vex::oid_text::count(text));
}

Result CVsnObjectId::strip_prefix(const IVsnOid* other) {
  if (other == nullptr) return kInvalidArgument;
  return strip(other->text(), static_cast<std::uint32_t>(other->length()));
}

Result CVsnObjectId::append_text(const char* text) {
  if (text == nullptr || *text == '\0') return kOk;
  const Result result = text_.append_separated('.', text);
  if (vex::succeeded(result)) count_ = kUnknownCount;
  return result;
}

Result CVsnObjectId::append_subid(std::uint32_t number) {
  const Result result = text_.append_number('.', number);
  if (vex::succeeded(result) && count_ != kUnknownCount) ++count_;
  return result;
}

Result CVsnObjectId::append_oid(const IVsnOid* other) {
  if (other == nullptr) return kInvalidArgument;
  const std::int32_t added = other->length();
  if (added == 0) return kOk;
  const Result result = text_.append_separated('.', other->text());
  if (vex::succeeded(result) && count_ != kUnknownCount) count_ += added;
  return result;
}

Result CVsnObjectId::append_index_text(const char* text, std::int32_t tag, std::int32_t implied) {
  if (text == nullptr) return kInvalidArgument;
  Result result = kOk;
  const vex::Owned<IVsnValue> value(vsn_create_value(tag, &result));
  if (value == nullptr) return result;
  result = value->set_text(text);
  if (vex::failed(result)) return result;
  return append_value_index(value.get(), implied);
}

Result CVsnObjectId::append_value_index(const IVsnValue* value, std::int32_t implied) {
  if (value == nullptr) return kInvalidArgument;
  return value->append_index(this, implied);
}

IVsnOid* CVsnObjectId::take_prefix_oid(std::uint32_t n, Result* err) {
  return vex::keep_if_filled(vsn_create_oid(err), err,
                             [&](IVsnOid& prefix) { return take_prefix_into(&prefix, n); });
}

Result CVsnObjectId::take_prefix_into(IVsnOid* destination, std::uint32_t n) {
  if (destination == nullptr || n == 0) return kInvalidArgument;
  vex::TextStorage prefix;
  Result result = prefix.assign(view().substr(0, vex::oid_text::prefix_length(view(), n)));
  if (vex::succeeded(result)) result = destination->set_text(prefix.c_str());
  if (vex::succeeded(result)) remove_front(n);
  return result;
}

std::uint32_t CVsnObjectId::take_first_subid(Result* err) {
  Result result = kOk;
  const std::int64_t first = element_at(0, &result);
  vex::report(err, result);
  if (vex::failed(result)) return kAllBits;
  remove_front(1);
  return static_cast<std::uint32_t>(first);
}

IVexBuffer* CVsnObjectId::take_prefix_buffer(std::uint32_t n, Result* err) {
  return vex::keep_if_filled(vex_create_buffer(err), err,
                             [&](IVexBuffer& buffer) { return take_prefix_to_buffer(&buffer, n); });
}

Result CVsnObjectId::take_prefix_to_buffer(IVexBuffer* out, std::uint32_t n) {
  if (out == nullptr || n == 0) return kInvalidArgument;
  const std::size_t length = vex::oid_text::prefix_length(view(), n);
  const Result result = out->assign(view().data(), static_cast<std::int32_t>(length));
  if (vex::succeeded(result)) remove_front(n);
  return result;
}

IVsnValue* CVsnObjectId::take_index_value(std::int32_t tag, Result* err, std::int32_t implied,
                                          std::int32_t length) {
  return vex::keep_if_filled(vsn_create_value(tag, err), err, [&](IVsnValue& value) {
    return take_index_into(&value, implied, length);
  });
}

Result CVsnObjectId::take_index_into(IVsnValue* value, std::int32_t implied, std::int32_t length) {
  if (value == nullptr) return kInvalidArgument;
  const Result result = value->read_index(this, implied, length);
  if (vex::failed(result)) return result;
  // What the value read is its index length now: a counted IMPLIED string
  // took `length` sub-identifiers (fewer when the identifier ended first), and
  // classes that ignore the length took their own count.
  remove_front(static_cast<std::uint32_t>(value->index_length(implied)));
  return kOk;
}

Result CVsnObjectId::remove(std::uint32_t start, std::uint32_t n) {
  const std::uint32_t total = count();
  if (start >= total) return kInvalidArgument;
  if (n == 0) return kOk;
  const std::size_t from = vex::oid_text::position(view(), start);
  if (n >= total - start) {
    // Everything from start on goes, with the dot in front of it.
    const std::size_t cut = start == 0 ? 0 : from - 1;
    text_.erase(cut, text_.size() - cut);
    count_ = static_cast<std::int32_t>(start);
    return kOk;
  }
  // The removed sub-identifiers go with the dot that follows the last of them.
  text_.erase(from, vex::oid_text::position(view(), start + n) - from);
  count_ = static_cast<std::int32_t>(total - n);
  return kOk;
}

IVsnValue* CVsnObjectId::peek_index_value(std::int32_t tag, Result* err,
                                          std::int32_t implied) const {
  return vex::keep_if_filled(vsn_create_value(tag, err), err,
                             [&](IVsnValue& value) { return peek_index_into(&value, implied); });
}

Result CVsnObjectId::peek_index_into(IVsnValue* value, std::int32_t implied) const {
  if (value == nullptr) return kInvalidArgument;
  return value->read_index(this, implied, -1);
}

Result CVsnObjectId::assign_value_index(const IVsnValue* value, std::int32_t implied) {
  if (value == nullptr) return kInvalidArgument;
  return value->assign_index(this, implied);
}

Result CVsnObjectId::strip(std::string_view prefix, std::uint32_t n) {
  const std::int32_t relation = vex::oid_text::relation(view(), prefix);
  if (relation != vex::relation::kSame && relation != vex::relation::kThisBelow) {
    return kInvalidArgument;
  }
  remove_front(n);
  return kOk;
}

void CVsnObjectId::remove_front(std::uint32_t n) noexcept {
  if (n != 0 && count() != 0) remove(0, n);
}
