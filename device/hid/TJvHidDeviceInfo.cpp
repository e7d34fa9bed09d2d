// Capabilities, strings, descriptors and parameters of a HID device.

#include "device/hid/HidLanguageNames.h"
#include "device/hid/TJvHidDevice.h"
#include "platform/sys/Utf16Text.h"
#include "platform/sys/hid/HidParsing.h"
#include "platform/sys/hid/HidReportDescriptor.h"

#include <algorithm>
#include <cerrno>

using korvan::sys::hid::HidHandle;
using korvan::sys::hid::HidPreparsedData;
namespace hidp = korvan::sys::hid::hidp;

namespace {

// Device strings are read into buffers of this many characters.
constexpr std::size_t kStringBuffer = 254;
constexpr std::size_t kPhysicalDescriptorEntries = 2048;

// What a NUL-terminated buffer of kStringBuffer characters holds of a text.
std::u16string Bounded(const std::u16string& text) {
    std::u16string s = text.substr(0, text.find(u'\0'));
    if (s.size() > kStringBuffer - 1)
        s.resize(kStringBuffer - 1);
    return s;
}

// The device's language IDs as the buffer of string 0 holds them: filled
// with 0xFFFF, then the IDs and their terminating 0. Counting from the end,
// entries still 0xFFFF are skipped; the count is the index of the first
// other entry, plus one if that entry is not 0.
std::vector<char16_t> LanguageIdBuffer(HidHandle& handle, std::size_t& count) {
    std::vector<char16_t> buffer(kStringBuffer, char16_t(0xFFFF));
    std::u16string ids;
    if (handle.GetIndexedString(0, ids)) {
        ids = ids.substr(0, kStringBuffer);
        std::copy(ids.begin(), ids.end(), buffer.begin());
        if (ids.size() < kStringBuffer)
            buffer[ids.size()] = 0;
    }
    count = 0;
    for (std::size_t i = kStringBuffer; i-- > 0;)
        if (buffer[i] != 0xFFFF) {
            count = i + (buffer[i] != 0 ? 1 : 0);
            break;
        }
    return buffer;
}

} // namespace

const HidPreparsedData* TJvHidDevice::GetPreparsedData() {
    {
        std::lock_guard lock(FHandleLock);
        if (FPreparsedData)
            return FPreparsedData.get();
    }
    if (!OpenFile())
        return nullptr;
    std::vector<std::uint8_t> descriptor;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    if (handle && handle->GetReportDescriptor(descriptor))
        if (auto parsed = korvan::sys::hid::ParseReportDescriptor(descriptor)) {
            std::lock_guard lock(FHandleLock);
            if (!FPreparsedData)
                FPreparsedData = std::make_shared<const HidPreparsedData>(std::move(*parsed));
        }
    CloseFile();
    std::lock_guard lock(FHandleLock);
    return FPreparsedData.get();
}

HIDP_CAPS TJvHidDevice::GetCaps() {
    HIDP_CAPS caps{};
    if (const HidPreparsedData* data = GetPreparsedData())
        hidp::GetCaps(*data, caps);
    return caps;
}

std::u16string TJvHidDevice::GetVendorName() {
    if (FVendorName.empty() && OpenFile()) {
        std::u16string text;
        if (const auto handle = HidFileHandle(); handle && handle->GetManufacturerString(text))
            FVendorName = Bounded(text);
        CloseFile();
    }
    return FVendorName;
}

std::u16string TJvHidDevice::GetProductName() {
    if (FProductName.empty() && OpenFile()) {
        std::u16string text;
        if (const auto handle = HidFileHandle(); handle && handle->GetProductString(text))
            FProductName = Bounded(text);
        CloseFile();
    }
    return FProductName;
}

// A device that hands out its language list as serial number has none.
std::u16string TJvHidDevice::GetSerialNumber() {
    if (FSerialNumber.empty() && OpenFile()) {
        std::u16string text;
        const auto handle = HidFileHandle();
        if (handle && handle->GetSerialNumberString(text)) {
            std::u16string serial = Bounded(text);
            serial.resize(kStringBuffer, u'\0');
            std::size_t count = 0;
            const std::vector<char16_t> ids = LanguageIdBuffer(*handle, count);
            bool differs = false;
            for (std::size_t i = 0; i < count && !differs; ++i)
                differs = serial[i] != ids[i];
            if (differs)
                FSerialNumber = Bounded(serial);
        }
        CloseFile();
    }
    return FSerialNumber;
}

