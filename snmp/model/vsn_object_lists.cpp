// The three object lists; their elements are deleted through destroy().
#include "net/network_address.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vex_address_list.h"
#include "snmp/model/vsn_object_list_impl.h"
#include "snmp/model/vsn_packet.h"
#include "snmp/model/vsn_packet_list.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/model/vsn_pdu_list.h"

using vex::Result;

IVsnSnmpPacketList* vsn_create_packet_list(Result* err) {
  return vex::model_new<CVsnObjectList<IVsnSnmpPacketList>>(err);
}

IVsnPduList* vsn_create_pdu_list(Result* err) {
  return vex::model_new<CVsnObjectList<IVsnPduList>>(err);
}

IVexNetworkAddressList* vex_create_address_list(Result* err) {
  return vex::model_new<CVsnObjectList<IVexNetworkAddressList>>(err);
}
