#include "tests/support/SimTcpTransport.h"

#include "tests/support/SimOutputs.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace korvan::test {

namespace {
constexpr int StopEvent = 0;
constexpr int ReadableEvent = 1; // the listening or connected socket
} // namespace

SimTcpTransport::SimTcpTransport(SimUnit& unit, std::uint16_t port, sys::Clock& clock)
    : unit_(unit), clock_(clock) {
    listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listen_ < 0)
        throw std::runtime_error("SimTcpTransport: no socket");
    int one = 1;
    ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(listen_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listen_, 4) != 0 ||
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(listen_);
        throw std::runtime_error("SimTcpTransport: cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_.Start([this] { Run(); });
}

SimTcpTransport::~SimTcpTransport() {
    stop_.Signal(StopEvent);
    thread_.Join(sys::EventSet::Infinite);
    CloseConnection();
    ::close(listen_);
}

bool SimTcpTransport::IsConnected() const {
    std::lock_guard lock(mutex_);
    return conn_ >= 0;
}

std::size_t SimTcpTransport::Connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

bool SimTcpTransport::WaitForConnections(std::size_t count, std::chrono::milliseconds bound) const {
    std::unique_lock lock(mutex_);
    return accepted_.wait_for(lock, bound, [&] { return connections_ >= count; });
}

void SimTcpTransport::HangUp() {
    std::lock_guard lock(mutex_);
    // The server thread sees the end and closes the socket.
    if (conn_ >= 0)
        ::shutdown(conn_, SHUT_RDWR);
}

void SimTcpTransport::WriteRaw(const Bytes& bytes) {
    Write(bytes);
}

void SimTcpTransport::Write(const Bytes& bytes) {
    std::lock_guard lock(mutex_);
    std::size_t done = 0;
    while (conn_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::send(conn_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return;
    }
}

void SimTcpTransport::CloseConnection() {
    std::lock_guard lock(mutex_);
    if (conn_ >= 0) {
        ::close(conn_);
        conn_ = -1;
    }
}

void SimTcpTransport::Run() {
    std::uint8_t buffer[512];
    for (;;) {
        const int fd = conn_ >= 0 ? conn_ : listen_;
        const int woke = stop_.Wait(sys::EventSet::Bit(StopEvent) | sys::EventSet::Bit(ReadableEvent),
                                    sys::EventSet::Infinite, clock_, fd, ReadableEvent);
        if (woke != ReadableEvent)
            return;
        if (conn_ < 0) {
            const int accepted = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            if (accepted >= 0) {
                std::lock_guard lock(mutex_);
                conn_ = accepted;
                ++connections_;
                accepted_.notify_all();
            }
            continue;
        }
        const ssize_t n = ::recv(conn_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            CloseConnection();
            continue;
        }
        const auto result = CarryOut(unit_.Feed(buffer, static_cast<std::size_t>(n)), stop_, StopEvent,
                                     clock_, [this](const Bytes& bytes) { Write(bytes); });
        if (result == SimOutputResult::Stopped)
            return;
        if (result == SimOutputResult::Dropped)
            CloseConnection();
    }
}

} // namespace korvan::test
