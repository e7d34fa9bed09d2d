#include "platform/sys/hid/FdReportChannel.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvan::sys::hid {

FdReportChannel::FdReportChannel(int fd, bool prefixReportId)
    : fd_(fd), cancelFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)), prefixReportId_(prefixReportId) {
    struct stat st {};
    isSocket_ = fstat(fd_, &st) == 0 && S_ISSOCK(st.st_mode);
}

FdReportChannel::~FdReportChannel() {
    if (fd_ >= 0)
        close(fd_);
    if (cancelFd_ >= 0)
        close(cancelFd_);
}

// A cancel that comes just before a read starts ends that read: a stop
// request is never lost in the gap before the wait.
void FdReportChannel::CancelIo() {
    if (cancelFd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t n = write(cancelFd_, &one, sizeof one);
    }
}

ReadWait FdReportChannel::Wait(int timeoutMs) {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {cancelFd_, POLLIN, 0}};
    int n;
    do {
        n = poll(fds, cancelFd_ >= 0 ? 2 : 1, timeoutMs);
    } while (n < 0 && errno == EINTR);
    const int pollErrno = errno;
    std::uint64_t drained;
    while (cancelFd_ >= 0 && read(cancelFd_, &drained, sizeof drained) > 0) {
    }
    if (n < 0) {
        errno = pollErrno;
        return ReadWait::Failed;
    }
    if (n == 0)
        return ReadWait::TimedOut;
    if (fds[0].revents != 0)
        return ReadWait::Report; // data, or an error/hang-up the read reports
    return ReadWait::Cancelled;
}

bool FdReportChannel::ReadOne(std::uint8_t* report, std::size_t length, std::size_t& bytesRead) {
    bytesRead = 0;
    if (report == nullptr || length == 0) {
        errno = EINVAL;
        return false;
    }
    std::uint8_t* into = report;
    std::size_t room = length;
    if (prefixReportId_) {
        report[0] = 0;
        ++into;
        --room;
    }
    ssize_t n;
    do {
        n = read(fd_, into, room);
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    if (n == 0 && room > 0) { // the other end is gone: the device was unplugged
        errno = EIO;
        return false;
    }
    bytesRead = std::size_t(n) + (prefixReportId_ ? 1 : 0);
    return true;
}

bool FdReportChannel::Read(std::uint8_t* report, std::size_t length, std::size_t& bytesRead) {
    bytesRead = 0;
    for (;;) {
        switch (Wait(-1)) {
        case ReadWait::Report:
            return ReadOne(report, length, bytesRead);
        case ReadWait::Cancelled:
            errno = ECANCELED;
            return false;
        case ReadWait::Failed:
            return false;
        case ReadWait::TimedOut:
            break;
        }
    }
}

ReadWait FdReportChannel::ReadTimed(std::uint8_t* report, std::size_t length, int timeoutMs,
                                    std::size_t& bytesRead) {
    bytesRead = 0;
    const ReadWait w = Wait(timeoutMs);
    if (w != ReadWait::Report)
        return w;
    return ReadOne(report, length, bytesRead) ? ReadWait::Report : ReadWait::Failed;
}

bool FdReportChannel::Write(const std::uint8_t* report, std::size_t length, std::size_t& bytesWritten) {
    bytesWritten = 0;
    if (report == nullptr || length == 0) {
        errno = EINVAL;
        return false;
    }
    ssize_t n;
    do {
        // A socket whose other end is gone must fail the write, not raise SIGPIPE.
        n = isSocket_ ? send(fd_, report, length, MSG_NOSIGNAL) : write(fd_, report, length);
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    bytesWritten = std::size_t(n);
    return true;
}

bool FdReportChannel::Flush() {
    std::uint8_t scratch[4096];
    for (;;) {
        pollfd p{fd_, POLLIN, 0};
        const int n = poll(&p, 1, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0 || !(p.revents & POLLIN))
            return true;
        if (read(fd_, scratch, sizeof scratch) <= 0)
            return true;
    }
}

} // namespace korvan::sys::hid
