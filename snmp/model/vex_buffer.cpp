#include "snmp/model/vex_buffer.h"

#include <cstring>
#include <memory>

#include "snmp/model/model_heap.h"

namespace {

struct FreeBlock {
  void operator()(char* block) const noexcept { vex::model_free(block); }
};
using Block = std::unique_ptr<char, FreeBlock>;

std::int32_t text_length(const char* text) noexcept {
  return text != nullptr ? static_cast<std::int32_t>(std::strlen(text)) : 0;
}

class CVexBuffer final : public IVexBuffer {
 public:
  void destroy() override { delete this; }
  std::int32_t length() const override { return length_; }
  const char* data() const override { return content_.get(); }

  vex::Result assign(const void* bytes, std::int32_t n) override {
    if (n == 0) {
      content_.reset();
      length_ = 0;
      return vex::kOk;
    }
    return replace(0, bytes, n);
  }

  vex::Result assign_text(const char* text) override { return assign(text, text_length(text)); }

  vex::Result append(const void* bytes, std::int32_t n) override {
    if (n == 0) return vex::kOk;
    return replace(length_, bytes, n);
  }

  vex::Result append_text(const char* text) override {
    if (text == nullptr) return vex::kOk;
    return append(text, text_length(text));
  }

  vex::Result append_buffer(const IVexBuffer* other) override {
    if (other == nullptr) return vex::kOk;
    return append(other->data(), other->length());
  }

  vex::Result clone(IVexBuffer** out) const override {
    if (out == nullptr) return vex::kInvalidArgument;
    *out = nullptr;
    vex::Result result = vex::kOk;
    auto* copy = vex::model_new<CVexBuffer>(&result);
    if (copy == nullptr) return result;
    result = copy->assign(data(), length_);
    if (vex::failed(result)) {
      copy->destroy();
      return result;
    }
    *out = copy;
    return vex::kOk;
  }

  bool equals(const void* bytes, std::int32_t n) const override {
    if (n == 0) return length_ == 0;
    if (n != length_ || bytes == nullptr) return false;
    return std::memcmp(content_.get(), bytes, static_cast<std::size_t>(n)) == 0;
  }

  bool equals_text(const char* text) const override {
    return text != nullptr && equals(text, text_length(text));
  }

  bool equals_buffer(const IVexBuffer* other) const override {
    return other != nullptr && equals(other->data(), other->length());
  }

 private:
  // The content becomes its first `keep` bytes followed by the n given ones,
  // in a new block, so the source may be this buffer's own content.
  vex::Result replace(std::int32_t keep, const void* bytes, std::int32_t n) {
    if (n < 0 || bytes == nullptr) return vex::kInvalidArgument;
    const auto kept = static_cast<std::size_t>(keep);
    const auto added = static_cast<std::size_t>(n);
    if (added > static_cast<std::size_t>(INT32_MAX) - kept) return vex::kOutOfMemory;
    Block block(static_cast<char*>(vex::model_reallocate(nullptr, kept + added + 1)));
    if (block == nullptr) return vex::kOutOfMemory;
    if (kept != 0) std::memcpy(block.get(), content_.get(), kept);
    std::memcpy(block.get() + kept, bytes, added);
    block.get()[kept + added] = '\0';
    content_ = std::move(block);
    length_ = static_cast<std::int32_t>(kept + added);
    return vex::kOk;
  }

  std::int32_t length_ = 0;
  Block content_;
};

}  // namespace

IVexBuffer* vex_create_buffer(vex::Result* err) { return vex::model_new<CVexBuffer>(err); }
