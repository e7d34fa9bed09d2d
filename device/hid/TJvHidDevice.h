#pragma once
// One HID interface, as the controller lends it to the application: handles
// opened on demand, identity, capabilities, strings and descriptors, report
// input and output, the report-parsing wrappers, and the read thread that
// hands every input report to the GUI thread.
//
// Threads: everything runs on the GUI thread except the read thread (which
// uses only the overlapped read handle) and the blocking report calls an I/O
// thread may make (WriteFile and the queries it needs). The three handles are
// shared pointers under a small lock, so that closing a handle on one thread
// never pulls it from under a call running on another: the call finishes on
// its own reference, and a read waiting on a closed handle is cancelled.

#include "device/hid/HidEvents.h"
#include "device/hid/TJvHidPnPInfo.h"
#include "platform/sys/hid/HidBackend.h"
#include "platform/sys/hid/HidPreparsedData.h"
#include "platform/sys/hid/HidTypes.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TJvHidDeviceReadThread;

namespace korvan::sys {
class Clock;
class GuiThread;
} // namespace korvan::sys

enum TJvHidOpenExMode { omhRead, omhWrite };

using TJvPhysicalDescriptor = std::vector<std::uint16_t>;
// Completion of an overlapped read or write: the system error (0 on
// success) and the bytes moved.
using TJvHidCompletionRoutine = std::function<void(std::uint32_t Error, std::uint32_t Bytes)>;

// Result of an alertable wait that completed an overlapped read.
inline constexpr std::uint32_t WAIT_IO_COMPLETION = 0xC0;

class TJvHidDevice {
public:
    // Only the controller creates devices.
    TJvHidDevice();
    ~TJvHidDevice();
    TJvHidDevice(const TJvHidDevice&) = delete;
    TJvHidDevice& operator=(const TJvHidDevice&) = delete;

    // --- state ---
    bool IsAccessible() const { return FIsPluggedIn && (FIsCheckedOut || FIsEnumerated); }
    bool IsCheckedOut() const { return FIsCheckedOut; }
    bool IsPluggedIn() const { return FIsPluggedIn; }
    bool HasReadWriteAccess() const { return FHasReadWriteAccess; }
    const HIDD_ATTRIBUTES& Attributes() const { return FAttributes; }
    TJvHidPnPInfo* PnPInfo() const { return FPnPInfo.get(); }
    TJvHidDeviceController* Controller() const { return FMyController; }
    // Expires when the device is destroyed.
    std::weak_ptr<void> LifeToken() const { return FLifeToken; }

    // --- handles ---
    bool OpenFile();
    bool OpenFileEx(TJvHidOpenExMode Mode);
    void CloseFile();
    void CloseFileEx(TJvHidOpenExMode Mode);
    std::shared_ptr<korvan::sys::hid::HidHandle> HidFileHandle() const;
    std::shared_ptr<korvan::sys::hid::HidHandle> HidOverlappedRead() const;
    std::shared_ptr<korvan::sys::hid::HidHandle> HidOverlappedWrite() const;

    // --- lending ---
    bool CheckOut();
    void DoUnplug();

    // --- the read thread ---
    const TJvHidDataEvent& OnData() const { return FData; }
    void SetDataEvent(const TJvHidDataEvent& Handler);
    void StartThread();
    void StopThread();
    bool ThreadRunning() const { return FDataThread != nullptr; }
    int ThreadSleepTime() const { return FThreadSleepTime; }
    void SetThreadSleepTime(int Value);
    TJvHidDataErrorEvent OnDataError;
    TJvHidPlugEvent OnUnplug;

    // --- reports ---
    bool ReadFile(std::uint8_t* Report, std::uint32_t ToRead, std::uint32_t& BytesRead);
    bool WriteFile(const std::uint8_t* Report, std::uint32_t ToWrite, std::uint32_t& BytesWritten);
    bool ReadFileEx(std::uint8_t* Report, std::uint32_t ToRead, TJvHidCompletionRoutine CallBack);
    bool WriteFileEx(const std::uint8_t* Report, std::uint32_t ToWrite, TJvHidCompletionRoutine CallBack);
    // Waits up to Ms for the pending overlapped read; WAIT_IO_COMPLETION once
    // it has completed (its routine has run), 0 when the time ran out.
    std::uint32_t SleepEx(std::uint32_t Ms);
    std::uint32_t GetOverlappedReadResult() const;
    std::uint32_t GetOverlappedWriteResult() const;
    std::uint32_t HidOverlappedReadResult() const { return GetOverlappedReadResult(); }
    std::uint32_t HidOverlappedWriteResult() const { return GetOverlappedWriteResult(); }
    bool CancelIO(TJvHidOpenExMode Mode);
    bool FlushQueue();
    bool GetFeature(std::uint8_t* Report, std::uint32_t Size);
    bool SetFeature(const std::uint8_t* Report, std::uint32_t Size);
    bool GetInputReport(std::uint8_t* Report, std::uint32_t Size);
    bool SetOutputReport(const std::uint8_t* Report, std::uint32_t Size);
    bool DeviceIoControl(std::uint32_t IoControlCode, const void* InBuffer, std::uint32_t InSize,
                         void* OutBuffer, std::uint32_t OutSize, std::uint32_t& BytesReturned);

