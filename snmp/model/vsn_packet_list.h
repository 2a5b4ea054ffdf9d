#pragma once

#include "framework/result_codes.h"
#include "snmp/model/vsn_object_list.h"

class IVsnSnmpPacket;

// Packets in order: the answers of a broadcast, one per responder.
class IVsnSnmpPacketList : public IVsnObjectList<IVsnSnmpPacket> {};

// An empty list; null with -3 when memory is exhausted.
IVsnSnmpPacketList* vsn_create_packet_list(vex::Result* err = nullptr);