std::u16string TJvHidDevice::GetDeviceStringUnicode(std::uint8_t Idx) {
    if (Idx == 0 || !OpenFile())
        return {};
    std::u16string text;
    const auto handle = HidFileHandle();
    if (!handle || !handle->GetIndexedString(Idx, text))
        return {};
    return Bounded(text);
}

std::string TJvHidDevice::GetDeviceStringAnsi(std::uint8_t Idx) {
    return korvan::sys::Utf16ToUtf8(GetDeviceStringUnicode(Idx));
}

const std::vector<std::u16string>& TJvHidDevice::GetLanguageStrings() {
    if (FLanguageStrings.empty() && OpenFile()) {
        if (const auto handle = HidFileHandle()) {
            std::size_t count = 0;
            const std::vector<char16_t> ids = LanguageIdBuffer(*handle, count);
            for (std::size_t i = 0; i < count; ++i)
                FLanguageStrings.push_back(korvan::hid::LanguageName(ids[i]));
        }
        CloseFile();
    }
    return FLanguageStrings;
}

TJvPhysicalDescriptor TJvHidDevice::GetPhysicalDescriptor() {
    if (FPhysicalDescriptor.empty() && OpenFile()) {
        std::vector<std::uint8_t> buffer(kPhysicalDescriptorEntries * 2);
        const auto handle = HidFileHandle();
        // Grow the buffer two bytes at a time while it is too small.
        std::size_t length = 0;
        bool ok = false;
        while (handle && length <= buffer.size()) {
            if (handle->GetPhysicalDescriptor(buffer.data(), length)) {
                ok = true;
                break;
            }
            if (errno != ERANGE)
                break;
            length += 2;
        }
        FPhysicalDescriptor.clear();
        if (ok)
            for (std::size_t i = 0; i + 1 < length; i += 2)
                FPhysicalDescriptor.push_back(std::uint16_t(buffer[i] | buffer[i + 1] << 8));
        CloseFile();
    }
    return FPhysicalDescriptor;
}

HIDP_LINK_COLLECTION_NODE TJvHidDevice::GetLinkCollectionNode(std::uint16_t Idx) {
    if (!FLinkCollectionRead)
        if (const HidPreparsedData* data = GetPreparsedData()) {
            std::uint32_t count = std::uint32_t(data->collections.size());
            FLinkCollection.resize(count);
            hidp::GetLinkCollectionNodes(*data, FLinkCollection.data(), count);
            FLinkCollectionRead = true;
        }
    return Idx < FLinkCollection.size() ? FLinkCollection[Idx] : HIDP_LINK_COLLECTION_NODE{};
}

HIDD_CONFIGURATION TJvHidDevice::GetConfiguration() {
    HIDD_CONFIGURATION config{};
    if (OpenFile())
        if (const auto handle = HidFileHandle(); handle && !handle->GetConfiguration(config))
            config = HIDD_CONFIGURATION{};
    return config;
}

void TJvHidDevice::SetConfiguration(const HIDD_CONFIGURATION& Config) {
    if (OpenFile())
        if (const auto handle = HidFileHandle())
            handle->SetConfiguration(Config);
}

void TJvHidDevice::SetNumInputBuffers(int Count) {
    if (Count == FNumInputBuffers || !OpenFile())
        return;
    if (const auto handle = HidFileHandle()) {
        handle->SetNumInputBuffers(std::uint32_t(Count));
        std::uint32_t actual = 0;
        if (handle->GetNumInputBuffers(actual))
            FNumInputBuffers = int(actual);
    }
}

void TJvHidDevice::SetNumOverlappedBuffers(int Count) {
    if (Count == FNumOverlappedBuffers || !OpenFileEx(omhRead))
        return;
    if (const auto handle = Handle(omhRead)) {
        handle->SetNumInputBuffers(std::uint32_t(Count));
        std::uint32_t actual = 0;
        if (handle->GetNumInputBuffers(actual))
            FNumOverlappedBuffers = int(actual);
    }
}

void TJvHidDevice::SetReportTypeParam(HIDP_REPORT_TYPE Value) {
    FReportTypeParam = Value;
    GetMax();
}

void TJvHidDevice::SetUsagePageParam(std::uint16_t Value) {
    FUsagePageParam = Value;
    GetMax();
}

void TJvHidDevice::GetMax() {
    if (!IsAccessible())
        return;
    if (const HidPreparsedData* data = GetPreparsedData()) {
        FMaxDataListLength = hidp::MaxDataListLength(*data, FReportTypeParam);
        FMaxUsageListLength = hidp::MaxUsageListLength(*data, FReportTypeParam, FUsagePageParam);
        FMaxButtonListLength = FMaxUsageListLength;
    }
}
