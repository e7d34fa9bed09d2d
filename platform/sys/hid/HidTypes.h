#pragma once
// Records and status codes of the HID report-parsing layer. The device code
// reads these records the way the HID class driver hands them out: report
// byte lengths count the report-ID byte, and every report buffer starts with
// that byte (0 on devices that use no report IDs).

#include <cstdint>

using USAGE = std::uint16_t;
using NTSTATUS = std::uint32_t;

enum HIDP_REPORT_TYPE : std::uint32_t { HidP_Input = 0, HidP_Output = 1, HidP_Feature = 2 };

inline constexpr NTSTATUS HIDP_STATUS_SUCCESS = 0x00110000;
// Also what the device layer answers for a device that is not accessible.
inline constexpr NTSTATUS HIDP_STATUS_NULL = 0x80110001;
inline constexpr NTSTATUS HIDP_STATUS_INVALID_PREPARSED_DATA = 0xC0110001;
inline constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_TYPE = 0xC0110002;
inline constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_LENGTH = 0xC0110003;
inline constexpr NTSTATUS HIDP_STATUS_USAGE_NOT_FOUND = 0xC0110004;
inline constexpr NTSTATUS HIDP_STATUS_VALUE_OUT_OF_RANGE = 0xC0110005;
inline constexpr NTSTATUS HIDP_STATUS_BAD_LOG_PHY_VALUES = 0xC0110006;
inline constexpr NTSTATUS HIDP_STATUS_BUFFER_TOO_SMALL = 0xC0110007;
inline constexpr NTSTATUS HIDP_STATUS_INTERNAL_ERROR = 0xC0110008;
inline constexpr NTSTATUS HIDP_STATUS_I8042_TRANS_UNKNOWN = 0xC0110009;
inline constexpr NTSTATUS HIDP_STATUS_INCOMPATIBLE_REPORT_ID = 0xC011000A;
inline constexpr NTSTATUS HIDP_STATUS_NOT_VALUE_ARRAY = 0xC011000B;
inline constexpr NTSTATUS HIDP_STATUS_IS_VALUE_ARRAY = 0xC011000C;
inline constexpr NTSTATUS HIDP_STATUS_DATA_INDEX_NOT_FOUND = 0xC011000D;
inline constexpr NTSTATUS HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE = 0xC011000E;
inline constexpr NTSTATUS HIDP_STATUS_BUTTON_NOT_PRESSED = 0xC011000F;
inline constexpr NTSTATUS HIDP_STATUS_REPORT_DOES_NOT_EXIST = 0xC0110010;
inline constexpr NTSTATUS HIDP_STATUS_NOT_IMPLEMENTED = 0xC0110020;

// Identity of a HID interface; Size is 12 when filled.
struct HIDD_ATTRIBUTES {
    std::uint32_t Size = 0;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    std::uint16_t VersionNumber = 0;
};

struct HIDD_CONFIGURATION {
    void* cookie = nullptr;
    std::uint32_t size = 0;
    std::uint32_t RingBufferSize = 0;
};

// The 64-byte capability record of one interface.
struct HIDP_CAPS {
    USAGE Usage;
    USAGE UsagePage;
    std::uint16_t InputReportByteLength;
    std::uint16_t OutputReportByteLength;
    std::uint16_t FeatureReportByteLength;
    std::uint16_t Reserved[17];
    std::uint16_t NumberLinkCollectionNodes;
    std::uint16_t NumberInputButtonCaps;
    std::uint16_t NumberInputValueCaps;
    std::uint16_t NumberInputDataIndices;
    std::uint16_t NumberOutputButtonCaps;
    std::uint16_t NumberOutputValueCaps;
    std::uint16_t NumberOutputDataIndices;
    std::uint16_t NumberFeatureButtonCaps;
    std::uint16_t NumberFeatureValueCaps;
    std::uint16_t NumberFeatureDataIndices;
};
static_assert(sizeof(HIDP_CAPS) == 64);

struct HIDP_RANGE {
    USAGE UsageMin = 0, UsageMax = 0;
    std::uint16_t StringMin = 0, StringMax = 0;
    std::uint16_t DesignatorMin = 0, DesignatorMax = 0;
    std::uint16_t DataIndexMin = 0, DataIndexMax = 0;
};

struct HIDP_NOT_RANGE {
    USAGE Usage = 0;
    std::uint16_t StringIndex = 0;
    std::uint16_t DesignatorIndex = 0;
    std::uint16_t DataIndex = 0;
};

// One button (1-bit or array) control group. Range is filled when IsRange,
// NotRange otherwise; the other one mirrors its first entry.
struct HIDP_BUTTON_CAPS {
    USAGE UsagePage = 0;
    std::uint8_t ReportID = 0;
    bool IsAlias = false;
    std::uint16_t BitField = 0;
    std::uint16_t LinkCollection = 0;
    USAGE LinkUsage = 0;
    USAGE LinkUsagePage = 0;
    bool IsRange = false;
    bool IsStringRange = false;
    bool IsDesignatorRange = false;
    bool IsAbsolute = false;
    HIDP_RANGE Range;
    HIDP_NOT_RANGE NotRange;
};

struct HIDP_VALUE_CAPS {
    USAGE UsagePage = 0;
    std::uint8_t ReportID = 0;
    bool IsAlias = false;
    std::uint16_t BitField = 0;
    std::uint16_t LinkCollection = 0;
    USAGE LinkUsage = 0;
    USAGE LinkUsagePage = 0;
    bool IsRange = false;
    bool IsStringRange = false;
    bool IsDesignatorRange = false;
    bool IsAbsolute = false;
    bool HasNull = false;
    std::uint16_t BitSize = 0;
    std::uint16_t ReportCount = 0;
    std::uint32_t UnitsExp = 0;
    std::uint32_t Units = 0;
    std::int32_t LogicalMin = 0, LogicalMax = 0;
    std::int32_t PhysicalMin = 0, PhysicalMax = 0;
    HIDP_RANGE Range;
    HIDP_NOT_RANGE NotRange;
};

// Node 0 is the top-level collection; 0 in Parent, NextSibling or FirstChild
// of another node means "none".
struct HIDP_LINK_COLLECTION_NODE {
    USAGE LinkUsage = 0;
    USAGE LinkUsagePage = 0;
    std::uint16_t Parent = 0;
    std::uint16_t NumberOfChildren = 0;
    std::uint16_t NextSibling = 0;
    std::uint16_t FirstChild = 0;
    std::uint8_t CollectionType = 0;
    bool IsAlias = false;
    void* UserContext = nullptr;
};

// One control of a report: a button's state (On, RawValue 1 or 0) or a
// value's raw bits (RawValue).
struct HIDP_DATA {
    std::uint16_t DataIndex = 0;
    std::uint16_t Reserved = 0;
    std::uint32_t RawValue = 0;
    bool On = false;
};

struct USAGE_AND_PAGE {
    USAGE Usage = 0;
    USAGE UsagePage = 0;
    bool operator==(const USAGE_AND_PAGE&) const = default;
};

// Global items of the descriptor that the parser does not know, for one
// control. The parser keeps none, so NumGlobalUnknowns is always 0.
struct HIDP_EXTENDED_ATTRIBUTES {
    std::uint8_t NumGlobalUnknowns = 0;
    std::uint8_t Reserved[3] = {0, 0, 0};
    void* GlobalUnknowns = nullptr;
    std::uint32_t Data[1] = {0};
};
