#pragma once
// How a link's I/O thread moves bytes. The serial link reads a port; the USB
// and network links are fed received bytes by their owner (PushReceived) and
// write through a hook of the owner.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvan {

class LinkTransport {
public:
    virtual ~LinkTransport() = default;

    // A descriptor that turns readable when bytes wait, or -1 when received
    // bytes are pushed into the link instead.
    virtual int ReceiveFd() const { return -1; }
    // Appends every byte waiting now; false when the transport has failed.
    // Only called when ReceiveFd() is not -1.
    virtual bool ReadAvailable(std::vector<std::uint8_t>& /*out*/) { return true; }
    // Writes one frame. A failed write is not reported: the missing reply
    // ends in a time-out.
    virtual void Write(const std::uint8_t* bytes, std::size_t length) = 0;
    // Serial: whether the port runs at 115200 baud now.
    virtual bool AtStandardRate() const { return true; }
    // Drops what waits and releases the device.
    virtual void Close() {}
};

// Watches a link's I/O thread (benchmarks, tests). Called on that thread.
class LinkProbe {
public:
    virtual void OnBytesRead(std::size_t count) = 0;
    virtual void OnFrameWritten(const std::uint8_t* bytes, std::size_t length) = 0;

protected:
    ~LinkProbe() = default;
};

} // namespace korvan
