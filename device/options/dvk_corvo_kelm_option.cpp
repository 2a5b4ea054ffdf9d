#include "device/options/dvk_corvo_kelm_option.h"

CDvkCorvoKelmOption::~CDvkCorvoKelmOption() = default;

bool CDvkCorvoKelmOption::is_supported_OID(const char*) { return false; }
