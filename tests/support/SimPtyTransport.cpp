#include "tests/support/SimPtyTransport.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace korvan::test {

namespace {
constexpr int StopEvent = 0;
constexpr int ReadableEvent = 1; // the master descriptor, numbered after stop
} // namespace

SimPtyTransport::SimPtyTransport(SimUnit& unit, sys::Clock& clock) : unit_(unit), clock_(clock) {
    thread_.Start([this] { Run(); });
}

SimPtyTransport::~SimPtyTransport() {
    stop_.Signal(StopEvent);
    thread_.Join(sys::EventSet::Infinite);
}

void SimPtyTransport::HangUp() {
    stop_.Signal(StopEvent);
    thread_.Join(sys::EventSet::Infinite);
    up_ = false;
    pty_.CloseMaster();
}

void SimPtyTransport::WriteRaw(const Bytes& bytes) {
    Write(bytes);
}

void SimPtyTransport::Write(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size() && pty_.MasterFd() >= 0) {
        const ssize_t n = ::write(pty_.MasterFd(), bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{pty_.MasterFd(), POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0)
                return;
        } else {
            return;
        }
    }
}

void SimPtyTransport::Run() {
    std::uint8_t buffer[512];
    for (;;) {
        const int woke = stop_.Wait(sys::EventSet::Bit(StopEvent) | sys::EventSet::Bit(ReadableEvent),
                                    sys::EventSet::Infinite, clock_, pty_.MasterFd(), ReadableEvent);
        if (woke != ReadableEvent)
            return;
        const ssize_t n = ::read(pty_.MasterFd(), buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            // No one holds the line any more; wait for the stop.
            stop_.Wait(sys::EventSet::Bit(StopEvent), sys::EventSet::Infinite);
            return;
        }
        for (const SimOutput& output : unit_.Feed(buffer, static_cast<std::size_t>(n))) {
            if (output.delayMs > 0 &&
                stop_.Wait(sys::EventSet::Bit(StopEvent), output.delayMs, clock_) == StopEvent)
                return;
            if (output.dropLink) {
                up_ = false;
                pty_.CloseMaster();
                stop_.Wait(sys::EventSet::Bit(StopEvent), sys::EventSet::Infinite);
                return;
            }
            Write(output.bytes);
        }
    }
}

} // namespace korvan::test
