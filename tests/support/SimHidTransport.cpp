#include "tests/support/SimHidTransport.h"

#include "device/link/UsbReports.h"
#include "tests/support/SimOutputs.h"

#include <algorithm>

namespace korvan::test {

namespace {
constexpr int StopEvent = 0;
} // namespace

SimHidTransport::SimHidTransport(SimUnit& unit, FakeHidReportChannel& channel, sys::Clock& clock)
    : unit_(unit), channel_(channel), clock_(clock) {
    thread_.Start([this] { Run(); });
}

SimHidTransport::~SimHidTransport() {
    stop_.Signal(StopEvent);
    Unplug();
    thread_.Join(sys::EventSet::Infinite);
}

void SimHidTransport::Unplug() {
    plugged_ = false;
    channel_.ShutdownDevice();
}

void SimHidTransport::WriteRaw(const Bytes& bytes) {
    const std::size_t chunk = channel_.InputReportLength() - 1;
    for (std::size_t done = 0; done < bytes.size(); done += chunk) {
        Bytes report(channel_.InputReportLength(), 0);
        report[0] = UsbReportId;
        const std::size_t n = std::min(chunk, bytes.size() - done);
        std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(done),
                  bytes.begin() + static_cast<std::ptrdiff_t>(done + n), report.begin() + 1);
        if (!channel_.WriteInputReport(report))
            return;
    }
}

void SimHidTransport::Run() {
    while (auto report = channel_.ReadOutputReport()) {
        if (report->size() < 2 || (*report)[0] != UsbReportId)
            continue;
        const std::uint8_t* data = report->data() + 1;
        const std::size_t length = InputReportFrameLength(data, report->size() - 1);
        const auto result = CarryOut(unit_.Feed(data, length), stop_, StopEvent, clock_,
                                     [this](const Bytes& bytes) { WriteRaw(bytes); });
        if (result == SimOutputResult::Stopped)
            return;
        if (result == SimOutputResult::Dropped) {
            Unplug();
            return;
        }
    }
}

} // namespace korvan::test
