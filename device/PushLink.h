#pragma once
// What the USB link (LUsb) and the network link (LNet) are made of: the I/O
// thread of every link, with no transport of its own. Each frame is written
// through a hook of the owner, and the owner pushes every received report or
// socket read into the link (PushReceived) on the GUI thread. The two links
// differ only in their hook and in the time-out rule of their kind.

#include "device/LinkIo.h"
#include "device/LinkOwner.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace korvan {

class PushLink : protected LinkIoClient {
public:
    // Writes one frame on the I/O thread; false refuses it (LinkFrameTooLong).
    using WriteHook = std::function<bool(const std::uint8_t* bytes, std::size_t length)>;

    PushLink(LinkKind kind, LinkOwner& owner, WriteHook write);
    // Closes the link if it is open.
    virtual ~PushLink();
    PushLink(const PushLink&) = delete;
    PushLink& operator=(const PushLink&) = delete;

    // Starts the I/O thread; nothing is opened on the transport, which is the
    // owner's. False when the link is open already or the thread cannot
    // start.
    virtual bool Open();
    // Ends the I/O thread (waiting up to 5000 ms; LinkStopTimeout when it did
    // not end).
    virtual void Close();
    // Put the bytes into the transmit buffer and wake the I/O thread, if the
    // link is open and there are bytes.
    virtual void Send(const std::uint8_t* bytes, std::size_t length);
    virtual void SendFrame(const std::vector<std::uint8_t>& frame);
    // GUI thread: the bytes of one input report or socket read. Kept in order
    // for the I/O thread; dropped while the link is not open.
    virtual void PushReceived(const std::uint8_t* bytes, std::size_t length);
    // I/O thread: one received byte. The bare link does nothing with it.
    void OnReceiveByte(std::uint8_t b) override;
    // Posts WM_LINK_STATUS, carrying this link's identity.
    void PostLinkEvent(LinkStatus code, std::uint32_t argument) override;
    virtual void SetTimeout(std::uint32_t ms);

    std::uint32_t GetTimeout() const;
    void SetRetries(int count);
    int GetRetries() const;

    bool IsOpen() const;
    LinkId GetLinkId() const { return id_; }
    // The frame in the transmit buffer.
    std::vector<std::uint8_t> TransmitFrame() const;
    void SetProbe(LinkProbe* probe);

protected:
    // The bare link cannot tell; its engine can.
    bool IsRequestOutstanding() const override { return true; }
    LinkIo& Io() { return io_; }
    LinkOwner& Owner() { return owner_; }

private:
    LinkOwner& owner_;
    const LinkId id_;
    WriteHook write_;
    LinkIo io_;
};

} // namespace korvan
