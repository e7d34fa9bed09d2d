#pragma once
// The read thread of a checked-out device: it reads input reports through
// the device's overlapped read handle and hands each one to the GUI thread,
// waiting until the data handler has returned. Read errors go the same way
// to the error handler. Stopping never blocks on a delivery: a report not
// yet handed over is dropped, and a handler already running finishes on its
// own copy of the report.

#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"
#include "platform/sys/GuiThread.h"
#include "platform/sys/Thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class TJvHidDevice;

class TJvHidDeviceReadThread {
public:
    // Only a device creates its read thread.
    explicit TJvHidDeviceReadThread(bool CreateSuspended);
    // Stops the thread if it still runs.
    ~TJvHidDeviceReadThread();
    TJvHidDeviceReadThread(const TJvHidDeviceReadThread&) = delete;
    TJvHidDeviceReadThread& operator=(const TJvHidDeviceReadThread&) = delete;

private:
    friend class TJvHidDevice;

    TJvHidDeviceReadThread(TJvHidDevice* Dev, korvan::sys::GuiThread& Gui, korvan::sys::Clock& Clock,
                           std::uint16_t ReportLength);
    bool Start();
    // Asks the thread to end: at once from a wait or a hand-over, within one
    // sleep time from a read.
    void Terminate();
    void WaitFor();
    bool Terminated() const { return FTerminated; }
    void Execute();
    void DoData();
    void DoDataError();

    // Events of the hand-overs and waits: Quit stays set once set.
    static constexpr int kQuit = 0;
    static constexpr int kHandedOver = 1;

    std::uint32_t FErr = 0;
    TJvHidDevice* Device = nullptr;
    std::uint32_t NumBytesRead = 0;
    std::vector<std::uint8_t> Report;
    korvan::sys::GuiThread* FGui = nullptr;
    korvan::sys::Clock* FClock = nullptr;
    std::shared_ptr<korvan::sys::EventSet> FEvents;
    std::atomic<bool> FTerminated{false};
    korvan::sys::Thread FThread;
};
