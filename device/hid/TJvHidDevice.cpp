// Construction, handles, lending and destruction of a HID device.

#include "device/hid/TJvHidDevice.h"

#include "device/hid/HidErrors.h"
#include "device/hid/TJvHidDeviceController.h"
#include "device/hid/TJvHidDeviceReadThread.h"

#include <cerrno>

using korvan::sys::hid::HidAccess;
using korvan::sys::hid::HidHandle;

TJvHidDevice::TJvHidDevice() {
    throw EControllerError("Direct creation of a TJvHidDevice object is not allowed");
}

TJvHidDevice::TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> PnPInfo, TJvHidDeviceController* Controller)
    : FMyController(Controller), FBackend(&Controller->FBackend), FGui(&Controller->FGui),
      FClock(&Controller->FClock), FPnPInfo(std::move(PnPInfo)) {
    SetDataEvent(Controller->FDevDataEvent);
    OnUnplug = Controller->FDevUnplugEvent;
    // Every interface is opened once to identify it; without read and write
    // access an open with no access rights is enough for that.
    bool readWrite = false;
    const std::shared_ptr<HidHandle> handle = OpenSync(readWrite);
    if (!handle)
        throw EControllerError("device cannot be opened");
    FHasReadWriteAccess = readWrite;
    FAttributes.Size = sizeof(HIDD_ATTRIBUTES);
    if (!handle->GetAttributes(FAttributes))
        throw EControllerError("device cannot be identified");
}

TJvHidDevice::~TJvHidDevice() {
    const TJvHidDataEvent data = FData;
    const TJvHidPlugEvent unplug = OnUnplug;
    SetDataEvent(nullptr); // stops the read thread
    OnUnplug = nullptr;
    OnDataError = nullptr;
    CloseAll();
    {
        std::lock_guard lock(FHandleLock);
        FPreparsedData.reset();
    }
    FLanguageStrings.clear();
    if (FMyController)
        FMyController->DeviceDestroyed(this, std::move(FPnPInfo), data, unplug, FThreadSleepTime,
                                       FIsCheckedOut);
}

std::shared_ptr<HidHandle> TJvHidDevice::OpenSync(bool& readWrite) const {
    readWrite = false;
    if (FBackend == nullptr || !FPnPInfo) {
        errno = ENODEV;
        return nullptr;
    }
    if (auto handle = FBackend->Open(FPnPInfo->DevicePath(), HidAccess::ReadWrite)) {
        readWrite = true;
        return handle;
    }
    return FBackend->Open(FPnPInfo->DevicePath(), HidAccess::Identify);
}

std::shared_ptr<HidHandle>& TJvHidDevice::Slot(TJvHidOpenExMode Mode) {
    return Mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite;
}

std::shared_ptr<HidHandle> TJvHidDevice::Handle(TJvHidOpenExMode Mode) const {
    std::lock_guard lock(FHandleLock);
    return Mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite;
}

std::shared_ptr<HidHandle> TJvHidDevice::HidFileHandle() const {
    std::lock_guard lock(FHandleLock);
    return FHidFileHandle;
}

std::shared_ptr<HidHandle> TJvHidDevice::HidOverlappedRead() const {
    return Handle(omhRead);
}
std::shared_ptr<HidHandle> TJvHidDevice::HidOverlappedWrite() const {
    return Handle(omhWrite);
}

bool TJvHidDevice::OpenFile() {
    std::lock_guard lock(FHandleLock);
    if (FHidFileHandle)
        return true;
    if (!IsAccessible()) {
        errno = ENODEV;
        return false;
    }
    bool readWrite = false;
    std::shared_ptr<HidHandle> handle = OpenSync(readWrite);
    if (!handle)
        return false;
    FHasReadWriteAccess = readWrite;
    if (FNumInputBuffers != 0)
        handle->SetNumInputBuffers(std::uint32_t(FNumInputBuffers));
    std::uint32_t count = 0;
    if (handle->GetNumInputBuffers(count))
        FNumInputBuffers = int(count);
    FHidFileHandle = std::move(handle);
    return true;
}

