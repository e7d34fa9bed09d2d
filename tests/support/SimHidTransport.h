#pragma once
// Runs a simulated unit behind the device end of a fake HID report channel:
// a thread of its own reads each output report, takes the frame after the
// report ID (as far as its length byte says), asks the unit for its outputs
// and writes each as input reports (report ID 0, the bytes, zeros up to the
// input report length), after its delay measured on the given clock. A
// dropped link unplugs the device.

#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"
#include "platform/sys/Thread.h"
#include "tests/support/FakeHidReportChannel.h"
#include "tests/support/SimUnit.h"

#include <atomic>

namespace korvan::test {

class SimHidTransport {
public:
    SimHidTransport(SimUnit& unit, FakeHidReportChannel& channel, sys::Clock& clock = sys::SystemClock());
    // Unplugs the device.
    ~SimHidTransport();
    SimHidTransport(const SimHidTransport&) = delete;
    SimHidTransport& operator=(const SimHidTransport&) = delete;

    bool IsPluggedIn() const { return plugged_; }
    // Shuts the device end down: the host reads nothing more.
    void Unplug();
    // Writes raw bytes to the editor as input reports, outside any request.
    void WriteRaw(const Bytes& bytes);

private:
    void Run();

    SimUnit& unit_;
    FakeHidReportChannel& channel_;
    sys::Clock& clock_;
    std::atomic<bool> plugged_{true};
    sys::EventSet stop_{1};
    sys::Thread thread_;
};

} // namespace korvan::test
