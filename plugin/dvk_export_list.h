/*
 * Every function of dvk_plugin.h by name, for a host that binds them at run
 * time with dlsym: DVK_EXPORT_LIST(X) expands X(name) once per export, in the
 * order of the header.
 */
#ifndef DVK_EXPORT_LIST_H
#define DVK_EXPORT_LIST_H

/* clang-format off */
#define DVK_EXPORT_LIST(X) \
  X(DvkInit) \
  X(DvkUnInit) \
  X(DvkCommandString) \
  X(DvkCommandInteger) \
  X(DvkFindDeviceSNMP) \
  X(DvkFindDeviceSNMPEx) \
  X(DvkFindAddFilter) \
  X(DvkFindClearFilter) \
  X(DvkFindResetPosition) \
  X(DvkGetDeviceNext) \
  X(DvkInitDevice) \
  X(DvkInitDeviceEx) \
  X(DvkIsSupportedOID) \
  X(DvkRefreshOptions) \
  X(DvkGetOptionValueBoolean) \
  X(DvkGetOptionValueInteger) \
  X(DvkGetOptionValueUInteger) \
  X(DvkGetOptionValueString) \
  X(DvkTransportAvailable) \
  X(DvkGetNumberOfStorageInfo) \
  X(DvkGetStorageInfo) \
  X(DvkGetNumberOfDeviceInfo) \
  X(DvkGetDeviceInfo) \
  X(DvkGetPrinterInfo) \
  X(DvkGetNumberOfInputTrayInfo) \
  X(DvkGetInputTrayInfo) \
  X(DvkGetNumberOfOutputTrayInfo) \
  X(DvkGetOutputTrayInfo) \
  X(DvkGetNumberOfTonerInfo) \
  X(DvkGetTonerInfo) \
  X(DvkGetNumberOfAlertInfo) \
  X(DvkGetAlertInfo) \
  X(DvkGetNumberOfJobInfo) \
  X(DvkGetJobInfo) \
  X(DvkCancelJob) \
  X(DvkGetCharSet)
/* clang-format on */

#endif /* DVK_EXPORT_LIST_H */