    // --- descriptors, strings, parameters ---
    const korvan::sys::hid::HidPreparsedData* GetPreparsedData();
    const korvan::sys::hid::HidPreparsedData* PreparsedData() { return GetPreparsedData(); }
    HIDP_CAPS GetCaps();
    HIDP_CAPS Caps() { return GetCaps(); }
    std::u16string GetVendorName();
    std::u16string GetProductName();
    std::u16string GetSerialNumber();
    std::u16string VendorName() { return GetVendorName(); }
    std::u16string ProductName() { return GetProductName(); }
    std::u16string SerialNumber() { return GetSerialNumber(); }
    std::u16string GetDeviceStringUnicode(std::uint8_t Idx);
    std::string GetDeviceStringAnsi(std::uint8_t Idx);
    const std::vector<std::u16string>& GetLanguageStrings();
    const std::vector<std::u16string>& LanguageStrings() { return GetLanguageStrings(); }
    TJvPhysicalDescriptor GetPhysicalDescriptor();
    TJvPhysicalDescriptor PhysicalDescriptor() { return GetPhysicalDescriptor(); }
    HIDP_LINK_COLLECTION_NODE GetLinkCollectionNode(std::uint16_t Idx);
    HIDD_CONFIGURATION GetConfiguration();
    HIDD_CONFIGURATION Configuration() { return GetConfiguration(); }
    void SetConfiguration(const HIDD_CONFIGURATION& Config);
    int NumInputBuffers() const { return FNumInputBuffers; }
    void SetNumInputBuffers(int Count);
    int NumOverlappedBuffers() const { return FNumOverlappedBuffers; }
    void SetNumOverlappedBuffers(int Count);
    HIDP_REPORT_TYPE ReportTypeParam() const { return FReportTypeParam; }
    void SetReportTypeParam(HIDP_REPORT_TYPE Value);
    std::uint16_t UsagePageParam() const { return FUsagePageParam; }
    void SetUsagePageParam(std::uint16_t Value);
    void GetMax();
    std::uint32_t MaxDataListLength() const { return FMaxDataListLength; }
    std::uint32_t MaxUsageListLength() const { return FMaxUsageListLength; }
    std::uint32_t MaxButtonListLength() const { return FMaxButtonListLength; }
    std::uint16_t LinkCollectionParam = 0;
    std::uint16_t UsageParam = 0;
    int Tag = 0;

    // --- report-parsing wrappers (HIDP_STATUS_NULL when not accessible) ---
    NTSTATUS GetButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count);
    NTSTATUS GetSpecificButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count);
    NTSTATUS GetValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count);
    NTSTATUS GetSpecificValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count);
    NTSTATUS GetData(HIDP_DATA* DataList, std::uint32_t& DataLength, const std::uint8_t* Report,
                     std::uint32_t ReportLength);
    NTSTATUS SetData(HIDP_DATA* DataList, std::uint32_t& DataLength, std::uint8_t* Report,
                     std::uint32_t ReportLength);
    NTSTATUS GetUsages(USAGE* UsageList, std::uint32_t& UsageLength, const std::uint8_t* Report,
                       std::uint32_t ReportLength);
    NTSTATUS GetButtons(USAGE* UsageList, std::uint32_t& UsageLength, const std::uint8_t* Report,
                        std::uint32_t ReportLength);
    NTSTATUS GetUsagesEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength, const std::uint8_t* Report,
                         std::uint32_t ReportLength);
    NTSTATUS GetButtonsEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength, const std::uint8_t* Report,
                          std::uint32_t ReportLength);
    NTSTATUS SetUsages(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                       std::uint32_t ReportLength);
    NTSTATUS SetButtons(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                        std::uint32_t ReportLength);
    NTSTATUS UnsetUsages(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                         std::uint32_t ReportLength);
    NTSTATUS UnsetButtons(USAGE* UsageList, std::uint32_t& UsageLength, std::uint8_t* Report,
                          std::uint32_t ReportLength);
    NTSTATUS GetUsageValue(std::uint32_t& UsageValue, const std::uint8_t* Report, std::uint32_t ReportLength);
    NTSTATUS SetUsageValue(std::uint32_t UsageValue, std::uint8_t* Report, std::uint32_t ReportLength);
    NTSTATUS GetScaledUsageValue(std::int32_t& UsageValue, const std::uint8_t* Report,
                                 std::uint32_t ReportLength);
    NTSTATUS SetScaledUsageValue(std::int32_t UsageValue, std::uint8_t* Report, std::uint32_t ReportLength);
    NTSTATUS GetUsageValueArray(std::uint8_t* UsageValue, std::uint16_t UsageValueByteLength,
                                const std::uint8_t* Report, std::uint32_t ReportLength);
    NTSTATUS SetUsageValueArray(const std::uint8_t* UsageValue, std::uint16_t UsageValueByteLength,
                                std::uint8_t* Report, std::uint32_t ReportLength);
    NTSTATUS GetExtendedAttributes(HIDP_REPORT_TYPE ReportType, std::uint16_t DataIndex,
                                   HIDP_EXTENDED_ATTRIBUTES* Attributes, std::uint32_t& LengthAttributes);
    NTSTATUS InitializeReportForID(HIDP_REPORT_TYPE ReportType, std::uint8_t ReportID, std::uint8_t* Report,
                                   std::uint32_t ReportLength);

