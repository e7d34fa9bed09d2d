#pragma once
// For tests of what opens a FIFO by mistake: runs `open` on a thread of its
// own and tells whether it returned within a bound. Should it wait for a
// writer of the FIFO at `fifo`, a writer is let in so that the test fails
// rather than hangs.

#include <chrono>
#include <fcntl.h>
#include <future>
#include <string>
#include <unistd.h>

namespace korvan::testing {

template <class Open> bool ReturnsWithoutAWriter(const std::string& fifo, Open open) {
    auto done = std::async(std::launch::async, open);
    if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready) {
        done.get();
        return true;
    }
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
        ::close(writer);
    done.get();
    return false;
}

} // namespace korvan::testing
