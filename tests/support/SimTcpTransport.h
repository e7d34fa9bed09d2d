#pragma once
// Runs a simulated unit as a TCP server on 127.0.0.1, the way the network
// unit listens: one connection at a time; when it ends (the editor closes it,
// or a fault or HangUp drops it) the next one is accepted. A thread of its own
// reads requests, asks the unit for its outputs and writes them after their
// delay, measured on the given clock.

#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"
#include "platform/sys/Thread.h"
#include "tests/support/SimUnit.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace korvan::test {

class SimTcpTransport {
public:
    // Listens on 127.0.0.1:`port`; port 0 takes a free port (see Port).
    // Throws std::runtime_error when it cannot listen.
    explicit SimTcpTransport(SimUnit& unit, std::uint16_t port = 0, sys::Clock& clock = sys::SystemClock());
    ~SimTcpTransport();
    SimTcpTransport(const SimTcpTransport&) = delete;
    SimTcpTransport& operator=(const SimTcpTransport&) = delete;

    std::uint16_t Port() const { return port_; }
    // Connections accepted so far, and whether one is up now.
    std::size_t Connections() const;
    bool IsConnected() const;
    // Waits (real time) until `count` connections were accepted in all.
    bool WaitForConnections(std::size_t count,
                            std::chrono::milliseconds bound = std::chrono::seconds(5)) const;
    // Drops the connection that is up, if any (the editor sees the peer
    // close).
    void HangUp();
    // Writes raw bytes to the editor, outside any request.
    void WriteRaw(const Bytes& bytes);

private:
    void Run();
    void Write(const Bytes& bytes);
    void CloseConnection();

    SimUnit& unit_;
    sys::Clock& clock_;
    int listen_ = -1;
    std::uint16_t port_ = 0;
    mutable std::mutex mutex_; // guards conn_ against the test thread
    mutable std::condition_variable accepted_;
    int conn_ = -1;
    std::size_t connections_ = 0;
    sys::EventSet stop_{1};
    sys::Thread thread_;
};

} // namespace korvan::test
