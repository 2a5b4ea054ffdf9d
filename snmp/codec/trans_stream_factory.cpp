#include "snmp/codec/trans_stream_factory.h"

#include "snmp/codec/stream_decoder.h"
#include "snmp/codec/stream_encoder.h"
#include "snmp/model/model_heap.h"

MessageEncoder* TransStreamFactory::create_encoder(vex::Result* err) {
  return vex::model_new<StreamMessageEncoder>(err);
}

MessageDecoder* TransStreamFactory::create_decoder(vex::Result* err) {
  return vex::model_new<StreamMessageDecoder>(err);
}

TransStreamFactory& trans_stream_factory() {
  static constinit TransStreamFactory factory;
  return factory;
}
