#include "platform/sys/hid/HidParsing.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace korvan::sys::hid::hidp {
namespace {

constexpr std::uint32_t kIdBits = 8; // the report-ID byte ahead of every field

bool ValidType(HIDP_REPORT_TYPE type) {
    return type == HidP_Input || type == HidP_Output || type == HidP_Feature;
}

NTSTATUS CheckReport(const HidPreparsedData& data, HIDP_REPORT_TYPE type, const std::uint8_t* report,
                     std::uint32_t reportLength) {
    if (!ValidType(type))
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    const std::uint16_t expected = data.reportByteLength[type];
    if (report == nullptr || expected == 0 || reportLength != expected)
        return HIDP_STATUS_INVALID_REPORT_LENGTH;
    return HIDP_STATUS_SUCCESS;
}

std::uint32_t ReadBits(const std::uint8_t* report, std::uint32_t bit, std::uint16_t size) {
    std::uint32_t v = 0;
    for (std::uint16_t i = 0; i < size; ++i, ++bit)
        if (report[bit / 8] & (1u << (bit % 8)))
            v |= 1u << i;
    return v;
}

void WriteBits(std::uint8_t* report, std::uint32_t bit, std::uint16_t size, std::uint32_t v) {
    for (std::uint16_t i = 0; i < size; ++i, ++bit) {
        const std::uint8_t mask = std::uint8_t(1u << (bit % 8));
        if (v & (1u << i))
            report[bit / 8] |= mask;
        else
            report[bit / 8] &= std::uint8_t(~mask);
    }
}

std::uint32_t FieldBit(const HidControl& c, std::uint32_t field) {
    return kIdBits + c.bitOffset + field * c.bitSize;
}

std::int64_t SignExtend(std::uint32_t raw, std::uint16_t size) {
    if (size == 0 || size >= 32)
        return std::int32_t(raw);
    const std::uint32_t sign = 1u << (size - 1);
    return std::int64_t(std::int32_t((raw ^ sign) - sign));
}

std::uint32_t Mask(std::uint16_t size) {
    return size >= 32 ? 0xFFFFFFFFu : (1u << size) - 1;
}

// The value a field holds, signed when the control's logical extent is.
std::int64_t FieldValue(const HidControl& c, const std::uint8_t* report, std::uint32_t field) {
    const std::uint32_t raw = ReadBits(report, FieldBit(c, field), c.bitSize);
    return c.logicalMin < 0 ? SignExtend(raw, c.bitSize) : std::int64_t(raw);
}

// The usage an array field's value selects in this entry, 0 for none (usage
// 0 is the "nothing pressed" entry of array items).
USAGE ArrayUsage(const HidControl& c, std::int64_t value) {
    if (value < c.arrayValueMin || value > c.arrayValueMin + (c.usageMax - c.usageMin))
        return 0;
    return USAGE(c.usageMin + (value - c.arrayValueMin));
}

bool Matches(const HidControl& c, HIDP_REPORT_TYPE type, USAGE page, std::uint16_t linkCollection) {
    return c.reportType == type && (page == 0 || c.usagePage == page) &&
           (linkCollection == 0 || c.linkCollection == linkCollection);
}

template <class Caps> void FillCommon(const HidPreparsedData& data, const HidControl& c, Caps& caps) {
    caps.UsagePage = c.usagePage;
    caps.ReportID = c.reportId;
    caps.BitField = c.bitField;
    caps.LinkCollection = c.linkCollection;
    if (c.linkCollection < data.collections.size()) {
        caps.LinkUsage = data.collections[c.linkCollection].LinkUsage;
        caps.LinkUsagePage = data.collections[c.linkCollection].LinkUsagePage;
    }
    caps.IsRange = c.isRange;
    caps.IsStringRange = c.isStringRange;
    caps.IsDesignatorRange = c.isDesignatorRange;
    caps.IsAbsolute = c.isAbsolute;
    caps.Range = {c.usageMin,      c.usageMax,      c.stringMin,    c.stringMax,
                  c.designatorMin, c.designatorMax, c.dataIndexMin, c.dataIndexMax};
    caps.NotRange = {c.usageMin, c.stringMin, c.designatorMin, c.dataIndexMin};
}

template <class Caps>
NTSTATUS SpecificCaps(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE page, std::uint16_t lc,
                      USAGE usage, bool buttons, Caps* out, std::uint16_t& length) {
    if (!ValidType(type))
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    std::uint16_t found = 0, copied = 0;
    for (const HidControl& c : data.controls) {
        if (c.isButton != buttons || !Matches(c, type, page, lc) || (usage != 0 && !c.HasUsage(usage)))
            continue;
        ++found;
        if (out != nullptr && copied < length) {
            Caps caps{};
            FillCommon(data, c, caps);
            if constexpr (std::is_same_v<Caps, HIDP_VALUE_CAPS>) {
                caps.HasNull = c.hasNull;
                caps.BitSize = c.bitSize;
                caps.ReportCount = c.reportCount;
                caps.UnitsExp = c.unitsExp;
                caps.Units = c.units;
                caps.LogicalMin = c.logicalMin;
                caps.LogicalMax = c.logicalMax;
                caps.PhysicalMin = c.physicalMin;
                caps.PhysicalMax = c.physicalMax;
            }
            out[copied++] = caps;
        }
    }
    if (found == 0) {
        length = 0;
        return HIDP_STATUS_USAGE_NOT_FOUND;
    }
    const bool fits = copied == found;
    length = copied;
    return fits ? HIDP_STATUS_SUCCESS : HIDP_STATUS_BUFFER_TOO_SMALL;
}

// Finds the control that carries a usage in the report named by byte 0.
struct Found {
    const HidControl* control = nullptr;
    NTSTATUS status = HIDP_STATUS_USAGE_NOT_FOUND;
};

Found FindUsage(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE page, std::uint16_t lc,
                USAGE usage, bool button, std::uint8_t reportId) {
    Found f;
    for (const HidControl& c : data.controls) {
        if (c.isButton != button || !Matches(c, type, page, lc) || !c.HasUsage(usage))
            continue;
        if (c.reportId != reportId) {
            f.status = HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
            continue;
        }
        return {&c, HIDP_STATUS_SUCCESS};
    }
    return f;
}

// The field of a value control that carries a usage.
std::uint32_t ValueField(const HidControl& c, USAGE usage) {
    return std::min<std::uint32_t>(usage - c.usageMin, c.reportCount - 1u);
}

// Visits every button of the report that is on.
template <class Visit>
void ForEachOnButton(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE page, std::uint16_t lc,
                     const std::uint8_t* report, Visit&& visit) {
    for (const HidControl& c : data.controls) {
        if (!c.isButton || !Matches(c, type, page, lc) || c.reportId != report[0])
            continue;
        for (std::uint32_t f = 0; f < c.reportCount; ++f) {
            if (c.isArray) {
                const USAGE u = ArrayUsage(c, FieldValue(c, report, f));
                if (u != 0)
                    visit(c, u);
            } else if (ReadBits(report, FieldBit(c, f), 1)) {
                visit(c, USAGE(std::min<std::uint32_t>(c.usageMin + f, c.usageMax)));
            }
        }
    }
}

// Whether an array field's value selects a usage of any entry of its item.
bool ArrayFieldUsed(const HidPreparsedData& data, const HidControl& c, std::int64_t value) {
    for (const HidControl& other : data.controls)
        if (other.group == c.group && ArrayUsage(other, value) != 0)
            return true;
    return false;
}

// Turns one button on or off. Array buttons take a free field when turned
// on and give theirs back when turned off.
NTSTATUS SetButton(const HidPreparsedData& data, const HidControl& c, USAGE usage, bool on,
                   std::uint8_t* report) {
    if (!c.isArray) {
        const std::uint32_t f = std::min<std::uint32_t>(usage - c.usageMin, c.reportCount - 1u);
        if (!on && !ReadBits(report, FieldBit(c, f), 1))
            return HIDP_STATUS_BUTTON_NOT_PRESSED;
        WriteBits(report, FieldBit(c, f), 1, on ? 1 : 0);
        return HIDP_STATUS_SUCCESS;
    }
    const std::int64_t value = c.arrayValueMin + (usage - c.usageMin);
    for (std::uint32_t f = 0; f < c.reportCount; ++f)
        if (FieldValue(c, report, f) == value) {
            if (!on)
                WriteBits(report, FieldBit(c, f), c.bitSize, 0);
            return HIDP_STATUS_SUCCESS;
        }
    if (!on)
        return HIDP_STATUS_BUTTON_NOT_PRESSED;
    for (std::uint32_t f = 0; f < c.reportCount; ++f)
        if (!ArrayFieldUsed(data, c, FieldValue(c, report, f))) {
            WriteBits(report, FieldBit(c, f), c.bitSize, std::uint32_t(value) & Mask(c.bitSize));
            return HIDP_STATUS_SUCCESS;
        }
    return HIDP_STATUS_BUFFER_TOO_SMALL;
}

NTSTATUS ChangeUsages(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE page, std::uint16_t lc,
                      const USAGE* usages, std::uint32_t& length, std::uint8_t* report,
                      std::uint32_t reportLength, bool on) {
    if (NTSTATUS s = CheckReport(data, type, report, reportLength); s != HIDP_STATUS_SUCCESS)
        return s;
    for (std::uint32_t i = 0; i < length; ++i) {
        if (usages[i] == 0)
            continue;
        const Found f = FindUsage(data, type, page, lc, usages[i], true, report[0]);
        NTSTATUS s = f.control ? SetButton(data, *f.control, usages[i], on, report) : f.status;
        if (s != HIDP_STATUS_SUCCESS) {
            length = i;
            return s;
        }
    }
    return HIDP_STATUS_SUCCESS;
}

bool BadExtents(const HidControl& c) {
    return c.logicalMin >= c.logicalMax || c.physicalMin >= c.physicalMax;
}

// What a value call needs of the control: one value per usage, one that is
// also scaled (which takes sound logical and physical extents), or a whole
// value array.
enum class ValueKind { kPlain, kScaled, kArray };

NTSTATUS FindValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE page, std::uint16_t lc,
                   USAGE usage, const std::uint8_t* report, std::uint32_t reportLength, ValueKind kind,
                   const HidControl*& control) {
    if (NTSTATUS s = CheckReport(data, type, report, reportLength); s != HIDP_STATUS_SUCCESS)
        return s;
    const Found f = FindUsage(data, type, page, lc, usage, false, report[0]);
    control = f.control;
    if (f.status != HIDP_STATUS_SUCCESS)
        return f.status;
    const bool array = kind == ValueKind::kArray;
    if (control->IsValueArray() != array)
        return array ? HIDP_STATUS_NOT_VALUE_ARRAY : HIDP_STATUS_IS_VALUE_ARRAY;
    if (kind == ValueKind::kScaled && BadExtents(*control))
        return HIDP_STATUS_BAD_LOG_PHY_VALUES;
    return HIDP_STATUS_SUCCESS;
}

} // namespace

