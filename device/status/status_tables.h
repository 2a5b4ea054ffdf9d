#pragma once

#include <array>
#include <cstdint>
#include <span>

// What each status reading asks the printer for: the columns of one table walk,
// in the order their values arrive in a row, and the column the walk follows.
namespace vex {

struct TableColumns {
  std::span<const char* const> columns;
  const char* root;
};

inline constexpr std::array<const char*, 4> kStorageColumns{
    "1.3.6.1.2.1.25.2.3.1.2",  // hrStorageType
    "1.3.6.1.2.1.25.2.3.1.4",  // hrStorageAllocationUnits
    "1.3.6.1.2.1.25.2.3.1.5",  // hrStorageSize
    "1.3.6.1.2.1.25.2.3.1.3",  // hrStorageDescr
};
inline constexpr TableColumns kStorageTable{kStorageColumns, kStorageColumns[0]};

inline constexpr std::array<const char*, 3> kDeviceColumns{
    "1.3.6.1.2.1.25.3.2.1.2",  // hrDeviceType
    "1.3.6.1.2.1.25.3.2.1.5",  // hrDeviceStatus
    "1.3.6.1.2.1.25.3.2.1.3",  // hrDeviceDescr
};
inline constexpr TableColumns kDeviceTable{kDeviceColumns, kDeviceColumns[0]};

inline constexpr std::array<const char*, 2> kPrinterColumns{
    "1.3.6.1.2.1.25.3.5.1.1",  // hrPrinterStatus
    "1.3.6.1.2.1.25.3.5.1.2",  // hrPrinterDetectedErrorState
};
inline constexpr TableColumns kPrinterTable{kPrinterColumns, kPrinterColumns[0]};

inline constexpr std::array<const char*, 15> kInputTrayColumns{
    "1.3.6.1.2.1.43.8.2.1.2",   // prtInputType
    "1.3.6.1.2.1.43.8.2.1.3",   // prtInputDimUnit
    "1.3.6.1.2.1.43.8.2.1.4",   // prtInputMediaDimFeedDirDeclared
    "1.3.6.1.2.1.43.8.2.1.5",   // prtInputMediaDimXFeedDirDeclared
    "1.3.6.1.2.1.43.8.2.1.6",   // prtInputMediaDimFeedDirChosen
    "1.3.6.1.2.1.43.8.2.1.7",   // prtInputMediaDimXFeedDirChosen
    "1.3.6.1.2.1.43.8.2.1.8",   // prtInputCapacityUnit
    "1.3.6.1.2.1.43.8.2.1.9",   // prtInputMaxCapacity
    "1.3.6.1.2.1.43.8.2.1.10",  // prtInputCurrentLevel
    "1.3.6.1.2.1.43.8.2.1.11",  // prtInputStatus
    "1.3.6.1.2.1.43.8.2.1.12",  // prtInputMediaName
    "1.3.6.1.2.1.43.8.2.1.13",  // prtInputName
    "1.3.6.1.2.1.43.8.2.1.18",  // prtInputDescription
    "1.3.6.1.2.1.43.8.2.1.21",  // prtInputMediaType
    "1.3.6.1.2.1.43.8.2.1.22",  // prtInputMediaColor
};
inline constexpr TableColumns kInputTrayTable{kInputTrayColumns, kInputTrayColumns[0]};

inline constexpr std::array<const char*, 4> kOutputTrayColumns{
    "1.3.6.1.2.1.43.9.2.1.2",   // prtOutputType
    "1.3.6.1.2.1.43.9.2.1.6",   // prtOutputStatus
    "1.3.6.1.2.1.43.9.2.1.7",   // prtOutputName
    "1.3.6.1.2.1.43.9.2.1.12",  // prtOutputDescription
};
inline constexpr TableColumns kOutputTrayTable{kOutputTrayColumns, kOutputTrayColumns[0]};

// The supply type comes first: it decides whether the row is a toner.
inline constexpr std::array<const char*, 5> kTonerColumns{
    "1.3.6.1.2.1.43.11.1.1.5",  // prtMarkerSuppliesType
    "1.3.6.1.2.1.43.11.1.1.7",  // prtMarkerSuppliesSupplyUnit
    "1.3.6.1.2.1.43.11.1.1.8",  // prtMarkerSuppliesMaxCapacity
    "1.3.6.1.2.1.43.11.1.1.9",  // prtMarkerSuppliesLevel
    "1.3.6.1.2.1.43.11.1.1.6",  // prtMarkerSuppliesDescription
};
inline constexpr TableColumns kTonerTable{kTonerColumns, kTonerColumns[0]};

inline constexpr std::array<const char*, 6> kAlertColumns{
    "1.3.6.1.2.1.43.18.1.1.2",  // prtAlertSeverityLevel
    "1.3.6.1.2.1.43.18.1.1.4",  // prtAlertGroup
    "1.3.6.1.2.1.43.18.1.1.5",  // prtAlertGroupIndex
    "1.3.6.1.2.1.43.18.1.1.6",  // prtAlertLocation
    "1.3.6.1.2.1.43.18.1.1.7",  // prtAlertCode
    "1.3.6.1.2.1.43.18.1.1.8",  // prtAlertDescription
};
inline constexpr TableColumns kAlertTable{kAlertColumns, kAlertColumns[0]};

// The printer family's private job tables.
inline constexpr std::array<const char*, 12> kJobColumns{
    "1.3.6.1.4.1.253.8.59.6.1.1.4",    // job type (OBJECT IDENTIFIER)
    "1.3.6.1.4.1.253.8.59.6.1.1.9",    // status code, 17 separates the list kinds
    "1.3.6.1.4.1.253.8.59.6.1.1.10",   // detail code
    "1.3.6.1.4.1.253.8.59.16.1.1.5",   // first counter
    "1.3.6.1.4.1.253.8.59.16.1.1.6",   // second counter
    "1.3.6.1.4.1.253.8.59.6.1.1.5",    // coded text
    "1.3.6.1.4.1.253.8.59.6.1.1.6",    // coded text
    "1.3.6.1.4.1.253.8.59.10.1.1.7",   // coded text; its row index holds the job identifier
    "1.3.6.1.4.1.253.8.59.6.1.1.3",    // name
    "1.3.6.1.4.1.253.8.59.10.1.1.10",  // DateAndTime
    "1.3.6.1.4.1.253.8.59.16.1.1.4",   // DateAndTime
    "1.3.6.1.4.1.253.8.59.16.1.1.7",   // DateAndTime
};
inline constexpr TableColumns kJobTable{kJobColumns, kJobColumns[0]};

// Texts of the job's coded columns, indexed by column index, code and the
// job character set.
inline constexpr const char* kJobTextColumn = "1.3.6.1.4.1.253.8.51.5.1.1.4";

// A job is cancelled by writing kCancelValue to this column, indexed by 101 and
// the job identifier.
inline constexpr const char* kCancelColumn = "1.3.6.1.4.1.253.8.76.3.2.1.1";
inline constexpr std::uint32_t kCancelIndexHead = 101;
inline constexpr std::int32_t kCancelValue = 1414;

}  // namespace vex
