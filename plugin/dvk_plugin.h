/*
 * Host interface of the printer device plug-in (libdvkplugin.so).
 *
 * A host loads the library, creates a handle with DvkInit, drives discovery,
 * device sessions, options and status tables through the functions below and
 * releases the handle with DvkUnInit. Every function runs in the caller's
 * thread and returns once its SNMP exchanges have completed or timed out.
 *
 * Results are signed 32-bit codes: 0 success, negative failure (see README);
 * DvkIsSupportedOID, DvkTransportAvailable and DvkGetDeviceNext answer 16-bit
 * values. Records are little-endian with NUL-terminated 8-bit texts in fixed
 * fields; a text holds at most its field size less one characters.
 */
#ifndef DVK_PLUGIN_H
#define DVK_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#if defined(DVK_BUILDING_PLUGIN)
#define DVK_API __attribute__((visibility("default")))
#else
#define DVK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Host transport codes. */
enum {
  DVK_TRANSPORT_UDP_IPV4 = 1,
  DVK_TRANSPORT_IPX = 2,
  DVK_TRANSPORT_NONE = 3, /* accepted, but served by no transport */
  DVK_TRANSPORT_UDP_IPV6 = 5
};

/* SNMP modes of the Ex functions. */
enum { DVK_SNMP_V1 = 0, DVK_SNMP_V2C = 1, DVK_SNMP_V3 = 2 };

/* Size of each text buffer DvkGetDeviceNext writes. */
#define DVK_DEVICE_TEXT_SIZE 64

/* Size the buffer of DvkGetOptionValueString must have: the longest option
 * text (255 characters) and its NUL. No more than this is ever written. */
#define DVK_OPTION_TEXT_SIZE 256

/* SNMPv3 parameters, passed by value. An empty text or a number outside
 * 0 to 2 keeps the plug-in's default. */
typedef struct DvkUsmParameters {
  char user_name[64];
  int32_t security_level; /* 0 noAuthNoPriv, 1 authNoPriv, 2 authPriv */
  int32_t auth_protocol;  /* 1 HMAC-MD5-96, 2 HMAC-SHA-96 */
  int32_t priv_protocol;  /* 1 DES, 2 AES-128 */
  char auth_pass_phrase[64];
  char priv_pass_phrase[64];
  char context_name[512];
} DvkUsmParameters;

/* One hrStorageTable row. */
typedef struct DvkStorageInfo {
  int32_t storage_type; /* 1..8 from hrStorageTypes, 0 for any other type */
  int32_t allocation_units;
  int32_t size;
  char description[256];
} DvkStorageInfo;

/* One hrDeviceTable row. */
typedef struct DvkDeviceInfo {
  int32_t device_type; /* last arc of a known device type, else 0 */
  int32_t device_status;
  char description[256];
} DvkDeviceInfo;

/* hrPrinterStatus and the first four octets of hrPrinterDetectedErrorState. */
typedef struct DvkPrinterInfo {
  int32_t printer_status;
  uint8_t detected_error_state[4];
} DvkPrinterInfo;

/* One prtInputTable row. */
typedef struct DvkInputTrayInfo {
  int32_t input_type;
  int32_t dimension_unit;
  int32_t feed_dimension_declared;
  int32_t cross_feed_dimension_declared;
  int32_t feed_dimension_chosen;
  int32_t cross_feed_dimension_chosen;
  int32_t capacity_unit;
  int32_t max_capacity;
  int32_t current_level;
  int32_t status;
  char media_name[64];
  char input_name[64];
  char description[256];
  char media_type[64];
  char media_color[64];
} DvkInputTrayInfo;

/* One prtOutputTable row. */
typedef struct DvkOutputTrayInfo {
  int32_t output_type;
  int32_t status;
  char output_name[64];
  char description[256];
} DvkOutputTrayInfo;

/* One prtMarkerSuppliesTable row whose supply type is toner. */
typedef struct DvkTonerInfo {
  int32_t supply_unit;
  int32_t max_capacity;
  int32_t level;
  char description[256];
} DvkTonerInfo;

/* One prtAlertTable row. */
typedef struct DvkAlertInfo {
  int32_t severity_level;
  int32_t group;
  int32_t group_index;
  int32_t location;
  int32_t code;
  char description[256];
} DvkAlertInfo;

/* A DateAndTime value: year, month, day, hour, minutes, seconds. */
typedef struct DvkDateTime {
  uint16_t year;
  uint16_t month;
  uint16_t day;
  uint16_t hour;
  uint16_t minutes;
  uint16_t seconds;
} DvkDateTime;

