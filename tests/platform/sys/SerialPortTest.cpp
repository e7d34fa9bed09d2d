#include "platform/sys/SerialPort.h"
#include "tests/support/PtyPair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <poll.h>
#include <unistd.h>

using korvan::sys::SerialPort;
using korvan::sys::SerialSettings;
using korvan::test::PtyPair;

namespace {

// Reads from `fd` until `count` bytes came or 5 s passed.
std::vector<std::uint8_t> ReadExactly(int fd, std::size_t count) {
    std::vector<std::uint8_t> got;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (got.size() < count && std::chrono::steady_clock::now() < until) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

std::vector<std::uint8_t> EveryByteValue() {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 256; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i));
    // The values a cooked line would eat or change, once more in a row.
    bytes.insert(bytes.end(), {0x03, 0x0D, 0x0A, 0x11, 0x13, 0x7F, 0x00});
    return bytes;
}

TEST(SerialPort, EveryByteValuePassesUntouchedBothWays) {
    PtyPair pty;
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.SlavePath(), SerialSettings{})) << port.Error();
    EXPECT_EQ(port.CurrentBaudRate(), 115200);

    const auto bytes = EveryByteValue();
    ASSERT_EQ(port.Write(bytes.data(), bytes.size()), bytes.size());
    EXPECT_EQ(ReadExactly(pty.MasterFd(), bytes.size()), bytes);

    ASSERT_EQ(::write(pty.MasterFd(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    std::vector<std::uint8_t> got;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (got.size() < bytes.size() && std::chrono::steady_clock::now() < until) {
        pollfd p{port.Fd(), POLLIN, 0};
        if (::poll(&p, 1, 100) > 0) {
            ASSERT_TRUE(port.ReadAvailable(got));
        }
    }
    EXPECT_EQ(got, bytes);
}

TEST(SerialPort, PortHeldOpenElsewhereFailsToOpen) {
    PtyPair pty;
    SerialPort first;
    ASSERT_TRUE(first.Open(pty.SlavePath(), SerialSettings{})) << first.Error();
    SerialPort second;
    EXPECT_FALSE(second.Open(pty.SlavePath(), SerialSettings{}));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_FALSE(second.Error().empty());
    first.Close();
    EXPECT_TRUE(second.Open(pty.SlavePath(), SerialSettings{})) << second.Error();
}

TEST(SerialPort, RefusesWhatItCannotSet) {
    PtyPair pty;
    SerialPort port;
    for (int rate : {0, -9600}) {
        SerialSettings settings;
        settings.baudRate = rate;
        EXPECT_FALSE(port.Open(pty.SlavePath(), settings)) << rate;
    }
    for (int size : {4, 9}) {
        SerialSettings settings;
        settings.byteSize = size;
        EXPECT_FALSE(port.Open(pty.SlavePath(), settings)) << size;
    }
    EXPECT_FALSE(port.Open("/nonexistent/tty", SerialSettings{}));
    EXPECT_FALSE(port.IsOpen());
}

// The link takes any rate from 1200 to 128000: every one opens (those of the
// termios table as such, the others through the arbitrary-rate interface),
// and the terminal reports the rate it was set to. Test programs of other
// builds on the machine also open pseudo-terminals, and one that opens a
// stale path of its own may hold this one for a moment: a rate fails only
// when it fails twice in a row.
TEST(SerialPort, EveryRateTheLinkAcceptsOpensAtThatRate) {
    PtyPair pty;
    std::string why;
    auto opensAt = [&](int rate) {
        SerialPort port;
        SerialSettings settings;
        settings.baudRate = rate;
        if (!port.Open(pty.SlavePath(), settings)) {
            why = std::to_string(rate) + ": " + port.Error();
            return false;
        }
        const int reported = port.CurrentBaudRate();
        why = std::to_string(rate) + ": runs at " + std::to_string(reported);
        return reported == rate;
    };
    std::vector<int> failed;
    std::string firstFailure;
    for (int rate = 1200; rate <= 128000; ++rate) {
        if (opensAt(rate) || opensAt(rate))
            continue;
        if (failed.empty())
            firstFailure = why;
        failed.push_back(rate);
    }
    EXPECT_TRUE(failed.empty()) << failed.size() << " rates failed, the first " << firstFailure;
    // A table rate after an arbitrary one is set and read back as such.
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.SlavePath(), SerialSettings{}));
    EXPECT_EQ(port.CurrentBaudRate(), 115200);
}

TEST(SerialPort, HangUpShowsAsReadFailure) {
    PtyPair pty;
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.SlavePath(), SerialSettings{}));
    pty.CloseMaster();
    pollfd p{port.Fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 5000), 1);
    std::vector<std::uint8_t> got;
    EXPECT_FALSE(port.ReadAvailable(got));
}

} // namespace
