#pragma once
// Report-parsing functions over a parsed report descriptor: capabilities,
// and reading and writing buttons, values and data lists in report buffers.
//
// Conventions shared by every function:
// - A report buffer starts with the report-ID byte (0 when the interface
//   uses no report IDs) and must be exactly as long as the interface's
//   longest report of that type (HIDP_STATUS_INVALID_REPORT_LENGTH).
// - Only controls of the report named by byte 0 are read or written; a usage
//   that exists only in another report gives HIDP_STATUS_INCOMPATIBLE_REPORT_ID.
// - A link collection of 0 (and, in the caps queries, a usage page or usage
//   of 0) matches any.
// - Length arguments are in/out: the room on entry, the count on return (or
//   the count needed, with HIDP_STATUS_BUFFER_TOO_SMALL).

#include "platform/sys/hid/HidPreparsedData.h"
#include "platform/sys/hid/HidTypes.h"

#include <cstdint>

namespace korvan::sys::hid::hidp {

NTSTATUS GetCaps(const HidPreparsedData& data, HIDP_CAPS& caps);
NTSTATUS GetLinkCollectionNodes(const HidPreparsedData& data, HIDP_LINK_COLLECTION_NODE* nodes,
                                std::uint32_t& length);
NTSTATUS GetSpecificButtonCaps(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                               std::uint16_t linkCollection, USAGE usage, HIDP_BUTTON_CAPS* caps,
                               std::uint16_t& length);
NTSTATUS GetSpecificValueCaps(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                              std::uint16_t linkCollection, USAGE usage, HIDP_VALUE_CAPS* caps,
                              std::uint16_t& length);

// Number of controls a data list of that report type can hold.
std::uint32_t MaxDataListLength(const HidPreparsedData& data, HIDP_REPORT_TYPE type);
// Number of buttons of that page (0: all pages) that can be on at once.
std::uint32_t MaxUsageListLength(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage);

NTSTATUS GetUsages(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                   std::uint16_t linkCollection, USAGE* usages, std::uint32_t& length,
                   const std::uint8_t* report, std::uint32_t reportLength);
NTSTATUS GetUsagesEx(const HidPreparsedData& data, HIDP_REPORT_TYPE type, std::uint16_t linkCollection,
                     USAGE_AND_PAGE* usages, std::uint32_t& length, const std::uint8_t* report,
                     std::uint32_t reportLength);
// On failure length is the index of the usage that failed.
NTSTATUS SetUsages(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                   std::uint16_t linkCollection, const USAGE* usages, std::uint32_t& length,
                   std::uint8_t* report, std::uint32_t reportLength);
NTSTATUS UnsetUsages(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                     std::uint16_t linkCollection, const USAGE* usages, std::uint32_t& length,
                     std::uint8_t* report, std::uint32_t reportLength);

NTSTATUS GetUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                       std::uint16_t linkCollection, USAGE usage, std::uint32_t& value,
                       const std::uint8_t* report, std::uint32_t reportLength);
NTSTATUS SetUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                       std::uint16_t linkCollection, USAGE usage, std::uint32_t value, std::uint8_t* report,
                       std::uint32_t reportLength);
// Values scaled from the logical to the physical extent.
NTSTATUS GetScaledUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                             std::uint16_t linkCollection, USAGE usage, std::int32_t& value,
                             const std::uint8_t* report, std::uint32_t reportLength);
NTSTATUS SetScaledUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                             std::uint16_t linkCollection, USAGE usage, std::int32_t value,
                             std::uint8_t* report, std::uint32_t reportLength);
// All fields of a value array, packed bit after bit.
NTSTATUS GetUsageValueArray(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                            std::uint16_t linkCollection, USAGE usage, std::uint8_t* buffer,
                            std::uint16_t byteLength, const std::uint8_t* report, std::uint32_t reportLength);
NTSTATUS SetUsageValueArray(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                            std::uint16_t linkCollection, USAGE usage, const std::uint8_t* buffer,
                            std::uint16_t byteLength, std::uint8_t* report, std::uint32_t reportLength);

// Buttons that are on and every value that is not an array.
NTSTATUS GetData(const HidPreparsedData& data, HIDP_REPORT_TYPE type, HIDP_DATA* list, std::uint32_t& length,
                 const std::uint8_t* report, std::uint32_t reportLength);
// On failure length is the index of the entry that failed.
NTSTATUS SetData(const HidPreparsedData& data, HIDP_REPORT_TYPE type, const HIDP_DATA* list,
                 std::uint32_t& length, std::uint8_t* report, std::uint32_t reportLength);

NTSTATUS GetExtendedAttributes(const HidPreparsedData& data, HIDP_REPORT_TYPE type, std::uint16_t dataIndex,
                               HIDP_EXTENDED_ATTRIBUTES* attributes, std::uint32_t& length);
// Clears the buffer and writes the report ID.
NTSTATUS InitializeReportForID(const HidPreparsedData& data, HIDP_REPORT_TYPE type, std::uint8_t reportId,
                               std::uint8_t* report, std::uint32_t reportLength);

} // namespace korvan::sys::hid::hidp
