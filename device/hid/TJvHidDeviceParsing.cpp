// The report-parsing wrappers of a HID device: each calls the parsing
// function with the device's descriptor and its parameters (report type,
// usage page, link collection, usage).

#include "device/hid/TJvHidDevice.h"
#include "platform/sys/hid/HidParsing.h"

using korvan::sys::hid::HidPreparsedData;
namespace hidp = korvan::sys::hid::hidp;

template <class F> NTSTATUS TJvHidDevice::Parse(F&& call) {
    if (!IsAccessible())
        return HIDP_STATUS_NULL;
    const HidPreparsedData* data = GetPreparsedData();
    if (data == nullptr)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    return call(*data);
}

NTSTATUS TJvHidDevice::GetButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetSpecificButtonCaps(d, FReportTypeParam, 0, 0, 0, ButtonCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetSpecificButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetSpecificButtonCaps(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam,
                                           UsageParam, ButtonCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetSpecificValueCaps(d, FReportTypeParam, 0, 0, 0, ValueCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetSpecificValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetSpecificValueCaps(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam,
                                          UsageParam, ValueCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetData(HIDP_DATA* DataList, std::uint32_t& DataLength, const std::uint8_t* Report,
                               std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetData(d, FReportTypeParam, DataList, DataLength, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::SetData(HIDP_DATA* DataList, std::uint32_t& DataLength, std::uint8_t* Report,
                               std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::SetData(d, FReportTypeParam, DataList, DataLength, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::GetUsages(USAGE* UsageList, std::uint32_t& UsageLength, const std::uint8_t* Report,
                                 std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetUsages(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam, UsageList,
                               UsageLength, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::GetButtons(USAGE* UsageList, std::uint32_t& UsageLength, const std::uint8_t* Report,
                                  std::uint32_t ReportLength) {
    return GetUsages(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::GetUsagesEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength,
                                   const std::uint8_t* Report, std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetUsagesEx(d, FReportTypeParam, LinkCollectionParam, UsageList, UsageLength, Report,
                                 ReportLength);
    });
}

NTSTATUS TJvHidDevice::GetButtonsEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength,
                                    const std::uint8_t* Report, std::uint32_t ReportLength) {
    return GetUsagesEx(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::SetUsages(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                                 std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::SetUsages(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam, UsageList,
                               UsageLength, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::SetButtons(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                                  std::uint32_t ReportLength) {
    return SetUsages(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::UnsetUsages(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                                   std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::UnsetUsages(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam, UsageList,
                                 UsageLength, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::UnsetButtons(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                                    std::uint32_t ReportLength) {
    return UnsetUsages(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::GetUsageValue(std::uint32_t& UsageValue, const std::uint8_t* Report,
                                     std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetUsageValue(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam, UsageParam,
                                   UsageValue, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::SetUsageValue(std::uint32_t UsageValue, std::uint8_t* Report,
                                     std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::SetUsageValue(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam, UsageParam,
                                   UsageValue, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::GetScaledUsageValue(std::int32_t& UsageValue, const std::uint8_t* Report,
                                           std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetScaledUsageValue(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam,
                                         UsageParam, UsageValue, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::SetScaledUsageValue(std::int32_t UsageValue, std::uint8_t* Report,
                                           std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::SetScaledUsageValue(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam,
                                         UsageParam, UsageValue, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::GetUsageValueArray(std::uint8_t* UsageValue, std::uint16_t UsageValueByteLength,
                                          const std::uint8_t* Report, std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::GetUsageValueArray(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam, UsageParam,
                                        UsageValue, UsageValueByteLength, Report, ReportLength);
    });
}

NTSTATUS TJvHidDevice::SetUsageValueArray(const std::uint8_t* UsageValue, std::uint16_t UsageValueByteLength,
                                          std::uint8_t* Report, std::uint32_t ReportLength) {
    return Parse([&](const HidPreparsedData& d) {
        return hidp::SetUsageValueArray(d, FReportTypeParam, FUsagePageParam, LinkCollectionParam, UsageParam,
                                        UsageValue, UsageValueByteLength, Report, ReportLength);
    });
}

// These two work on the descriptor read earlier, accessible or not.
NTSTATUS TJvHidDevice::GetExtendedAttributes(HIDP_REPORT_TYPE ReportType, std::uint16_t DataIndex,
                                             HIDP_EXTENDED_ATTRIBUTES* Attributes,
                                             std::uint32_t& LengthAttributes) {
    std::shared_ptr<const HidPreparsedData> data;
    {
        std::lock_guard lock(FHandleLock);
        data = FPreparsedData;
    }
    if (!data)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    return hidp::GetExtendedAttributes(*data, ReportType, DataIndex, Attributes, LengthAttributes);
}

NTSTATUS TJvHidDevice::InitializeReportForID(HIDP_REPORT_TYPE ReportType, std::uint8_t ReportID,
                                             std::uint8_t* Report, std::uint32_t ReportLength) {
    std::shared_ptr<const HidPreparsedData> data;
    {
        std::lock_guard lock(FHandleLock);
        data = FPreparsedData;
    }
    if (!data)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    return hidp::InitializeReportForID(*data, ReportType, ReportID, Report, ReportLength);
}
