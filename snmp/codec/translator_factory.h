#pragma once

#include "framework/result_codes.h"

class MessageDecoder;
class MessageEncoder;

// A kind of message translator known to the TranslatorRegistry. The
// creators store 0 or -3 in their optional result pointer and return the new
// object (deleted with its destroy) or null.
class TranslatorFactory {
 public:
  virtual const char* name() const = 0;
  virtual MessageEncoder* create_encoder(vex::Result* err) = 0;
  virtual MessageDecoder* create_decoder(vex::Result* err) = 0;

  virtual ~TranslatorFactory() = default;
};
