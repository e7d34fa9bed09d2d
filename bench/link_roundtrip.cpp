// Round trips per second of the serial link against the simulated unit on a
// pseudo-terminal, and the editor-side turnaround: from reading a reply's
// last byte to writing the next request's first byte (the reply goes through
// the synchronous hand-over to the GUI thread, whose handler queues the next
// request). The reference is the same exchange done by a bare loop on the
// port with no engine, threads or hand-over.

#include "device/link/LCommProc.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"
#include "platform/sys/SerialPort.h"
#include "tests/support/RecordingLinkOwner.h"
#include "tests/support/SimPtyTransport.h"
#include "tests/support/SimUnit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <poll.h>
#include <vector>

using Steady = std::chrono::steady_clock;

namespace {

constexpr int RoundTrips = 3000;
constexpr int Port = 1;

// Notes when the I/O thread read bytes and when it wrote a frame.
class TurnaroundProbe final : public korvan::LinkProbe {
public:
    void OnBytesRead(std::size_t) override { lastRead_ = Steady::now(); }
    void OnFrameWritten(const std::uint8_t*, std::size_t) override {
        if (lastRead_ == Steady::time_point{})
            return;
        samples_.push_back(std::chrono::duration<double, std::micro>(Steady::now() - lastRead_).count());
        lastRead_ = {};
    }
    std::vector<double> Samples() const { return samples_; }

private:
    Steady::time_point lastRead_{};
    std::vector<double> samples_; // written and read on the I/O thread, read after it ended
};

korvan::test::Bytes Request(int i) {
    return BuildFrame(CM_MCS_CMD(1, MCS_READ_STATE_PAGE, static_cast<std::uint8_t>(i % 29)));
}

double EngineRoundTrips(TurnaroundProbe& probe) {
    korvan::test::SimUnit unit;
    korvan::test::SimPtyTransport line(unit);
    korvan::test::RecordingLinkOwner owner;
    owner.ports.SetOverride(Port, line.SlavePath());
    LCommProc link(owner);
    if (!link.Open(Port, 115200, 8, korvan::sys::Parity::None, korvan::sys::StopBits::One)) {
        std::fprintf(stderr, "cannot open the pty\n");
        return 0;
    }
    link.SetTimeout(5000);
    link.SetProbe(&probe);
    int replies = 0;
    owner.onFrame = [&](const korvan::LinkFrameMessage&) {
        if (++replies < RoundTrips)
            link.SendQueued(Request(replies), true);
        else
            owner.gui.Quit();
    };
    const auto start = Steady::now();
    link.SendQueued(Request(0), true);
    owner.gui.Run();
    const double seconds = std::chrono::duration<double>(Steady::now() - start).count();
    link.Close();
    return replies / seconds;
}

double BareRoundTrips() {
    korvan::test::SimUnit unit;
    korvan::test::SimPtyTransport line(unit);
    korvan::sys::SerialPort port;
    if (!port.Open(line.SlavePath(), {})) {
        std::fprintf(stderr, "cannot open the pty: %s\n", port.Error().c_str());
        return 0;
    }
    std::vector<std::uint8_t> received;
    const auto start = Steady::now();
    for (int i = 0; i < RoundTrips; ++i) {
        const auto request = Request(i);
        port.Write(request.data(), request.size());
        received.clear();
        while (received.size() < 5 || received.size() < static_cast<std::size_t>(received[4]) + 8) {
            pollfd p{port.Fd(), POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0 || !port.ReadAvailable(received))
                return 0;
        }
    }
    return RoundTrips / std::chrono::duration<double>(Steady::now() - start).count();
}

} // namespace

int main() {
    TurnaroundProbe probe;
    const double engine = EngineRoundTrips(probe);
    const double bare = BareRoundTrips();
    auto samples = probe.Samples();
    std::sort(samples.begin(), samples.end());
    std::printf("link_roundtrip: %d state-page requests over a pty, 60-byte replies\n", RoundTrips);
    std::printf("  engine:    %8.0f round trips/s\n", engine);
    std::printf("  reference: %8.0f round trips/s (bare port loop, no engine)\n", bare);
    std::printf("  ratio engine/reference: %.2f\n", bare > 0 ? engine / bare : 0.0);
    if (!samples.empty())
        std::printf(
            "  reply read -> next request written: min %.1f us, median %.1f us, p99 %.1f us, max %.1f us "
            "(%zu samples)\n",
            samples.front(), samples[samples.size() / 2], samples[samples.size() * 99 / 100], samples.back(),
            samples.size());
    return 0;
}
