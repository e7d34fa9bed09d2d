#pragma once
// The write hooks of the USB and network links. Neither link owns its
// transport: the USB link writes each frame through the owner's HID device and
// the network link through the owner's TCP client, and the owner pushes every
// received report or socket read back into the link (PushReceived). In the
// editor the main window implements both hooks; tests implement them over
// in-process fakes.
//
// The hooks run on the link's I/O thread. Anything they show in a window must
// reach the GUI thread by a post.

#include <cstddef>
#include <cstdint>

namespace korvan {

class UsbReportWriter {
public:
    // Writes one frame as one output report (see BuildOutputReport) and makes
    // the monitor line. False when the frame does not fit the device's output
    // report: nothing is written and the link reports LinkFrameTooLong. A
    // write that fails on the device is not reported (true): the missing
    // reply ends in a time-out.
    virtual bool UsbWriteReport(const std::uint8_t* bytes, std::size_t length) = 0;

protected:
    ~UsbReportWriter() = default;
};

class NetFrameWriter {
public:
    // Writes one frame on the socket and makes the monitor line. A failed
    // write is not reported: the missing reply ends in a time-out.
    virtual void NetWriteFrame(const std::uint8_t* bytes, std::size_t length) = 0;

protected:
    ~NetFrameWriter() = default;
};

} // namespace korvan
