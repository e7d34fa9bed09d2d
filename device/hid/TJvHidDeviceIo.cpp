// Report input and output of a HID device.

#include "device/hid/TJvHidDevice.h"

#include <cerrno>

using korvan::sys::hid::HidHandle;
using korvan::sys::hid::ReadWait;

bool TJvHidDevice::OutputTooLong(std::uint32_t Size) {
    const korvan::sys::hid::HidPreparsedData* data = GetPreparsedData();
    return data != nullptr && Size > data->reportByteLength[HidP_Output];
}

bool TJvHidDevice::ReadFile(std::uint8_t* Report, std::uint32_t ToRead, std::uint32_t& BytesRead) {
    BytesRead = 0;
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    std::size_t n = 0;
    const bool ok = handle && handle->Read(Report, ToRead, n);
    BytesRead = std::uint32_t(n);
    return ok;
}

// A report longer than the device's output report is refused rather than
// cut or passed on.
bool TJvHidDevice::WriteFile(const std::uint8_t* Report, std::uint32_t ToWrite, std::uint32_t& BytesWritten) {
    BytesWritten = 0;
    if (OutputTooLong(ToWrite)) {
        errno = EMSGSIZE;
        return false;
    }
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    std::size_t n = 0;
    const bool ok = handle && handle->Write(Report, ToWrite, n);
    BytesWritten = std::uint32_t(n);
    return ok;
}

bool TJvHidDevice::ReadFileEx(std::uint8_t* Report, std::uint32_t ToRead, TJvHidCompletionRoutine CallBack) {
    if (!OpenFileEx(omhRead))
        return false;
    // After a failed read the handle gives nothing more until it is reopened.
    if (const int error = FOvlReadBroken) {
        errno = error;
        return false;
    }
    FOvlRead = {Handle(omhRead), Report, ToRead, std::move(CallBack), true};
    FOvlReadResult = 0;
    return FOvlRead.handle != nullptr;
}

std::uint32_t TJvHidDevice::SleepEx(std::uint32_t Ms) {
    if (!FOvlRead.pending || !FOvlRead.handle)
        return 0;
    std::size_t n = 0;
    std::uint32_t error = 0;
    switch (FOvlRead.handle->ReadTimed(FOvlRead.buffer, FOvlRead.length, int(Ms), n)) {
    case ReadWait::TimedOut:
        return 0;
    case ReadWait::Report:
        break;
    case ReadWait::Cancelled:
        error = ECANCELED;
        break;
    case ReadWait::Failed:
        error = errno != 0 ? std::uint32_t(errno) : EIO;
        FOvlReadBroken = int(error);
        break;
    }
    FOvlRead.pending = false;
    FOvlRead.handle.reset();
    FOvlReadResult = std::uint32_t(n);
    const TJvHidCompletionRoutine routine = std::move(FOvlRead.callback);
    FOvlRead.callback = nullptr;
    if (routine)
        routine(error, std::uint32_t(n));
    return WAIT_IO_COMPLETION;
}

bool TJvHidDevice::WriteFileEx(const std::uint8_t* Report, std::uint32_t ToWrite,
                               TJvHidCompletionRoutine CallBack) {
    if (OutputTooLong(ToWrite)) {
        errno = EMSGSIZE;
        return false;
    }
    if (!OpenFileEx(omhWrite))
        return false;
    const std::shared_ptr<HidHandle> handle = Handle(omhWrite);
    std::size_t n = 0;
    const bool ok = handle && handle->Write(Report, ToWrite, n);
    const std::uint32_t error = ok ? 0 : std::uint32_t(errno);
    FOvlWriteResult = std::uint32_t(n);
    if (CallBack)
        CallBack(error, std::uint32_t(n));
    return ok;
}

std::uint32_t TJvHidDevice::GetOverlappedReadResult() const {
    return Handle(omhRead) ? FOvlReadResult.load() : 0;
}

std::uint32_t TJvHidDevice::GetOverlappedWriteResult() const {
    return Handle(omhWrite) ? FOvlWriteResult.load() : 0;
}

bool TJvHidDevice::CancelIO(TJvHidOpenExMode Mode) {
    const std::shared_ptr<HidHandle> handle = Handle(Mode);
    if (!handle)
        return false;
    handle->CancelIo();
    return true;
}

bool TJvHidDevice::FlushQueue() {
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    return handle && handle->FlushQueue();
}

bool TJvHidDevice::GetFeature(std::uint8_t* Report, std::uint32_t Size) {
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    return handle && handle->GetFeature(Report, Size);
}

bool TJvHidDevice::SetFeature(const std::uint8_t* Report, std::uint32_t Size) {
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    return handle && handle->SetFeature(Report, Size);
}

bool TJvHidDevice::GetInputReport(std::uint8_t* Report, std::uint32_t Size) {
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    return handle && handle->GetInputReport(Report, Size);
}

bool TJvHidDevice::SetOutputReport(const std::uint8_t* Report, std::uint32_t Size) {
    if (OutputTooLong(Size)) {
        errno = EMSGSIZE;
        return false;
    }
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    return handle && handle->SetOutputReport(Report, Size);
}

bool TJvHidDevice::DeviceIoControl(std::uint32_t IoControlCode, const void* InBuffer, std::uint32_t InSize,
                                   void* OutBuffer, std::uint32_t OutSize, std::uint32_t& BytesReturned) {
    BytesReturned = 0;
    if (!OpenFile())
        return false;
    const std::shared_ptr<HidHandle> handle = HidFileHandle();
    std::size_t n = 0;
    const bool ok = handle && handle->IoControl(IoControlCode, InBuffer, InSize, OutBuffer, OutSize, n);
    BytesReturned = std::uint32_t(n);
    return ok;
}
