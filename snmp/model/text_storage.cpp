#include "snmp/model/text_storage.h"

#include <charconv>
#include <functional>

namespace vex {

const char* TextStorage::c_str() const noexcept {
  return bytes_.data() != nullptr ? reinterpret_cast<const char*>(bytes_.data()) : "";
}

Result TextStorage::assign(std::string_view text) noexcept {
  // One spare byte keeps room for the terminator.
  const Result stored = bytes_.assign(text.data(), text.size(), 1);
  if (succeeded(stored)) terminate();
  return stored;
}

Result TextStorage::append(std::string_view text) noexcept {
  const Result stored = bytes_.append(text.data(), text.size(), 1);
  if (succeeded(stored)) terminate();
  return stored;
}

Result TextStorage::append_separated(char separator, std::string_view part) noexcept {
  if (bytes_.empty()) return append(part);
  // Room for everything first, so that neither piece can fail on its own;
  // a part inside this text moves with the block.
  const char* base = view().data();
  const bool inside = base != nullptr && std::less_equal<>{}(base, part.data()) &&
                      std::less<>{}(part.data(), base + bytes_.capacity());
  const std::size_t offset = inside ? static_cast<std::size_t>(part.data() - base) : 0;
  const Result grown = bytes_.reserve(bytes_.size() + 1 + part.size() + 1);
  if (failed(grown)) return grown;
  if (inside) part = std::string_view(view().data() + offset, part.size());
  bytes_.push_back(static_cast<std::uint8_t>(separator));
  bytes_.append(part.data(), part.size());
  terminate();
  return kOk;
}

Result TextStorage::append_number(char separator, std::uint32_t number) noexcept {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  return append_separated(separator,
                          std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void TextStorage::erase(std::size_t pos, std::size_t n) noexcept {
  bytes_.erase(pos, n);
  terminate();
}

void TextStorage::clear() noexcept {
  bytes_.clear();
  terminate();
}

void TextStorage::terminate() noexcept {
  if (bytes_.data() != nullptr) bytes_.data()[bytes_.size()] = 0;
}

}  // namespace vex