NTSTATUS GetCaps(const HidPreparsedData& data, HIDP_CAPS& caps) {
    caps = HIDP_CAPS{};
    const HIDP_LINK_COLLECTION_NODE top =
        data.collections.empty() ? HIDP_LINK_COLLECTION_NODE{} : data.collections.front();
    caps.Usage = top.LinkUsage;
    caps.UsagePage = top.LinkUsagePage;
    caps.InputReportByteLength = data.reportByteLength[HidP_Input];
    caps.OutputReportByteLength = data.reportByteLength[HidP_Output];
    caps.FeatureReportByteLength = data.reportByteLength[HidP_Feature];
    caps.NumberLinkCollectionNodes = std::uint16_t(data.collections.size());
    std::uint16_t buttons[3] = {}, values[3] = {};
    for (const HidControl& c : data.controls)
        ++(c.isButton ? buttons : values)[c.reportType];
    caps.NumberInputButtonCaps = buttons[HidP_Input];
    caps.NumberInputValueCaps = values[HidP_Input];
    caps.NumberInputDataIndices = data.dataIndexCount[HidP_Input];
    caps.NumberOutputButtonCaps = buttons[HidP_Output];
    caps.NumberOutputValueCaps = values[HidP_Output];
    caps.NumberOutputDataIndices = data.dataIndexCount[HidP_Output];
    caps.NumberFeatureButtonCaps = buttons[HidP_Feature];
    caps.NumberFeatureValueCaps = values[HidP_Feature];
    caps.NumberFeatureDataIndices = data.dataIndexCount[HidP_Feature];
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS GetLinkCollectionNodes(const HidPreparsedData& data, HIDP_LINK_COLLECTION_NODE* nodes,
                                std::uint32_t& length) {
    const auto count = std::uint32_t(data.collections.size());
    if (nodes == nullptr || length < count) {
        length = count;
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    }
    std::copy(data.collections.begin(), data.collections.end(), nodes);
    length = count;
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS GetSpecificButtonCaps(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                               std::uint16_t linkCollection, USAGE usage, HIDP_BUTTON_CAPS* caps,
                               std::uint16_t& length) {
    return SpecificCaps(data, type, usagePage, linkCollection, usage, true, caps, length);
}

NTSTATUS GetSpecificValueCaps(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                              std::uint16_t linkCollection, USAGE usage, HIDP_VALUE_CAPS* caps,
                              std::uint16_t& length) {
    return SpecificCaps(data, type, usagePage, linkCollection, usage, false, caps, length);
}

std::uint32_t MaxDataListLength(const HidPreparsedData& data, HIDP_REPORT_TYPE type) {
    return ValidType(type) ? data.dataIndexCount[type] : 0;
}

std::uint32_t MaxUsageListLength(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage) {
    std::uint32_t n = 0;
    std::vector<std::uint32_t> arraysCounted;
    for (const HidControl& c : data.controls) {
        if (!c.isButton || !Matches(c, type, usagePage, 0))
            continue;
        if (c.isArray) { // the item's fields are shared by its entries
            if (std::find(arraysCounted.begin(), arraysCounted.end(), c.group) != arraysCounted.end())
                continue;
            arraysCounted.push_back(c.group);
        }
        n += c.reportCount;
    }
    return n;
}

NTSTATUS GetUsages(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                   std::uint16_t linkCollection, USAGE* usages, std::uint32_t& length,
                   const std::uint8_t* report, std::uint32_t reportLength) {
    if (NTSTATUS s = CheckReport(data, type, report, reportLength); s != HIDP_STATUS_SUCCESS)
        return s;
    std::uint32_t n = 0;
    ForEachOnButton(data, type, usagePage, linkCollection, report, [&](const HidControl&, USAGE u) {
        if (usages != nullptr && n < length)
            usages[n] = u;
        ++n;
    });
    const bool fits = n <= length;
    length = n;
    return fits ? HIDP_STATUS_SUCCESS : HIDP_STATUS_BUFFER_TOO_SMALL;
}

NTSTATUS GetUsagesEx(const HidPreparsedData& data, HIDP_REPORT_TYPE type, std::uint16_t linkCollection,
                     USAGE_AND_PAGE* usages, std::uint32_t& length, const std::uint8_t* report,
                     std::uint32_t reportLength) {
    if (NTSTATUS s = CheckReport(data, type, report, reportLength); s != HIDP_STATUS_SUCCESS)
        return s;
    std::uint32_t n = 0;
    ForEachOnButton(data, type, 0, linkCollection, report, [&](const HidControl& c, USAGE u) {
        if (usages != nullptr && n < length)
            usages[n] = {u, c.usagePage};
        ++n;
    });
    const bool fits = n <= length;
    length = n;
    return fits ? HIDP_STATUS_SUCCESS : HIDP_STATUS_BUFFER_TOO_SMALL;
}

NTSTATUS SetUsages(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                   std::uint16_t linkCollection, const USAGE* usages, std::uint32_t& length,
                   std::uint8_t* report, std::uint32_t reportLength) {
    return ChangeUsages(data, type, usagePage, linkCollection, usages, length, report, reportLength, true);
}

NTSTATUS UnsetUsages(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                     std::uint16_t linkCollection, const USAGE* usages, std::uint32_t& length,
                     std::uint8_t* report, std::uint32_t reportLength) {
    return ChangeUsages(data, type, usagePage, linkCollection, usages, length, report, reportLength, false);
}

NTSTATUS GetUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                       std::uint16_t linkCollection, USAGE usage, std::uint32_t& value,
                       const std::uint8_t* report, std::uint32_t reportLength) {
    const HidControl* c = nullptr;
    if (NTSTATUS s = FindValue(data, type, usagePage, linkCollection, usage, report, reportLength,
                               ValueKind::kPlain, c);
        s != HIDP_STATUS_SUCCESS)
        return s;
    value = ReadBits(report, FieldBit(*c, ValueField(*c, usage)), c->bitSize);
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS SetUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                       std::uint16_t linkCollection, USAGE usage, std::uint32_t value, std::uint8_t* report,
                       std::uint32_t reportLength) {
    const HidControl* c = nullptr;
    if (NTSTATUS s = FindValue(data, type, usagePage, linkCollection, usage, report, reportLength,
                               ValueKind::kPlain, c);
        s != HIDP_STATUS_SUCCESS)
        return s;
    WriteBits(report, FieldBit(*c, ValueField(*c, usage)), c->bitSize, value & Mask(c->bitSize));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS GetScaledUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                             std::uint16_t linkCollection, USAGE usage, std::int32_t& value,
                             const std::uint8_t* report, std::uint32_t reportLength) {
    const HidControl* c = nullptr;
    if (NTSTATUS s = FindValue(data, type, usagePage, linkCollection, usage, report, reportLength,
                               ValueKind::kScaled, c);
        s != HIDP_STATUS_SUCCESS)
        return s;
    const std::int64_t v = FieldValue(*c, report, ValueField(*c, usage));
    if (v < c->logicalMin || v > c->logicalMax)
        return HIDP_STATUS_VALUE_OUT_OF_RANGE;
    const std::int64_t span = std::int64_t(c->physicalMax) - c->physicalMin;
    value = std::int32_t(c->physicalMin +
                         (v - c->logicalMin) * span / (std::int64_t(c->logicalMax) - c->logicalMin));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS SetScaledUsageValue(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                             std::uint16_t linkCollection, USAGE usage, std::int32_t value,
                             std::uint8_t* report, std::uint32_t reportLength) {
    const HidControl* c = nullptr;
    if (NTSTATUS s = FindValue(data, type, usagePage, linkCollection, usage, report, reportLength,
                               ValueKind::kScaled, c);
        s != HIDP_STATUS_SUCCESS)
        return s;
    if (value < c->physicalMin || value > c->physicalMax)
        return HIDP_STATUS_VALUE_OUT_OF_RANGE;
    const std::int64_t span = std::int64_t(c->logicalMax) - c->logicalMin;
    const std::int64_t v = c->logicalMin + (std::int64_t(value) - c->physicalMin) * span /
                                               (std::int64_t(c->physicalMax) - c->physicalMin);
    WriteBits(report, FieldBit(*c, ValueField(*c, usage)), c->bitSize, std::uint32_t(v) & Mask(c->bitSize));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS GetUsageValueArray(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                            std::uint16_t linkCollection, USAGE usage, std::uint8_t* buffer,
                            std::uint16_t byteLength, const std::uint8_t* report,
                            std::uint32_t reportLength) {
    const HidControl* c = nullptr;
    if (NTSTATUS s = FindValue(data, type, usagePage, linkCollection, usage, report, reportLength,
                               ValueKind::kArray, c);
        s != HIDP_STATUS_SUCCESS)
        return s;
    const std::uint32_t bits = std::uint32_t(c->bitSize) * c->reportCount;
    if (buffer == nullptr || byteLength < (bits + 7) / 8)
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    std::fill(buffer, buffer + (bits + 7) / 8, std::uint8_t(0));
    for (std::uint32_t i = 0; i < bits; ++i)
        WriteBits(buffer, i, 1, ReadBits(report, FieldBit(*c, 0) + i, 1));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS SetUsageValueArray(const HidPreparsedData& data, HIDP_REPORT_TYPE type, USAGE usagePage,
                            std::uint16_t linkCollection, USAGE usage, const std::uint8_t* buffer,
                            std::uint16_t byteLength, std::uint8_t* report, std::uint32_t reportLength) {
    const HidControl* c = nullptr;
    if (NTSTATUS s = FindValue(data, type, usagePage, linkCollection, usage, report, reportLength,
                               ValueKind::kArray, c);
        s != HIDP_STATUS_SUCCESS)
        return s;
    const std::uint32_t bits = std::uint32_t(c->bitSize) * c->reportCount;
    if (buffer == nullptr || byteLength < (bits + 7) / 8)
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    for (std::uint32_t i = 0; i < bits; ++i)
        WriteBits(report, FieldBit(*c, 0) + i, 1, ReadBits(buffer, i, 1));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS GetData(const HidPreparsedData& data, HIDP_REPORT_TYPE type, HIDP_DATA* list, std::uint32_t& length,
                 const std::uint8_t* report, std::uint32_t reportLength) {
    if (NTSTATUS s = CheckReport(data, type, report, reportLength); s != HIDP_STATUS_SUCCESS)
        return s;
    if (!data.reportIds[type].count(report[0]))
        return HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
    std::uint32_t n = 0;
    auto add = [&](std::uint16_t index, std::uint32_t raw, bool on) {
        if (list != nullptr && n < length) {
            list[n] = HIDP_DATA{};
            list[n].DataIndex = index;
            list[n].RawValue = raw;
            list[n].On = on;
        }
        ++n;
    };
    ForEachOnButton(data, type, 0, 0, report, [&](const HidControl& c, USAGE u) {
        add(std::uint16_t(c.dataIndexMin + (c.isRange ? u - c.usageMin : 0)), 1, true);
    });
    for (const HidControl& c : data.controls) {
        if (c.isButton || c.reportType != type || c.reportId != report[0] || c.IsValueArray())
            continue;
        for (std::uint32_t f = 0; f < c.reportCount && c.dataIndexMin + f <= c.dataIndexMax; ++f)
            add(std::uint16_t(c.dataIndexMin + f), ReadBits(report, FieldBit(c, f), c.bitSize), false);
    }
    const bool fits = n <= length;
    length = n;
    return fits ? HIDP_STATUS_SUCCESS : HIDP_STATUS_BUFFER_TOO_SMALL;
}

NTSTATUS SetData(const HidPreparsedData& data, HIDP_REPORT_TYPE type, const HIDP_DATA* list,
                 std::uint32_t& length, std::uint8_t* report, std::uint32_t reportLength) {
    if (NTSTATUS s = CheckReport(data, type, report, reportLength); s != HIDP_STATUS_SUCCESS)
        return s;
    for (std::uint32_t i = 0; i < length; ++i) {
        const HIDP_DATA& d = list[i];
        const HidControl* c = nullptr;
        for (const HidControl& k : data.controls)
            if (k.reportType == type && k.HasDataIndex(d.DataIndex)) {
                c = &k;
                break;
            }
        NTSTATUS s = HIDP_STATUS_SUCCESS;
        if (c == nullptr)
            s = HIDP_STATUS_DATA_INDEX_NOT_FOUND;
        else if (c->reportId != report[0])
            s = HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
        else if (c->isButton)
            s = SetButton(data, *c, USAGE(c->usageMin + (d.DataIndex - c->dataIndexMin)), d.On, report);
        else if (c->IsValueArray())
            s = HIDP_STATUS_IS_VALUE_ARRAY;
        else
            WriteBits(report, FieldBit(*c, d.DataIndex - c->dataIndexMin), c->bitSize,
                      d.RawValue & Mask(c->bitSize));
        if (s != HIDP_STATUS_SUCCESS) {
            length = i;
            return s;
        }
    }
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS GetExtendedAttributes(const HidPreparsedData& data, HIDP_REPORT_TYPE type, std::uint16_t dataIndex,
                               HIDP_EXTENDED_ATTRIBUTES* attributes, std::uint32_t& length) {
    if (!ValidType(type))
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    const bool known = std::any_of(data.controls.begin(), data.controls.end(), [&](const HidControl& c) {
        return c.reportType == type && c.HasDataIndex(dataIndex);
    });
    if (!known)
        return HIDP_STATUS_DATA_INDEX_NOT_FOUND;
    if (attributes == nullptr || length < sizeof(HIDP_EXTENDED_ATTRIBUTES)) {
        length = sizeof(HIDP_EXTENDED_ATTRIBUTES);
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    }
    *attributes = HIDP_EXTENDED_ATTRIBUTES{};
    length = sizeof(HIDP_EXTENDED_ATTRIBUTES);
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS InitializeReportForID(const HidPreparsedData& data, HIDP_REPORT_TYPE type, std::uint8_t reportId,
                               std::uint8_t* report, std::uint32_t reportLength) {
    if (NTSTATUS s = CheckReport(data, type, report, reportLength); s != HIDP_STATUS_SUCCESS)
        return s;
    if (!data.reportIds[type].count(reportId))
        return HIDP_STATUS_REPORT_DOES_NOT_EXIST;
    std::fill(report, report + reportLength, std::uint8_t(0));
    report[0] = reportId;
    return HIDP_STATUS_SUCCESS;
}

} // namespace korvan::sys::hid::hidp