private:
    friend class TJvHidDeviceController;
    friend class TJvHidDeviceReadThread;

    // Takes over the PnP information; raises EControllerError when the
    // interface cannot be opened or identified.
    TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> PnPInfo, TJvHidDeviceController* Controller);

    std::shared_ptr<korvan::sys::hid::HidHandle> OpenSync(bool& readWrite) const;
    std::shared_ptr<korvan::sys::hid::HidHandle>& Slot(TJvHidOpenExMode Mode);
    std::shared_ptr<korvan::sys::hid::HidHandle> Handle(TJvHidOpenExMode Mode) const;
    void CloseAll();
    // The output report length, when the descriptor gives it.
    bool OutputTooLong(std::uint32_t Size);
    template <class F> NTSTATUS Parse(F&& call);
    void DoData(const std::uint8_t* Report, std::uint32_t NumBytesRead);
    void DoDataError(std::uint32_t Error);

    TJvHidDeviceController* FMyController = nullptr;
    korvan::sys::hid::HidBackend* FBackend = nullptr;
    korvan::sys::GuiThread* FGui = nullptr;
    korvan::sys::Clock* FClock = nullptr;
    // Read from I/O threads (IsAccessible), changed on the GUI thread.
    std::atomic<bool> FIsPluggedIn{true};
    std::atomic<bool> FIsCheckedOut{false};
    std::atomic<bool> FIsEnumerated{false};
    mutable std::mutex FHandleLock; // guards the three handles, the preparsed data and the write record
    std::shared_ptr<korvan::sys::hid::HidHandle> FHidFileHandle;
    std::shared_ptr<korvan::sys::hid::HidHandle> FHidOverlappedRead;
    std::shared_ptr<korvan::sys::hid::HidHandle> FHidOverlappedWrite;
    // The pending overlapped read (read thread only, result read anywhere).
    struct OverlappedRead {
        std::shared_ptr<korvan::sys::hid::HidHandle> handle;
        std::uint8_t* buffer = nullptr;
        std::uint32_t length = 0;
        TJvHidCompletionRoutine callback;
        bool pending = false;
    } FOvlRead;
    std::atomic<std::uint32_t> FOvlReadResult{0};
    std::atomic<std::uint32_t> FOvlWriteResult{0};
    // A failed overlapped read leaves the handle unusable until reopened.
    std::atomic<int> FOvlReadBroken{0};
    HIDD_ATTRIBUTES FAttributes;
    std::unique_ptr<TJvHidPnPInfo> FPnPInfo;
    std::u16string FVendorName;
    std::u16string FProductName;
    TJvPhysicalDescriptor FPhysicalDescriptor;
    std::shared_ptr<const korvan::sys::hid::HidPreparsedData> FPreparsedData;
    std::u16string FSerialNumber;
    std::vector<std::u16string> FLanguageStrings;
    std::atomic<int> FNumInputBuffers{0};
    std::atomic<int> FNumOverlappedBuffers{0};
    std::atomic<int> FThreadSleepTime{100};
    std::vector<HIDP_LINK_COLLECTION_NODE> FLinkCollection;
    bool FLinkCollectionRead = false;
    std::uint32_t FMaxDataListLength = 0;
    std::uint32_t FMaxUsageListLength = 0;
    std::uint32_t FMaxButtonListLength = 0;
    HIDP_REPORT_TYPE FReportTypeParam = HidP_Input;
    std::uint16_t FUsagePageParam = 0;
    TJvHidDataEvent FData;
    std::atomic<bool> FHasReadWriteAccess{false};
    std::unique_ptr<TJvHidDeviceReadThread> FDataThread;
    std::shared_ptr<char> FLifeToken = std::make_shared<char>();
};
