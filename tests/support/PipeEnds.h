#pragma once
// A non-blocking pipe for tests that watch a descriptor: the test writes one
// end and the code under test reads the other.

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace korvan::test {

struct PipeEnds {
    PipeEnds() { EXPECT_EQ(::pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0); }
    ~PipeEnds() {
        ::close(fds[0]);
        ::close(fds[1]);
    }
    PipeEnds(const PipeEnds&) = delete;
    PipeEnds& operator=(const PipeEnds&) = delete;

    int ReadEnd() const { return fds[0]; }
    void Write(const std::string& text) const {
        ASSERT_EQ(::write(fds[1], text.data(), text.size()), long(text.size()));
    }
    // Up to `most` bytes that wait now.
    std::string Read(std::size_t most) const {
        char buffer[64];
        const ssize_t n = ::read(fds[0], buffer, std::min(most, sizeof buffer));
        return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
    }

    int fds[2] = {-1, -1};
};

} // namespace korvan::test
