#pragma once
// The I/O half that every link class has: the I/O thread with its three
// events (quit, receive, transmit), the transmit buffer kept for re-sending,
// the reply time-out, the retry count and the time-out rule.
//
// The thread calls back into its link (LinkIoClient) for every received byte,
// for every status it posts and to ask whether a request is outstanding.
// Re-sends and LinkTimeout happen only while one is: an idle link stays quiet.
//
// Everything the thread uses lives in a block it shares with the link, so
// when Stop gives up on a thread after its wait, the thread keeps what it uses
// and calls nothing of the link any more.

#include "device/link/LinkTransport.h"
#include "device/link/LinkTypes.h"
#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"
#include "platform/sys/RecursiveLock.h"
#include "platform/sys/Thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class LinkOwner;

namespace korvan {

// Events of the I/O thread, numbered in the order in which its wait takes
// them. The delivered event belongs to the WM_LINK_FRAME hand-over.
enum LinkEventIndex {
    LinkQuitEvent = 0,
    LinkReceiveEvent = 1,
    LinkTransmitEvent = 2,
    LinkDeliveredEvent = 3
};

class LinkIoClient {
public:
    // I/O thread: one received byte.
    virtual void OnReceiveByte(std::uint8_t b) = 0;
    // Any thread: post WM_LINK_STATUS.
    virtual void PostLinkEvent(LinkStatus code, std::uint32_t argument) = 0;
    // I/O thread: whether a request waits for its reply.
    virtual bool IsRequestOutstanding() const = 0;

protected:
    ~LinkIoClient() = default;
};

class LinkIo {
public:
    LinkIo(const LinkTraits& traits, LinkOwner& owner);
    // Stops a thread that still runs.
    ~LinkIo();
    LinkIo(const LinkIo&) = delete;
    LinkIo& operator=(const LinkIo&) = delete;

    // Starts the I/O thread over `transport`, calling back into `client`.
    // False when the link is open already or the thread cannot start.
    bool Start(std::unique_ptr<LinkTransport> transport, LinkIoClient& client);
    // Signals quit and waits for the thread up to CloseWaitMs on the owner's
    // clock, then closes the transport. False when the thread was still
    // running: it is let go and calls nothing of the client any more.
    bool Stop();
    // From a successful Start until the thread ends.
    bool IsOpen() const;

    // The link lock: guards the transmit buffer, the pushed bytes and
    // whatever the link's engine keeps beside them.
    sys::RecursiveLock& Lock();
    // Copies a frame into the transmit buffer (at most its capacity) and
    // makes the monitor line where the link kind does; the caller signals.
    void StoreTransmit(const std::uint8_t* bytes, std::size_t length);
    // Wakes the thread to write the transmit buffer.
    void SignalTransmit();
    // The transmit buffer's bytes in use (a copy).
    std::vector<std::uint8_t> TransmitFrame() const;
    // USB and network: received bytes for the thread to take, kept in order
    // until it does. Dropped while the link is not open; at most
    // ReceivedCapacity bytes wait, the rest of a push is dropped.
    void PushReceived(const std::uint8_t* bytes, std::size_t length);
    // The thread ends after its current step; a delivery that was abandoned
    // because of a close says so.
    void EndThread();

    void SetTimeout(std::uint32_t ms);
    std::uint32_t GetTimeout() const;
    void SetRetries(int count);
    int GetRetries() const;
    void SetForcedResend(int count);
    int GetForcedResend() const;

    bool AtStandardRate() const;
    void SetProbe(LinkProbe* probe);

    const LinkTraits& Traits() const { return traits_; }
    sys::Clock& Clock() const;
    const std::shared_ptr<sys::EventSet>& Events() const;

private:
    struct Shared;
    static void Run(const std::shared_ptr<Shared>& shared);

    const LinkTraits& traits_;
    LinkOwner& owner_;
    std::shared_ptr<Shared> shared_;
    sys::Thread thread_;
};

} // namespace korvan
