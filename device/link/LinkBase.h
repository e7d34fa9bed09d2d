#pragma once
// What every link is made of, whatever its transport: the I/O thread
// (LinkIo), the link's identity in the events it posts, and the calls that
// reach the thread. LComm adds the serial port; PushLink the owner's write
// hook and the bytes the owner pushes in.

#include "device/link/LinkIo.h"
#include "device/link/LinkOwner.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvan {

class LinkBase : protected LinkIoClient {
public:
    // Closes the link if it is open.
    virtual ~LinkBase();
    LinkBase(const LinkBase&) = delete;
    LinkBase& operator=(const LinkBase&) = delete;

    // Ends the I/O thread (waiting up to 5000 ms; LinkStopTimeout when it
    // did not end) and closes the transport.
    virtual void Close();
    // Put the bytes into the transmit buffer and wake the I/O thread, if the
    // link is open and there are bytes.
    virtual void Send(const std::uint8_t* bytes, std::size_t length);
    virtual void SendFrame(const std::vector<std::uint8_t>& frame);
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
    LinkBase(LinkKind kind, LinkOwner& owner);
    // The bare link cannot tell; its engine can.
    bool IsRequestOutstanding() const override { return true; }
    LinkIo& Io() { return io_; }
    const LinkIo& Io() const { return io_; }
    LinkOwner& Owner() { return owner_; }

private:
    LinkOwner& owner_;
    const LinkId id_;
    LinkIo io_;
};

} // namespace korvan
