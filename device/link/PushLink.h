#pragma once
// What the USB link (LUsb) and the network link (LNet) are made of: the I/O
// thread of every link, with no transport of its own. Each frame is written
// through a hook of the owner, and the owner pushes every received report or
// socket read into the link (PushReceived) on the GUI thread. The two links
// differ only in their hook and in the time-out rule of their kind.

#include "device/link/LinkBase.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace korvan {

class PushLink : public LinkBase {
public:
    // Writes one frame on the I/O thread; false refuses it (LinkFrameTooLong).
    using WriteHook = std::function<bool(const std::uint8_t* bytes, std::size_t length)>;

    PushLink(LinkKind kind, LinkOwner& owner, WriteHook write);
    PushLink(const PushLink&) = delete;
    PushLink& operator=(const PushLink&) = delete;

    // Starts the I/O thread; nothing is opened on the transport, which is the
    // owner's. False when the link is open already or the thread cannot
    // start.
    virtual bool Open();
    // GUI thread: the bytes of one input report or socket read. Kept in order
    // for the I/O thread; dropped while the link is not open.
    virtual void PushReceived(const std::uint8_t* bytes, std::size_t length);

private:
    WriteHook write_;
};

} // namespace korvan
