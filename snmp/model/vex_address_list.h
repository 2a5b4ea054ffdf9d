#pragma once

#include "framework/result_codes.h"
#include "snmp/model/vsn_object_list.h"

class IVexNetworkAddress;

// Network addresses in order: the addresses of a host or of the local
// interfaces.
class IVexNetworkAddressList : public IVsnObjectList<IVexNetworkAddress> {};

// An empty list; null with -3 when memory is exhausted.
IVexNetworkAddressList* vex_create_address_list(vex::Result* err = nullptr);
