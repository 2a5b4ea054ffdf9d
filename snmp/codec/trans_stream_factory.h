#pragma once

#include "snmp/codec/translator_factory.h"

// The "TransStream" translator: the BER encoder and decoder of SNMPv1 and
// SNMPv2c messages.
class TransStreamFactory final : public TranslatorFactory {
 public:
  static constexpr const char* kName = "TransStream";

  const char* name() const override { return kName; }
  MessageEncoder* create_encoder(vex::Result* err) override;
  MessageDecoder* create_decoder(vex::Result* err) override;
};

// The one factory object of the kind, alive for the whole process.
TransStreamFactory& trans_stream_factory();
