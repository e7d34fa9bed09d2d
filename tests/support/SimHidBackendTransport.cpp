#include "tests/support/SimHidBackendTransport.h"

#include "device/link/UsbReports.h"
#include "tests/support/SimOutputs.h"

#include <algorithm>
#include <chrono>

namespace korvan::test {

namespace {
constexpr int StopEvent = 0;
// How long one wait for an output report lasts before the thread looks at
// its stop flag again.
constexpr std::chrono::milliseconds ReportWait{200};
} // namespace

SimHidBackendTransport::SimHidBackendTransport(SimUnit& unit, FakeHidUnit device, sys::Clock& clock)
    : unit_(unit), device_(std::move(device)), clock_(clock) {
    thread_.Start([this] { Run(); });
}

SimHidBackendTransport::~SimHidBackendTransport() {
    stop_ = true;
    stopEvent_.Signal(StopEvent);
    thread_.Join(sys::EventSet::Infinite);
}

void SimHidBackendTransport::WriteRaw(const Bytes& bytes) {
    const std::size_t chunk = InputReportLength - 1;
    for (std::size_t done = 0; done < bytes.size(); done += chunk) {
        Bytes report(InputReportLength, 0);
        report[0] = UsbReportId;
        const std::size_t n = std::min(chunk, bytes.size() - done);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(done), n, report.begin() + 1);
        device_.SendInputReport(report);
    }
}

void SimHidBackendTransport::Run() {
    while (!stop_ && device_.Plugged()) {
        const auto report = device_.WaitOutputReport(ReportWait);
        if (!report || report->size() < 2 || (*report)[0] != UsbReportId)
            continue;
        const std::uint8_t* data = report->data() + 1;
        const std::size_t length = InputReportFrameLength(data, report->size() - 1);
        if (CarryOut(unit_.Feed(data, length), stopEvent_, StopEvent, clock_,
                     [this](const Bytes& bytes) { WriteRaw(bytes); }) != SimOutputResult::Done)
            return;
    }
}

} // namespace korvan::test
