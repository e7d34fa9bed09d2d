#pragma once
// A HID report channel without a device: a SOCK_SEQPACKET socket pair that
// carries whole reports, one report per packet. The host end stands for the
// editor's HID device (it writes output reports and reads input reports),
// the device end for the unit. Every report starts with its report ID (0) and
// is written at its full report length.

#include "tests/support/UnitFrames.h"

#include <cstddef>
#include <optional>

namespace korvan::test {

class FakeHidReportChannel {
public:
    // Report lengths include the report ID byte.
    static constexpr std::size_t DefaultReportLength = 65;

    explicit FakeHidReportChannel(std::size_t outputReportLength = DefaultReportLength,
                                  std::size_t inputReportLength = DefaultReportLength);
    ~FakeHidReportChannel();
    FakeHidReportChannel(const FakeHidReportChannel&) = delete;
    FakeHidReportChannel& operator=(const FakeHidReportChannel&) = delete;

    std::size_t OutputReportLength() const { return outputLength_; }
    std::size_t InputReportLength() const { return inputLength_; }

    // Host end, any thread. A report of another length than the output
    // report length is refused (false), as is any write once either end is
    // shut down.
    bool WriteOutputReport(const Bytes& report);
    // Blocks until an input report comes; nothing once the channel is
    // unplugged or the host end shut down.
    std::optional<Bytes> ReadInputReport();

    // Device end, any thread.
    bool WriteInputReport(const Bytes& report);
    std::optional<Bytes> ReadOutputReport();

    // Ends the host's or the device's reading and writing; a reader blocked
    // on that end returns nothing, and the other end sees the channel gone.
    // Safe from any thread, more than once.
    void ShutdownHost();
    void ShutdownDevice();

private:
    static bool Write(int fd, const Bytes& report, std::size_t length);
    static std::optional<Bytes> Read(int fd, std::size_t length);

    const std::size_t outputLength_;
    const std::size_t inputLength_;
    int host_ = -1;
    int device_ = -1;
};

} // namespace korvan::test
