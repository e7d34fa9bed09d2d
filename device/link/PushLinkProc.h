#pragma once
// The protocol engine of the USB and network links: the shared LinkEngine
// (send queue, coalescing, keep-alive, assembler, delivery) on top of LUsb or
// LNet, exactly as LCommProc puts it on top of LComm.

#include "device/link/LinkEngine.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvan {

template <class Link> class PushLinkProc : public Link {
public:
    template <class Writer>
    PushLinkProc(LinkOwner& owner, Writer& writer)
        : Link(owner, writer), engine_(this->Io(), owner, this->GetLinkId()) {}
    // Closes an open link first.
    ~PushLinkProc() override { PushLinkProc::Close(); }

    // Refuses an open link; else starts the keep-alive and the I/O thread.
    bool Open() override {
        return engine_.Open([this] { return Link::Open(); });
    }
    // Stops the keep-alive, empties the queue and ends the I/O thread.
    void Close() override {
        engine_.Close([this] { Link::Close(); });
    }
    // The same as SendQueued with append false.
    void Send(const std::uint8_t* bytes, std::size_t length) override {
        if (bytes != nullptr)
            engine_.SendQueued(std::vector<std::uint8_t>(bytes, bytes + length), false);
    }
    void SendFrame(const std::vector<std::uint8_t>& frame) override { engine_.SendQueued(frame, false); }
    void OnReceiveByte(std::uint8_t b) override { engine_.OnReceiveByte(b); }
    void SetTimeout(std::uint32_t ms) override { Link::SetTimeout(ms); }

    // Hands in one framed request: append true joins the queue, false makes
    // it replaceable.
    void SendQueued(const std::vector<std::uint8_t>& frame, bool append) {
        engine_.SendQueued(frame, append);
    }
    // Keep-alive paused.
    void SetPaused(bool paused) { engine_.SetPaused(paused); }
    // The destination of the keep-alive.
    void SetDeviceId(int id) { engine_.SetDeviceId(id); }

    const LinkEngine& Engine() const { return engine_; }

protected:
    bool IsRequestOutstanding() const override { return engine_.IsBusy(); }

private:
    LinkEngine engine_;
};

} // namespace korvan
