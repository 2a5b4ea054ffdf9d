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

// Puts the caller's PDU and target into a packet for one call and takes
// them back out when it goes; what the packet made in their place stays in
// it and goes with it.
class LentToPacket {
 public:
  LentToPacket(IVsnSnmpPacket* packet, IVsnPdu* pdu, IVsnSnmpTarget* target)
      : packet_(packet), pdu_(pdu), target_(target) {
    packet_->set_pdu(pdu);
    packet_->set_target(target);
  }
  ~LentToPacket() {
    if (pdu_ != nullptr) packet_->take_pdu();
    if (target_ != nullptr) packet_->take_target();
  }
  LentToPacket(const LentToPacket&) = delete;
  LentToPacket& operator=(const LentToPacket&) = delete;

 private:
  IVsnSnmpPacket* packet_;
  IVsnPdu* pdu_;
  IVsnSnmpTarget* target_;
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
  Result result = kOk;
  const Owned<IVsnSnmpPacket> packet(vsn_create_packet(&result));
  if (packet == nullptr) return result;
  const LentToPacket lent(packet.get(), pdu, target);
  return encode_packet(packet.get(), buffer, written);
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
  Result result = kOk;
  const Owned<IVsnSnmpPacket> packet(vsn_create_packet(&result));
  if (packet == nullptr) return result;
  const LentToPacket lent(packet.get(), pdu, target);
  return decode_packet(packet.get(), buffer, translate_type);
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
  Result result = kOk;
  const Owned<IVsnSnmpPacket> packet(vsn_create_packet(&result));
  if (packet == nullptr) return result;
  result = run_decoder(packet.get(), buffer, translate_type, true);
  if (vex::failed(result)) return result;
  *request_id = packet->pdu()->request_id();
  *error_status = packet->pdu()->error_status();
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
