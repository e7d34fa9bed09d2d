#include "device/hid/HidErrors.h"

#include <cstdio>

namespace {

const char* StatusText(NTSTATUS status) {
    switch (status) {
    case HIDP_STATUS_NULL:
        return "device not plugged in";
    case HIDP_STATUS_INVALID_PREPARSED_DATA:
        return "invalid preparsed data";
    case HIDP_STATUS_INVALID_REPORT_TYPE:
        return "invalid report type";
    case HIDP_STATUS_INVALID_REPORT_LENGTH:
        return "invalid report length";
    case HIDP_STATUS_USAGE_NOT_FOUND:
        return "usage not found";
    case HIDP_STATUS_VALUE_OUT_OF_RANGE:
        return "value out of range";
    case HIDP_STATUS_BAD_LOG_PHY_VALUES:
        return "bad logical or physical values";
    case HIDP_STATUS_BUFFER_TOO_SMALL:
        return "buffer too small";
    case HIDP_STATUS_INTERNAL_ERROR:
        return "internal error";
    case HIDP_STATUS_I8042_TRANS_UNKNOWN:
        return "8042 key translation impossible";
    case HIDP_STATUS_INCOMPATIBLE_REPORT_ID:
        return "incompatible report ID";
    case HIDP_STATUS_NOT_VALUE_ARRAY:
        return "not a value array";
    case HIDP_STATUS_IS_VALUE_ARRAY:
        return "is a value array";
    case HIDP_STATUS_DATA_INDEX_NOT_FOUND:
        return "data index not found";
    case HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE:
        return "data index out of range";
    case HIDP_STATUS_BUTTON_NOT_PRESSED:
        return "button not pressed";
    case HIDP_STATUS_REPORT_DOES_NOT_EXIST:
        return "report does not exist";
    case HIDP_STATUS_NOT_IMPLEMENTED:
        return "not implemented";
    default:
        return nullptr;
    }
}

} // namespace

std::string HidErrorString(NTSTATUS status) {
    if (((status >> 16) & 0xFF) != 0x11 || status <= 0x3FFFFFFF)
        return {};
    if (const char* text = StatusText(status))
        return std::string("HID Error: ") + text;
    char unknown[48];
    std::snprintf(unknown, sizeof unknown, "unknown HID error %x", unsigned(status));
    return std::string("HID Error: ") + unknown;
}

void HidError(NTSTATUS status) {
    const std::string text = HidErrorString(status);
    if (!text.empty())
        throw EHidClientError(text);
}

NTSTATUS HidCheck(NTSTATUS status) {
    if (status != HIDP_STATUS_SUCCESS)
        HidError(status);
    return status;
}
