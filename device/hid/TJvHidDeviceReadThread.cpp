#include "device/hid/TJvHidDeviceReadThread.h"

#include "device/hid/HidErrors.h"
#include "device/hid/TJvHidDevice.h"

#include <algorithm>
#include <cerrno>

using korvan::sys::EventSet;
using korvan::sys::HandOver;

TJvHidDeviceReadThread::TJvHidDeviceReadThread(bool) {
    throw EControllerError("Direct creation of a TJvDeviceReadThread object is not allowed");
}

TJvHidDeviceReadThread::TJvHidDeviceReadThread(TJvHidDevice* Dev, korvan::sys::GuiThread& Gui,
                                               korvan::sys::Clock& Clock, std::uint16_t ReportLength)
    : Device(Dev), Report(ReportLength), FGui(&Gui), FClock(&Clock),
      FEvents(std::make_shared<EventSet>(2, EventSet::Bit(kQuit))) {}

TJvHidDeviceReadThread::~TJvHidDeviceReadThread() {
    Terminate();
    WaitFor();
}

bool TJvHidDeviceReadThread::Start() {
    return FThread.Start([this] { Execute(); });
}

void TJvHidDeviceReadThread::Terminate() {
    FTerminated = true;
    FEvents->Signal(kQuit);
    Device->CancelIO(omhRead);
}

void TJvHidDeviceReadThread::WaitFor() {
    FThread.Join(EventSet::Infinite);
}

void TJvHidDeviceReadThread::Execute() {
    std::uint32_t lastWait = WAIT_IO_COMPLETION;
    while (!Terminated()) {
        lastWait = WAIT_IO_COMPLETION;
        std::fill(Report.begin(), Report.end(), std::uint8_t(0));
        if (!Device->ReadFileEx(Report.data(), std::uint32_t(Report.size()),
                                [](std::uint32_t, std::uint32_t) {})) {
            FErr = errno != 0 ? std::uint32_t(errno) : EIO;
            DoDataError();
            // Wait the sleep time before the next try rather than hand
            // errors over back to back; a stop ends the wait at once.
            FEvents->Wait(EventSet::Bit(kQuit), Device->ThreadSleepTime(), *FClock);
            continue;
        }
        while (!Terminated()) {
            lastWait = Device->SleepEx(std::uint32_t(Device->ThreadSleepTime()));
            if (lastWait == WAIT_IO_COMPLETION)
                break;
        }
        if (!Terminated()) {
            NumBytesRead =
                std::min<std::uint32_t>(Device->HidOverlappedReadResult(), std::uint32_t(Report.size()));
            if (NumBytesRead > 0)
                DoData();
        }
    }
    if (lastWait != WAIT_IO_COMPLETION)
        Device->CancelIO(omhRead);
    Device->FOvlRead = {}; // a read still pending holds the handle open
}

// The hand-over owns a copy of the report: after a stop the handler may
// still be running while this thread is gone.
void TJvHidDeviceReadThread::DoData() {
    auto report = std::make_shared<std::vector<std::uint8_t>>(Report.begin(), Report.begin() + NumBytesRead);
    TJvHidDevice* device = Device;
    HandOver(
        *FGui, [device, report] { device->DoData(report->data(), std::uint32_t(report->size())); }, FEvents,
        kQuit, kHandedOver);
}

void TJvHidDeviceReadThread::DoDataError() {
    TJvHidDevice* device = Device;
    const std::uint32_t error = FErr;
    HandOver(
        *FGui, [device, error] { device->DoDataError(error); }, FEvents, kQuit, kHandedOver);
}
