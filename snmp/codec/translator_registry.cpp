#include "snmp/codec/translator_registry.h"

#include <cstring>
#include <new>

#include "framework/ownership.h"
#include "framework/process_wide.h"
#include "snmp/codec/message_decoder.h"
#include "snmp/codec/message_encoder.h"
#include "snmp/codec/trans_stream_factory.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vsn_packet.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_target.h"

using vex::kInvalidArgument;
using vex::kOk;
using vex::Owned;
using vex::Result;

namespace {

vex::ProcessWide<TranslatorRegistry> registry;

// The library's one translator kind is known from start-up on. It lives in
// this file so that every program that uses the registry also links it.
[[maybe_unused]] const bool trans_stream_registered = [] {
  return vex::succeeded(TranslatorRegistry::instance()->register_factory(&trans_stream_factory()));
}();

// The packet of one registry call, made on the caller's stack: it lends the
// caller's PDU and target to the translator and owns only what the
// translator makes where the caller gave none.
class CallPacket final : public IVsnSnmpPacket {
 public:
  CallPacket(IVsnPdu* pdu, IVsnSnmpTarget* target) noexcept : pdu_(pdu), target_(target) {}
  CallPacket(const CallPacket&) = delete;
  CallPacket& operator=(const CallPacket&) = delete;

  void destroy() override {}
  IVsnSnmpPacket* clone(Result* err) const override {
    Owned<IVsnSnmpPacket> copy(vsn_create_packet(err));
    if (copy == nullptr) return nullptr;
    if (pdu_ != nullptr) copy->set_pdu(pdu_->clone(err));
    if (target_ != nullptr) copy->set_target(target_->clone(err));
    const bool complete = (pdu_ == nullptr || copy->pdu() != nullptr) &&
                          (target_ == nullptr || copy->target() != nullptr);
    return complete ? copy.release() : nullptr;
  }
  bool equals(const IVsnSnmpPacket* other) const override {
    if (other == nullptr) return false;
    const bool same_pdu = pdu_ != nullptr ? pdu_->equals(other->pdu()) : other->pdu() == nullptr;
    const bool same_target =
        target_ != nullptr ? target_->equals(other->target()) : other->target() == nullptr;
    return same_pdu && same_target;
  }
  void set_target(IVsnSnmpTarget* target) override {
    made_target_.reset(target);
    target_ = target;
  }
  void set_pdu(IVsnPdu* pdu) override {
    made_pdu_.reset(pdu);
    pdu_ = pdu;
  }
  IVsnSnmpTarget* take_target() override {
    IVsnSnmpTarget* taken = made_target_ != nullptr ? made_target_.release() : target_;
    target_ = nullptr;
    return taken;
  }
  IVsnPdu* take_pdu() override {
    IVsnPdu* taken = made_pdu_ != nullptr ? made_pdu_.release() : pdu_;
    pdu_ = nullptr;
    return taken;
  }
  IVsnSnmpTarget* target() const override { return target_; }
  IVsnPdu* pdu() const override { return pdu_; }

 private:
  IVsnPdu* pdu_;
  IVsnSnmpTarget* target_;
  Owned<IVsnPdu> made_pdu_;
  Owned<IVsnSnmpTarget> made_target_;
};

}  // namespace

TranslatorRegistry* TranslatorRegistry::instance() { return registry.get(); }

TranslatorRegistry::~TranslatorRegistry() {
  // Entries go one by one, so a long list cannot exhaust the stack.
  while (first_ != nullptr) first_ = std::move(first_->next);
}

Result TranslatorRegistry::select(const char* name) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (name == nullptr) {
    selected_.store(nullptr, std::memory_order_release);
    return kOk;
  }
  for (const Entry* entry = first_.get(); entry != nullptr; entry = entry->next.get()) {
    if (std::strcmp(entry->factory->name(), name) == 0) {
      selected_.store(entry->factory, std::memory_order_release);
      return kOk;
    }
  }
  return kInvalidArgument;
}

const char* TranslatorRegistry::selected_name() const {
  const TranslatorFactory* selected = selected_.load(std::memory_order_acquire);
  return selected != nullptr ? selected->name() : nullptr;
}

Result TranslatorRegistry::register_factory(TranslatorFactory* factory) {
  if (factory == nullptr) return kInvalidArgument;
  std::unique_ptr<Entry> entry(vex::model_may_allocate() ? new (std::nothrow) Entry{factory, {}}
                                                         : nullptr);
  if (entry == nullptr) return vex::kOutOfMemory;
  std::lock_guard<std::mutex> lock(mutex_);
  std::unique_ptr<Entry>* tail = &first_;
  while (*tail != nullptr) tail = &(*tail)->next;
  *tail = std::move(entry);
  selected_.store(factory, std::memory_order_release);
  return kOk;
}

Result TranslatorRegistry::encode(IVsnPdu* pdu, IVsnSnmpTarget* target, PacketBuffer* buffer,
                                  std::uint32_t* written) {
  CallPacket packet(pdu, target);
  return encode_packet(&packet, buffer, written);
}

Result TranslatorRegistry::encode_packet(IVsnSnmpPacket* packet, PacketBuffer* buffer,
                                         std::uint32_t* written) {
  TranslatorFactory* factory = selected_.load(std::memory_order_acquire);
  if (factory == nullptr) return vex::kNotInitialised;
  if (packet == nullptr || buffer == nullptr) return kInvalidArgument;
  Result result = kOk;
  const Owned<MessageEncoder> encoder(factory->create_encoder(&result));
  if (encoder == nullptr) return result;
  encoder->set_buffer(buffer);
  result = encoder->encode_message(packet);
  if (written != nullptr) *written = encoder->bindings_written();
  return result;
}

Result TranslatorRegistry::decode(PacketBuffer* buffer, IVsnPdu* pdu, IVsnSnmpTarget* target,
                                  std::int32_t translate_type) {
  CallPacket packet(pdu, target);
  return decode_packet(&packet, buffer, translate_type);
}

Result TranslatorRegistry::decode_packet(IVsnSnmpPacket* packet, PacketBuffer* buffer,
                                         std::int32_t translate_type) {
  return run_decoder(packet, buffer, translate_type, false);
}

Result TranslatorRegistry::peek(PacketBuffer* buffer, std::int32_t* error_status,
                                std::int32_t* request_id, std::int32_t translate_type) {
  if (buffer == nullptr || error_status == nullptr || request_id == nullptr) {
    return kInvalidArgument;
  }
  CallPacket packet(nullptr, nullptr);
  const Result result = run_decoder(&packet, buffer, translate_type, true);
  if (vex::failed(result)) return result;
  *request_id = packet.pdu()->request_id();
  *error_status = packet.pdu()->error_status();
  return kOk;
}

Result TranslatorRegistry::run_decoder(IVsnSnmpPacket* packet, PacketBuffer* buffer,
                                       std::int32_t translate_type, bool header_only) {
  TranslatorFactory* factory = selected_.load(std::memory_order_acquire);
  if (factory == nullptr) return vex::kNotInitialised;
  if (packet == nullptr || buffer == nullptr) return kInvalidArgument;
  Result result = kOk;
  const Owned<MessageDecoder> decoder(factory->create_decoder(&result));
  if (decoder == nullptr) return result;
  decoder->set_buffer(buffer);
  decoder->set_translate_type(translate_type);
  decoder->set_header_only(header_only);
  return decoder->decode_message(packet);
}
