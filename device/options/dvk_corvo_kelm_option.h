#pragma once

#include "device/options/dvk_dev_comm_option.h"

// Option class of the supported printer model.
class DVK_API CDvkCorvoKelmOption : public CDvkDevCommOption {
 public:
  CDvkCorvoKelmOption() = default;
  ~CDvkCorvoKelmOption() override;

  virtual bool is_supported_OID(const char* oid);
};