bool TJvHidDevice::OpenFileEx(TJvHidOpenExMode Mode) {
    if (!IsAccessible()) {
        errno = ENODEV;
        return false;
    }
    std::lock_guard lock(FHandleLock);
    std::shared_ptr<HidHandle>& slot = Slot(Mode);
    if (slot)
        return true;
    if (FBackend == nullptr || !FPnPInfo) {
        errno = ENODEV;
        return false;
    }
    std::shared_ptr<HidHandle> handle = FBackend->Open(
        FPnPInfo->DevicePath(), Mode == omhRead ? HidAccess::OverlappedRead : HidAccess::OverlappedWrite);
    if (!handle)
        return false;
    if (Mode == omhRead) {
        FOvlReadBroken = 0;
        if (FNumOverlappedBuffers != 0)
            handle->SetNumInputBuffers(std::uint32_t(FNumOverlappedBuffers.load()));
        std::uint32_t count = 0;
        if (handle->GetNumInputBuffers(count))
            FNumOverlappedBuffers = int(count);
    }
    slot = std::move(handle);
    return true;
}

// A call running on another thread keeps its own reference to the handle;
// a read waiting on it is woken.
void TJvHidDevice::CloseFile() {
    std::shared_ptr<HidHandle> handle;
    {
        std::lock_guard lock(FHandleLock);
        handle = std::move(FHidFileHandle);
        FHidFileHandle.reset();
        FNumInputBuffers = 0;
    }
    if (handle)
        handle->CancelIo();
}

void TJvHidDevice::CloseFileEx(TJvHidOpenExMode Mode) {
    std::shared_ptr<HidHandle> handle;
    {
        std::lock_guard lock(FHandleLock);
        handle = std::move(Slot(Mode));
        Slot(Mode).reset();
        if (Mode == omhRead) {
            FNumOverlappedBuffers = 0;
            FOvlReadBroken = 0;
        }
    }
    if (handle)
        handle->CancelIo();
}

void TJvHidDevice::CloseAll() {
    CloseFile();
    CloseFileEx(omhRead);
    CloseFileEx(omhWrite);
}

bool TJvHidDevice::CheckOut() {
    if (FMyController == nullptr || !FIsPluggedIn || FIsCheckedOut)
        return false;
    FIsCheckedOut = true;
    ++FMyController->FNumCheckedOutDevices;
    --FMyController->FNumCheckedInDevices;
    StartThread();
    return true;
}

void TJvHidDevice::DoUnplug() {
    // Marked first, so that the read thread cannot open a handle again
    // between the close and the mark.
    FIsPluggedIn = false;
    CloseAll();
    // Cleared before it runs: it fires at most once, and the handler may
    // check the device in, which frees it.
    const TJvHidPlugEvent handler = OnUnplug;
    OnUnplug = nullptr;
    if (handler)
        handler(this);
}

void TJvHidDevice::SetDataEvent(const TJvHidDataEvent& Handler) {
    if (!Handler)
        StopThread();
    FData = Handler;
    StartThread();
}

void TJvHidDevice::SetThreadSleepTime(int Value) {
    if (Value >= 10 && Value <= 10000)
        FThreadSleepTime = Value;
}

void TJvHidDevice::StartThread() {
    if (!FData || !FIsPluggedIn || !FIsCheckedOut || !FHasReadWriteAccess || FDataThread || FGui == nullptr)
        return;
    // Reading the capabilities here also caches the descriptor for the
    // threads that write reports later.
    const std::uint16_t length = GetCaps().InputReportByteLength;
    if (length == 0)
        return; // an interface without input reports has nothing to read
    // The read handle is opened here rather than by the thread's first read:
    // a report that comes before a handle is open is gone, so a request
    // written right after a check-out could otherwise lose its reply. A
    // failure is left to the thread's first read, which reports it.
    OpenFileEx(omhRead);
    auto thread =
        std::unique_ptr<TJvHidDeviceReadThread>(new TJvHidDeviceReadThread(this, *FGui, *FClock, length));
    if (thread->Start())
        FDataThread = std::move(thread);
}

void TJvHidDevice::StopThread() {
    if (!FDataThread)
        return;
    // Cleared first, so that a handler running meanwhile sees no thread.
    std::unique_ptr<TJvHidDeviceReadThread> thread = std::move(FDataThread);
    thread->Terminate();
    thread->WaitFor();
}

void TJvHidDevice::DoData(const std::uint8_t* Report, std::uint32_t NumBytesRead) {
    const TJvHidDataEvent handler = FData; // the handler may replace it
    if (handler && NumBytesRead > 0)
        handler(this, Report[0], Report + 1, std::uint16_t(NumBytesRead - 1));
}

void TJvHidDevice::DoDataError(std::uint32_t Error) {
    const TJvHidDataErrorEvent handler = OnDataError;
    if (handler)
        handler(this, Error);
}
