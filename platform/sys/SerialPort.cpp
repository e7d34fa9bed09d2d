#include "platform/sys/SerialPort.h"
#include "platform/sys/SerialRate.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace korvan::sys {

namespace {

struct RateEntry {
    int rate;
    speed_t speed;
};

// Rates of the termios speed table; every other rate goes through the
// arbitrary-rate interface.
constexpr RateEntry kRates[] = {{1200, B1200},     {1800, B1800},    {2400, B2400},   {4800, B4800},
                                {9600, B9600},     {19200, B19200},  {38400, B38400}, {57600, B57600},
                                {115200, B115200}, {230400, B230400}};

bool SpeedOf(int rate, speed_t& speed) {
    for (const auto& entry : kRates)
        if (entry.rate == rate) {
            speed = entry.speed;
            return true;
        }
    return false;
}

} // namespace

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::IsSupportedBaudRate(int baudRate) {
    return baudRate > 0;
}

bool SerialPort::Fail(const std::string& what) {
    error_ = what + ": " + std::strerror(errno);
    Close();
    return false;
}

bool SerialPort::Open(const std::string& path, const SerialSettings& settings) {
    Close();
    error_.clear();
    if (!IsSupportedBaudRate(settings.baudRate)) {
        error_ = "unsupported baud rate " + std::to_string(settings.baudRate);
        return false;
    }
    if (settings.byteSize < 5 || settings.byteSize > 8) {
        error_ = "unsupported byte size " + std::to_string(settings.byteSize);
        return false;
    }
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return Fail("open " + path);
    // Exclusive: an advisory lock that every holder of ours takes, and the
    // terminal's own exclusive mode against other programs.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return Fail("port in use " + path);
    if (::ioctl(fd_, TIOCEXCL) != 0)
        return Fail("exclusive mode " + path);

    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0)
        return Fail("read settings " + path);
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INLCR | ICRNL | IGNCR | ISTRIP);
    tio.c_oflag &= ~OPOST;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD;
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= kSizes[settings.byteSize - 5];
    if (settings.parity != Parity::None)
        tio.c_cflag |= PARENB | (settings.parity == Parity::Odd ? PARODD : 0);
    if (settings.stopBits == StopBits::Two)
        tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    speed_t speed;
    const bool inTable = SpeedOf(settings.baudRate, speed);
    if (inTable) {
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
    }
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0)
        return Fail("write settings " + path);
    if (!inTable && !SetArbitraryRate(fd_, settings.baudRate))
        return Fail("baud rate " + std::to_string(settings.baudRate) + " " + path);
    Purge();
    return true;
}

void SerialPort::Close() {
    if (fd_ < 0)
        return;
    ::tcflush(fd_, TCIOFLUSH);
    // The exclusive mode lives with the device, not with this descriptor.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

void SerialPort::Purge() {
    if (fd_ >= 0)
        ::tcflush(fd_, TCIOFLUSH);
}

std::size_t SerialPort::Write(const std::uint8_t* bytes, std::size_t length, int timeoutMs) {
    if (fd_ < 0)
        return 0;
    using Steady = std::chrono::steady_clock;
    const auto until = Steady::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(fd_, bytes + done, length - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            break;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Steady::now()).count();
        if (left <= 0)
            break;
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
            break;
    }
    return done;
}

bool SerialPort::ReadAvailable(std::vector<std::uint8_t>& out) {
    if (fd_ < 0)
        return false;
    std::uint8_t buffer[512];
    bool any = false;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            out.insert(out.end(), buffer, buffer + n);
            any = true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (any)
                return true;
            // Woken with nothing to read: a hang-up or error shows in poll.
            pollfd p{fd_, POLLIN, 0};
            return !(::poll(&p, 1, 0) > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)));
        }
        // End of file (the other side hung up) or a device error.
        return any;
    }
}

int SerialPort::CurrentBaudRate() const {
    return fd_ < 0 ? 0 : ReportedRate(fd_);
}

} // namespace korvan::sys