/* One job of the printer's job tables (columns under 1.3.6.1.4.1.253.8.59). */
typedef struct DvkJobInfo {
  int32_t job_type;    /* n of the job type 1.3.6.1.4.1.253.8.58.2.n, else 0 */
  int32_t status_code; /* the job list kinds test it against 17 */
  int32_t detail_code;
  uint32_t counter_1;
  uint32_t counter_2;
  char text_1[256]; /* text-table lookups of the job's coded columns */
  char text_2[256];
  char text_3[256];
  char job_id[256]; /* the job identifier taken from the row index */
  char name[256];
  DvkDateTime time_1;
  DvkDateTime time_2;
  DvkDateTime time_3;
} DvkJobInfo;

/* Handle life and commands. */
DVK_API int32_t DvkInit(void** handle);
DVK_API void DvkUnInit(void* handle);
DVK_API int32_t DvkCommandString(void* handle, const char* command, const char* value);
DVK_API int32_t DvkCommandInteger(void* handle, const char* command, int32_t value);

/* Discovery. */
DVK_API int32_t DvkFindDeviceSNMP(void* handle, const char* address, int32_t transport,
                                  uint32_t timeout_ms, uint32_t retries, int32_t* count);
DVK_API int32_t DvkFindDeviceSNMPEx(void* handle, const char* address, int32_t transport,
                                    int32_t snmp_mode, DvkUsmParameters usm, uint32_t timeout_ms,
                                    uint32_t retries, int32_t* count);
DVK_API int32_t DvkFindAddFilter(void* handle, const char* filter);
DVK_API void DvkFindClearFilter(void* handle);
DVK_API void DvkFindResetPosition(void* handle);
DVK_API int16_t DvkGetDeviceNext(void* handle, char* address, char* model_name, char* reserved,
                                 char* sys_object_id);

/* Device session and options. */
DVK_API int32_t DvkInitDevice(void* handle, const char* address, int32_t transport,
                              uint32_t timeout_ms, uint32_t retries);
DVK_API int32_t DvkInitDeviceEx(void* handle, const char* address, int32_t transport,
                                int32_t snmp_mode, DvkUsmParameters usm, uint32_t timeout_ms,
                                uint32_t retries);
DVK_API int16_t DvkIsSupportedOID(void* handle, const char* oid);
DVK_API int32_t DvkRefreshOptions(void* handle);
DVK_API int32_t DvkGetOptionValueBoolean(void* handle, const char* name, uint16_t index,
                                         int16_t* value);
DVK_API int32_t DvkGetOptionValueInteger(void* handle, const char* name, uint16_t index,
                                         int32_t* value);
DVK_API int32_t DvkGetOptionValueUInteger(void* handle, const char* name, uint16_t index,
                                          uint32_t* value);
DVK_API int32_t DvkGetOptionValueString(void* handle, const char* name, uint16_t index,
                                        char* buffer);
DVK_API int16_t DvkTransportAvailable(int32_t transport);

/* Status tables: a count call reads the table, the record getter copies a row. */
DVK_API int32_t DvkGetNumberOfStorageInfo(void* handle, int32_t* count);
DVK_API int32_t DvkGetStorageInfo(void* handle, uint32_t index, DvkStorageInfo* record);
DVK_API int32_t DvkGetNumberOfDeviceInfo(void* handle, int32_t* count);
DVK_API int32_t DvkGetDeviceInfo(void* handle, uint32_t index, DvkDeviceInfo* record);
DVK_API int32_t DvkGetPrinterInfo(void* handle, DvkPrinterInfo* record);
DVK_API int32_t DvkGetNumberOfInputTrayInfo(void* handle, int32_t* count);
DVK_API int32_t DvkGetInputTrayInfo(void* handle, uint32_t index, DvkInputTrayInfo* record);
DVK_API int32_t DvkGetNumberOfOutputTrayInfo(void* handle, int32_t* count);
DVK_API int32_t DvkGetOutputTrayInfo(void* handle, uint32_t index, DvkOutputTrayInfo* record);
DVK_API int32_t DvkGetNumberOfTonerInfo(void* handle, int32_t* count);
DVK_API int32_t DvkGetTonerInfo(void* handle, uint32_t index, DvkTonerInfo* record);
DVK_API int32_t DvkGetNumberOfAlertInfo(void* handle, int32_t* count);
DVK_API int32_t DvkGetAlertInfo(void* handle, uint32_t index, DvkAlertInfo* record);
DVK_API int32_t DvkGetNumberOfJobInfo(void* handle, int32_t kind, int32_t* count);
DVK_API int32_t DvkGetJobInfo(void* handle, uint32_t index, DvkJobInfo* record);
DVK_API int32_t DvkCancelJob(void* handle, const char* job_id);
DVK_API int32_t DvkGetCharSet(void* handle, int32_t kind, int32_t* value);

#ifdef __cplusplus
}
#endif

#endif /* DVK_PLUGIN_H */
