#pragma once
// What the report-descriptor parser makes of one interface's descriptor: its
// controls, link collections and report lengths. The report-parsing functions
// (HidParsing.h) answer every capability and report query from this alone.

#include "platform/sys/hid/HidTypes.h"

#include <array>
#include <cstdint>
#include <set>
#include <vector>

namespace korvan::sys::hid {

// One caps entry: a usage or usage range of one main item, with the fields of
// the report that carry it. Array items give one entry per usage or range,
// all sharing the item's fields; their field values select usages.
struct HidControl {
    HIDP_REPORT_TYPE reportType = HidP_Input;
    std::uint8_t reportId = 0;
    bool isButton = false;
    bool isArray = false;
    bool isRange = false;
    bool isStringRange = false;
    bool isDesignatorRange = false;
    bool isAbsolute = true;
    bool hasNull = false;
    USAGE usagePage = 0;
    USAGE usageMin = 0, usageMax = 0;
    std::uint16_t stringMin = 0, stringMax = 0;
    std::uint16_t designatorMin = 0, designatorMax = 0;
    std::uint16_t dataIndexMin = 0, dataIndexMax = 0;
    std::uint16_t linkCollection = 0;
    std::uint16_t bitField = 0;
    // Bit position of the first field, counted from the first bit after the
    // report-ID byte.
    std::uint32_t bitOffset = 0;
    std::uint16_t bitSize = 0;
    std::uint16_t reportCount = 0;
    std::int32_t logicalMin = 0, logicalMax = 0;
    std::int32_t physicalMin = 0, physicalMax = 0;
    std::uint32_t units = 0, unitsExp = 0;
    // Index of the main item the entry came from (array entries share it).
    std::uint32_t group = 0;
    // Arrays: the field value that selects usageMin.
    std::int64_t arrayValueMin = 0;

    bool HasUsage(USAGE usage) const { return usage >= usageMin && usage <= usageMax; }
    bool HasDataIndex(std::uint16_t index) const { return index >= dataIndexMin && index <= dataIndexMax; }
    // A value control whose fields all carry one usage.
    bool IsValueArray() const { return !isButton && !isRange && reportCount > 1; }
};

struct HidPreparsedData {
    std::vector<HidControl> controls;
    std::vector<HIDP_LINK_COLLECTION_NODE> collections;
    // Byte length of the longest report of each type, report-ID byte
    // included; 0 when the interface has no report of that type.
    std::array<std::uint16_t, 3> reportByteLength{};
    std::array<std::set<std::uint8_t>, 3> reportIds;
    std::array<std::uint16_t, 3> dataIndexCount{};
    bool usesReportIds = false;
};

} // namespace korvan::sys::hid
