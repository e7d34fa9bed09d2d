#pragma once
// The protocol engine every link kind shares: one request outstanding at a
// time, a send queue with coalescing of replaceable frames, a keep-alive on an
// idle link, the receive assembler, the reply time of each request and the
// synchronous delivery of each reply to the owner (WM_LINK_FRAME).
//
// Coalescing keeps settings: a replaceable frame takes the place of the
// remembered waiting one only when the frame handed in just before had its
// code, both set the same parameter (code and channel; channel and band for
// PEQ and GEQ; channel and input for the mix), and no frame for that
// parameter waits behind it.

#include "device/link/LinkIo.h"
#include "device/link/LinkOwner.h"
#include "device/protocol/Frame.h"
#include "platform/sys/Timer.h"

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <vector>

namespace korvan {

// How many payload bytes name the parameter a frame with `code` sets.
std::size_t ParameterKeyLength(std::uint8_t code);
// Whether two frames set the same parameter.
bool SameParameter(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);

class LinkEngine {
public:
    LinkEngine(LinkIo& io, LinkOwner& owner, LinkId id);
    ~LinkEngine();
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // GUI thread. Refuses an open link (no second keep-alive timer); else
    // starts the keep-alive timer and runs `openLink`. Returns whether the
    // link is open.
    bool Open(const std::function<bool()>& openLink);
    // GUI thread. Stops the keep-alive, empties the queue, runs `closeLink`
    // and frees the timer.
    void Close(const std::function<void()>& closeLink);

    // GUI thread. Hands in one frame: written at once on an idle link,
    // else queued (append) or coalesced (replaceable). Dropped when the link
    // is not open.
    void SendQueued(const std::vector<std::uint8_t>& frame, bool append);
    // I/O thread: the receive assembler; a complete frame is delivered.
    void OnReceiveByte(std::uint8_t b);

    bool IsBusy() const;
    void SetPaused(bool paused) { paused_ = paused; }
    bool IsPaused() const { return paused_; }
    void SetDeviceId(int id) { deviceId_ = id; }
    int GetDeviceId() const { return deviceId_; }

    // What waits in the queue, front first.
    std::vector<std::vector<std::uint8_t>> QueuedFrames() const;
    bool HasKeepAliveTimer() const { return timer_ != nullptr; }

private:
    using Queue = std::list<std::vector<std::uint8_t>>;

    void KeepAliveTick();
    void Deliver(std::vector<std::uint8_t> frame);
    void SendNext();
    // Under the lock: the frame goes into the transmit buffer and its reply
    // time starts.
    void StartRequest(const std::vector<std::uint8_t>& frame);
    bool MayReplaceRemembered(const std::vector<std::uint8_t>& frame) const;

    LinkIo& io_;
    LinkOwner& owner_;
    const LinkId id_;
    std::atomic<bool> paused_{false};
    std::atomic<int> deviceId_;
    FrameAssembler assembler_; // I/O thread only

    // Guarded by the link lock.
    bool busy_ = false;
    std::uint8_t lastCode_ = 0;
    Queue queue_;
    std::optional<Queue::iterator> remembered_;
    sys::Millis requestStart_ = 0;

    std::unique_ptr<sys::Timer> timer_; // GUI thread only
};

} // namespace korvan
