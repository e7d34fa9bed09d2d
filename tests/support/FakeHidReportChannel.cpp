#include "tests/support/FakeHidReportChannel.h"

#include <cerrno>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace korvan::test {

FakeHidReportChannel::FakeHidReportChannel(std::size_t outputReportLength, std::size_t inputReportLength)
    : outputLength_(outputReportLength), inputLength_(inputReportLength) {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) != 0)
        throw std::runtime_error("FakeHidReportChannel: no socket pair");
    host_ = fds[0];
    device_ = fds[1];
}

FakeHidReportChannel::~FakeHidReportChannel() {
    ::close(host_);
    ::close(device_);
}

bool FakeHidReportChannel::Write(int fd, const Bytes& report, std::size_t length) {
    if (report.size() != length)
        return false;
    for (;;) {
        const ssize_t n = ::send(fd, report.data(), report.size(), MSG_NOSIGNAL);
        if (n >= 0)
            return static_cast<std::size_t>(n) == report.size();
        if (errno != EINTR)
            return false;
    }
}

std::optional<Bytes> FakeHidReportChannel::Read(int fd, std::size_t length) {
    // One byte more than a report shows a packet that is too long.
    Bytes report(length + 1);
    for (;;) {
        const ssize_t n = ::recv(fd, report.data(), report.size(), 0);
        if (n > 0) {
            report.resize(static_cast<std::size_t>(n));
            return report;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return std::nullopt;
    }
}

bool FakeHidReportChannel::WriteOutputReport(const Bytes& report) {
    return Write(host_, report, outputLength_);
}
std::optional<Bytes> FakeHidReportChannel::ReadInputReport() {
    return Read(host_, inputLength_);
}
bool FakeHidReportChannel::WriteInputReport(const Bytes& report) {
    return Write(device_, report, inputLength_);
}
std::optional<Bytes> FakeHidReportChannel::ReadOutputReport() {
    return Read(device_, outputLength_);
}

void FakeHidReportChannel::ShutdownHost() {
    ::shutdown(host_, SHUT_RDWR);
}
void FakeHidReportChannel::ShutdownDevice() {
    ::shutdown(device_, SHUT_RDWR);
}

} // namespace korvan::test
