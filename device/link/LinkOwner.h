#pragma once
// The host a link reports to: in the editor the main window, in tests a
// recording fake. A link needs no window: it hands frames over and posts its
// status through the owner's GUI thread, and runs its keep-alive timer there.

#include "device/link/LinkTypes.h"
#include "platform/sys/Clock.h"
#include "platform/sys/GuiThread.h"
#include "platform/sys/SerialPortDirectory.h"

#include <cstddef>
#include <cstdint>

class LinkOwner {
public:
    virtual ~LinkOwner() = default;

    // The thread the owner lives on. WM_LINK_FRAME is a synchronous
    // hand-over to it, WM_LINK_STATUS a post, and the keep-alive timer ticks
    // on it.
    virtual korvan::sys::GuiThread& LinkGui() = 0;
    // The clock of reply time-outs, reply times and the close wait.
    virtual korvan::sys::Clock& LinkClock() { return korvan::sys::SystemClock(); }
    // Where the serial link finds the device of a port number.
    virtual korvan::sys::SerialPortDirectory& SerialPorts() {
        return korvan::sys::SerialPortDirectory::System();
    }
    // The device ID a new link starts with (the keep-alive's destination).
    // The same getter as the device model's host, so that one window can be
    // both.
    virtual std::uint8_t GetUnitId() const { return 1; }

    // WM_LINK_FRAME and WM_LINK_FRAME_OTHER, on the GUI thread while the
    // link's I/O thread waits. The handler may hand new frames to the link
    // (they queue) and may close it.
    virtual void OnLinkFrame(const korvan::LinkFrameMessage& message) = 0;
    // WM_LINK_STATUS, on the GUI thread, some time after the link posted it.
    virtual void OnLinkStatus(const korvan::LinkStatusMessage& message) = 0;

    // Monitor hooks of the serial link: a frame entered the transmit buffer,
    // a frame was received. Called on the GUI thread or the I/O thread; what
    // they show must reach the GUI thread by a post.
    virtual void LogComWrite(const std::uint8_t* /*bytes*/, std::size_t /*length*/) {}
    virtual void LogComRead(const std::uint8_t* /*bytes*/, std::size_t /*length*/) {}
};

namespace korvan {

// Posts WM_LINK_STATUS of link `id` to `owner`; any thread.
inline void PostLinkStatus(LinkOwner& owner, LinkId id, LinkStatus code, std::uint32_t argument) {
    LinkOwner* target = &owner;
    const LinkStatusMessage message{id, code, argument};
    owner.LinkGui().Post([target, message] { target->OnLinkStatus(message); });
}

} // namespace korvan
