#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "framework/result_codes.h"

class IVsnPdu;
class IVsnSnmpPacket;
class IVsnSnmpTarget;
class PacketBuffer;
class TranslatorFactory;

// The codec's front end, one per process: the translator kinds in the order
// they were registered and the one selected, through which every message is
// encoded and decoded. "TransStream" is registered and selected when the
// library starts. Registration and selection take a lock; encoding and
// decoding only read the selection, so any number of threads may use the
// registry at once with their own buffers and packets.
class TranslatorRegistry {
 public:
  // Never null; lives until the library unloads.
  static TranslatorRegistry* instance();

  // Selects the registered kind of that name (exact compare, in registration
  // order). Unknown name: -2 and the selection stays; null clears it.
  vex::Result select(const char* name);
  // The selected kind's name, or null.
  const char* selected_name() const;

  // Encodes PDU and target, which stay the caller's, into the buffer; the
  // bindings written (counted from the end of the list) go to *written when
  // it is given, also on failure.
  vex::Result encode(IVsnPdu* pdu, IVsnSnmpTarget* target, PacketBuffer* buffer,
                     std::uint32_t* written);
  // No kind selected: -8; missing packet or buffer: -2.
  vex::Result encode_packet(IVsnSnmpPacket* packet, PacketBuffer* buffer, std::uint32_t* written);
  // Decodes the buffer's message into the caller's PDU and target; either may
  // be missing, then one is made (a target of `translate_type`) and dropped.
  vex::Result decode(PacketBuffer* buffer, IVsnPdu* pdu, IVsnSnmpTarget* target,
                     std::int32_t translate_type);
  // No kind selected: -8; missing packet or buffer: -2.
  vex::Result decode_packet(IVsnSnmpPacket* packet, PacketBuffer* buffer,
                            std::int32_t translate_type);
  // Reads only as far as the PDU header and hands out its request-id and
  // error-status. Missing buffer or out-parameter: -2.
  vex::Result peek(PacketBuffer* buffer, std::int32_t* error_status, std::int32_t* request_id,
                   std::int32_t translate_type);

  // Appends the kind (lent, it must outlive the registry) and selects it.
  // Null: -2; no memory for the entry: -3.
  vex::Result register_factory(TranslatorFactory* factory);

  TranslatorRegistry() = default;
  ~TranslatorRegistry();
  TranslatorRegistry(const TranslatorRegistry&) = delete;
  TranslatorRegistry& operator=(const TranslatorRegistry&) = delete;

 private:
  struct Entry {
    TranslatorFactory* factory;
    std::unique_ptr<Entry> next;
  };

  vex::Result run_decoder(IVsnSnmpPacket* packet, PacketBuffer* buffer, std::int32_t translate_type,
                          bool header_only);

  mutable std::mutex mutex_;
  std::unique_ptr<Entry> first_;
  std::atomic<TranslatorFactory*> selected_{nullptr};
};
