#pragma once
// The serial link: one port at 115200 8N1 in raw mode and one I/O thread that
// writes frames, reads every received byte, re-sends on a reply time-out and
// reports link events to its owner. Its protocol engine is LCommProc.

#include "device/LinkIo.h"
#include "device/LinkOwner.h"
#include "platform/sys/SerialPort.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class LComm : protected korvan::LinkIoClient {
public:
    explicit LComm(LinkOwner& owner);
    // Closes the link if it is open.
    virtual ~LComm();
    LComm(const LComm&) = delete;
    LComm& operator=(const LComm&) = delete;

    // Opens port `portNo` (1 to 98, found through the owner's port
    // directory) at `baudRate` (1200 to 128000, as far as the device can)
    // and starts the I/O thread. False when the link is open already, an
    // argument is out of range, or the port cannot be opened or set.
    virtual bool Open(int portNo, int baudRate, int byteSize, korvan::sys::Parity parity,
                      korvan::sys::StopBits stopBits);
    // Ends the I/O thread (waiting up to 5000 ms; LinkStopTimeout when it
    // did not end) and closes the port.
    virtual void Close();
    // Put the bytes into the transmit buffer and wake the I/O thread.
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
    // Extra re-sends at the next reply time-outs that use up no retry.
    void SetForcedResend(int count);
    int GetForcedResend() const;

    bool IsOpen() const;
    korvan::LinkId GetLinkId() const { return id_; }
    // The frame in the transmit buffer.
    std::vector<std::uint8_t> TransmitFrame() const;
    void SetProbe(korvan::LinkProbe* probe);

protected:
    // The bare link cannot tell; its engine can.
    bool IsRequestOutstanding() const override { return true; }
    korvan::LinkIo& Io() { return io_; }
    LinkOwner& Owner() { return owner_; }

private:
    LinkOwner& owner_;
    const korvan::LinkId id_;
    korvan::LinkIo io_;
};
