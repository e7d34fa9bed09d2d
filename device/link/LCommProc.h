#pragma once
// The serial link's protocol engine: the shared LinkEngine (send queue,
// coalescing, keep-alive, assembler, delivery) on top of LComm.

#include "device/link/LComm.h"
#include "device/link/LinkEngine.h"

class LCommProc : public LComm {
public:
    explicit LCommProc(LinkOwner& owner);
    // Closes an open link first.
    ~LCommProc() override;

    // Refuses an open link; else starts the keep-alive and opens the port.
    bool Open(int portNo, int baudRate, int byteSize, korvan::sys::Parity parity,
              korvan::sys::StopBits stopBits) override;
    // Stops the keep-alive, empties the queue and closes the port.
    void Close() override;
    // The same as SendQueued with append false.
    void Send(const std::uint8_t* bytes, std::size_t length) override;
    void SendFrame(const std::vector<std::uint8_t>& frame) override;
    void OnReceiveByte(std::uint8_t b) override;
    void SetTimeout(std::uint32_t ms) override;

    // Hands in one framed request: append true joins the queue, false makes
    // it replaceable.
    void SendQueued(const std::vector<std::uint8_t>& frame, bool append);
    // Keep-alive paused.
    void SetPaused(bool paused);
    // The destination of the keep-alive.
    void SetDeviceId(int id);

    const korvan::LinkEngine& Engine() const { return engine_; }

protected:
    bool IsRequestOutstanding() const override { return engine_.IsBusy(); }

private:
    korvan::LinkEngine engine_;
};
