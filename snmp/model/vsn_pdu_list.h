#pragma once

#include "framework/result_codes.h"
#include "snmp/model/vsn_object_list.h"

class IVsnPdu;

// PDUs in order: the rows of a table walk, the pieces of a split request.
class IVsnPduList : public IVsnObjectList<IVsnPdu> {};

// An empty list; null with -3 when memory is exhausted.
IVsnPduList* vsn_create_pdu_list(vex::Result* err = nullptr);
