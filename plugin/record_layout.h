#pragma once

#include <cstddef>

#include "plugin/dvk_plugin.h"

// The host records are a fixed binary contract; these checks keep every size
// and field offset where hosts expect it.
#define DVK_FIELD_AT(record, field, offset) \
  static_assert(offsetof(record, field) == (offset), #record "." #field " moved")

static_assert(sizeof(DvkUsmParameters) == 716);
DVK_FIELD_AT(DvkUsmParameters, user_name, 0);
DVK_FIELD_AT(DvkUsmParameters, security_level, 64);
DVK_FIELD_AT(DvkUsmParameters, auth_protocol, 68);
DVK_FIELD_AT(DvkUsmParameters, priv_protocol, 72);
DVK_FIELD_AT(DvkUsmParameters, auth_pass_phrase, 76);
DVK_FIELD_AT(DvkUsmParameters, priv_pass_phrase, 140);
DVK_FIELD_AT(DvkUsmParameters, context_name, 204);

static_assert(sizeof(DvkStorageInfo) == 268);
DVK_FIELD_AT(DvkStorageInfo, storage_type, 0);
DVK_FIELD_AT(DvkStorageInfo, allocation_units, 4);
DVK_FIELD_AT(DvkStorageInfo, size, 8);
DVK_FIELD_AT(DvkStorageInfo, description, 12);

static_assert(sizeof(DvkDeviceInfo) == 264);
DVK_FIELD_AT(DvkDeviceInfo, device_type, 0);
DVK_FIELD_AT(DvkDeviceInfo, device_status, 4);
DVK_FIELD_AT(DvkDeviceInfo, description, 8);

static_assert(sizeof(DvkPrinterInfo) == 8);
DVK_FIELD_AT(DvkPrinterInfo, printer_status, 0);
DVK_FIELD_AT(DvkPrinterInfo, detected_error_state, 4);

static_assert(sizeof(DvkInputTrayInfo) == 552);
DVK_FIELD_AT(DvkInputTrayInfo, input_type, 0);
DVK_FIELD_AT(DvkInputTrayInfo, dimension_unit, 4);
DVK_FIELD_AT(DvkInputTrayInfo, feed_dimension_declared, 8);
DVK_FIELD_AT(DvkInputTrayInfo, cross_feed_dimension_declared, 12);
DVK_FIELD_AT(DvkInputTrayInfo, feed_dimension_chosen, 16);
DVK_FIELD_AT(DvkInputTrayInfo, cross_feed_dimension_chosen, 20);
DVK_FIELD_AT(DvkInputTrayInfo, capacity_unit, 24);
DVK_FIELD_AT(DvkInputTrayInfo, max_capacity, 28);
DVK_FIELD_AT(DvkInputTrayInfo, current_level, 32);
DVK_FIELD_AT(DvkInputTrayInfo, status, 36);
DVK_FIELD_AT(DvkInputTrayInfo, media_name, 40);
DVK_FIELD_AT(DvkInputTrayInfo, input_name, 104);
DVK_FIELD_AT(DvkInputTrayInfo, description, 168);
DVK_FIELD_AT(DvkInputTrayInfo, media_type, 424);
DVK_FIELD_AT(DvkInputTrayInfo, media_color, 488);

static_assert(sizeof(DvkOutputTrayInfo) == 328);
DVK_FIELD_AT(DvkOutputTrayInfo, output_type, 0);
DVK_FIELD_AT(DvkOutputTrayInfo, status, 4);
DVK_FIELD_AT(DvkOutputTrayInfo, output_name, 8);
DVK_FIELD_AT(DvkOutputTrayInfo, description, 72);

static_assert(sizeof(DvkTonerInfo) == 268);
DVK_FIELD_AT(DvkTonerInfo, supply_unit, 0);
DVK_FIELD_AT(DvkTonerInfo, max_capacity, 4);
DVK_FIELD_AT(DvkTonerInfo, level, 8);
DVK_FIELD_AT(DvkTonerInfo, description, 12);

static_assert(sizeof(DvkAlertInfo) == 276);
DVK_FIELD_AT(DvkAlertInfo, severity_level, 0);
DVK_FIELD_AT(DvkAlertInfo, group, 4);
DVK_FIELD_AT(DvkAlertInfo, group_index, 8);
DVK_FIELD_AT(DvkAlertInfo, location, 12);
DVK_FIELD_AT(DvkAlertInfo, code, 16);
DVK_FIELD_AT(DvkAlertInfo, description, 20);

static_assert(sizeof(DvkDateTime) == 12);
static_assert(sizeof(DvkJobInfo) == 1336);
DVK_FIELD_AT(DvkJobInfo, job_type, 0);
DVK_FIELD_AT(DvkJobInfo, status_code, 4);
DVK_FIELD_AT(DvkJobInfo, detail_code, 8);
DVK_FIELD_AT(DvkJobInfo, counter_1, 12);
DVK_FIELD_AT(DvkJobInfo, counter_2, 16);
DVK_FIELD_AT(DvkJobInfo, text_1, 20);
DVK_FIELD_AT(DvkJobInfo, text_2, 276);
DVK_FIELD_AT(DvkJobInfo, text_3, 532);
DVK_FIELD_AT(DvkJobInfo, job_id, 788);
DVK_FIELD_AT(DvkJobInfo, name, 1044);
DVK_FIELD_AT(DvkJobInfo, time_1, 1300);
DVK_FIELD_AT(DvkJobInfo, time_2, 1312);
DVK_FIELD_AT(DvkJobInfo, time_3, 1324);

#undef DVK_FIELD_AT
