#pragma once
// Runs a simulated unit behind a pseudo-terminal: the editor opens
// SlavePath() as its serial port. A thread of its own reads requests, asks
// the unit for its outputs and writes them (after their delay, measured on the
// given clock), and hangs the line up when an output says so.

#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"
#include "platform/sys/Thread.h"
#include "tests/support/PtyPair.h"
#include "tests/support/SimUnit.h"

#include <atomic>
#include <memory>

namespace korvan::test {

class SimPtyTransport {
public:
    explicit SimPtyTransport(SimUnit& unit, sys::Clock& clock = sys::SystemClock());
    ~SimPtyTransport();
    SimPtyTransport(const SimPtyTransport&) = delete;
    SimPtyTransport& operator=(const SimPtyTransport&) = delete;

    const std::string& SlavePath() const { return pty_.SlavePath(); }
    // Whether the line is up (not hung up by a fault or by HangUp).
    bool IsLinkUp() const { return up_; }
    // Hangs the line up now.
    void HangUp();
    // Writes raw bytes to the editor, outside any request.
    void WriteRaw(const Bytes& bytes);

private:
    void Run();
    void Write(const Bytes& bytes);

    SimUnit& unit_;
    sys::Clock& clock_;
    PtyPair pty_;
    sys::EventSet stop_{1};
    std::atomic<bool> up_{true};
    sys::Thread thread_;
};

} // namespace korvan::test
