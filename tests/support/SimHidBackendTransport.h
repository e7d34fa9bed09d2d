#pragma once
// Runs a simulated unit behind a device of the fake HID backend, so that the
// editor's own HID controller, device and read thread reach it: a thread of
// its own takes each output report the host writes (the frame after the
// report ID, as far as its length byte says), asks the unit for its outputs
// and sends each as input reports (report ID 0, the bytes, zeros up to 65
// bytes), after its delay measured on the given clock.

#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"
#include "platform/sys/Thread.h"
#include "tests/support/FakeHidBackend.h"
#include "tests/support/SimUnit.h"

#include <atomic>

namespace korvan::test {

class SimHidBackendTransport {
public:
    static constexpr std::size_t InputReportLength = 65;

    SimHidBackendTransport(SimUnit& unit, FakeHidUnit device, sys::Clock& clock = sys::SystemClock());
    ~SimHidBackendTransport();
    SimHidBackendTransport(const SimHidBackendTransport&) = delete;
    SimHidBackendTransport& operator=(const SimHidBackendTransport&) = delete;

    // Sends raw bytes to the editor as input reports, outside any request.
    void WriteRaw(const Bytes& bytes);

private:
    void Run();

    SimUnit& unit_;
    FakeHidUnit device_;
    sys::Clock& clock_;
    std::atomic<bool> stop_{false};
    sys::EventSet stopEvent_{1};
    sys::Thread thread_;
};

} // namespace korvan::test
