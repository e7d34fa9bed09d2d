#include "device/link/LinkIo.h"

#include "device/link/LinkOwner.h"

#include <algorithm>
#include <mutex>

namespace korvan {

LinkId NextLinkId() {
    static std::atomic<LinkId> next{1};
    return next++;
}

const LinkTraits& LinkTraitsOf(LinkKind kind) {
    static const LinkTraits serial{LinkKind::Serial, 1024, 2000, 0, true, true, true, AssemblerKind::Serial};
    static const LinkTraits usb{LinkKind::Usb, 128, 5000, 4, false, false, false, AssemblerKind::UsbNet};
    static const LinkTraits net{LinkKind::Net, 128, 5000, 0, false, false, false, AssemblerKind::UsbNet};
    switch (kind) {
    case LinkKind::Usb:
        return usb;
    case LinkKind::Net:
        return net;
    case LinkKind::Serial:
        break;
    }
    return serial;
}

struct LinkIo::Shared {
    Shared(const LinkTraits& linkTraits, LinkOwner& linkOwner)
        : traits(linkTraits), owner(linkOwner), clock(linkOwner.LinkClock()),
          transmit(linkTraits.transmitCapacity, 0) {}

    const LinkTraits& traits;
    LinkOwner& owner;
    sys::Clock& clock;
    sys::RecursiveLock lock;
    std::shared_ptr<sys::EventSet> events = std::make_shared<sys::EventSet>(4);

    // Guarded by `lock`.
    std::vector<std::uint8_t> transmit;
    std::size_t transmitLength = 0;
    // Counts the frames stored in the transmit buffer; `written` is the count
    // at the thread's last write, so the two differ while a stored frame has
    // not gone out yet.
    std::uint64_t stored = 0;
    std::uint64_t written = 0;
    std::vector<std::uint8_t> pushed;

    std::atomic<std::uint32_t> timeout{DefaultReplyTimeoutMs};
    std::atomic<int> retries{DefaultRetries};
    std::atomic<int> forcedResend{0};
    std::atomic<bool> open{false};
    std::atomic<bool> ending{false};
    std::atomic<LinkProbe*> probe{nullptr};
    std::unique_ptr<LinkTransport> transport;

    // The thread calls its link only through here; Stop clears the client
    // when it lets a thread go.
    std::recursive_mutex gate;
    LinkIoClient* client = nullptr;

    template <typename F> bool CallClient(F&& call) {
        std::lock_guard guard(gate);
        if (client == nullptr)
            return false;
        call(*client);
        return true;
    }

    std::uint8_t TransmitByte(std::size_t i) {
        std::lock_guard guard(lock);
        return i < transmit.size() ? transmit[i] : 0;
    }

    void Post(LinkStatus code, std::uint32_t argument) {
        CallClient([&](LinkIoClient& c) { c.PostLinkEvent(code, argument); });
    }

    // Whether the frame in the transmit buffer has been written once.
    bool StoredFrameWritten() {
        std::lock_guard guard(lock);
        return written == stored;
    }

    // Writes the transmit buffer; when `onlyArmed`, only if its byte 0 is
    // not 0 (a buffer cleared after a time-out is never written).
    void WriteTransmit(bool onlyArmed) {
        std::vector<std::uint8_t> frame;
        {
            std::lock_guard guard(lock);
            if (transmitLength == 0 || (onlyArmed && transmit[0] == 0))
                return;
            frame.assign(transmit.begin(), transmit.begin() + static_cast<std::ptrdiff_t>(transmitLength));
            written = stored;
        }
        // The write happens outside the lock, so a slow device never holds up
        // a hand-in on the GUI thread; only this thread writes.
        transport->Write(frame.data(), frame.size());
        if (LinkProbe* p = probe.load())
            p->OnFrameWritten(frame.data(), frame.size());
    }
};

LinkIo::LinkIo(const LinkTraits& traits, LinkOwner& owner)
    : traits_(traits), owner_(owner), shared_(std::make_shared<Shared>(traits, owner)) {}

LinkIo::~LinkIo() {
    Stop();
}

sys::Clock& LinkIo::Clock() const {
    return shared_->clock;
}
const std::shared_ptr<sys::EventSet>& LinkIo::Events() const {
    return shared_->events;
}
sys::RecursiveLock& LinkIo::Lock() {
    return shared_->lock;
}
bool LinkIo::IsOpen() const {
    return shared_->open;
}

bool LinkIo::Start(std::unique_ptr<LinkTransport> transport, LinkIoClient& client) {
    if (IsOpen() || !transport)
        return false;
    // A thread that ended by itself is collected before a new one starts.
    if (!thread_.Join(0, shared_->clock))
        return false;
    auto shared = shared_;
    shared->transport = std::move(transport);
    {
        std::lock_guard guard(shared->gate);
        shared->client = &client;
    }
    shared->ending = false;
    {
        std::lock_guard guard(shared->lock);
        shared->pushed.clear();
    }
    for (int event : {LinkQuitEvent, LinkReceiveEvent, LinkTransmitEvent, LinkDeliveredEvent})
        shared->events->Reset(event);
    shared->open = true;
    if (!thread_.Start([shared] { Run(shared); })) {
        shared->open = false;
        shared->transport->Close();
        shared->transport.reset();
        std::lock_guard guard(shared->gate);
        shared->client = nullptr;
        return false;
    }
    return true;
}

bool LinkIo::Stop() {
    auto shared = shared_;
    shared->events->Signal(LinkQuitEvent);
    if (!thread_.Join(CloseWaitMs, shared->clock)) {
        {
            std::lock_guard guard(shared->gate);
            shared->client = nullptr;
        }
        thread_.Detach();
        // The thread keeps the old block; the link goes on with a fresh one
        // that keeps its settings.
        auto fresh = std::make_shared<Shared>(traits_, owner_);
        fresh->timeout = shared->timeout.load();
        fresh->retries = shared->retries.load();
        fresh->forcedResend = shared->forcedResend.load();
        shared_ = std::move(fresh);
        return false;
    }
    if (shared->transport) {
        shared->transport->Close();
        shared->transport.reset();
    }
    std::lock_guard guard(shared->gate);
    shared->client = nullptr;
    shared->events->Reset(LinkQuitEvent);
    return true;
}

void LinkIo::StoreTransmit(const std::uint8_t* bytes, std::size_t length) {
    auto& s = *shared_;
    std::lock_guard guard(s.lock);
    const std::size_t n = std::min(length, s.transmit.size());
    std::copy(bytes, bytes + n, s.transmit.begin());
    s.transmitLength = n;
    ++s.stored;
    if (traits_.logsFrames)
        owner_.LogComWrite(bytes, n);
}

void LinkIo::SignalTransmit() {
    shared_->events->Signal(LinkTransmitEvent);
}

std::vector<std::uint8_t> LinkIo::TransmitFrame() const {
    auto& s = *shared_;
    std::lock_guard guard(s.lock);
    return {s.transmit.begin(), s.transmit.begin() + static_cast<std::ptrdiff_t>(s.transmitLength)};
}

void LinkIo::PushReceived(const std::uint8_t* bytes, std::size_t length) {
    auto& s = *shared_;
    if (!s.open || bytes == nullptr || length == 0)
        return;
    {
        std::lock_guard guard(s.lock);
        const std::size_t room = ReceivedCapacity - std::min(ReceivedCapacity, s.pushed.size());
        s.pushed.insert(s.pushed.end(), bytes, bytes + std::min(length, room));
    }
    s.events->Signal(LinkReceiveEvent);
}

void LinkIo::EndThread() {
    shared_->ending = true;
}

void LinkIo::SetTimeout(std::uint32_t ms) {
    shared_->timeout = ms;
}
std::uint32_t LinkIo::GetTimeout() const {
    return shared_->timeout;
}
void LinkIo::SetRetries(int count) {
    shared_->retries = count;
}
int LinkIo::GetRetries() const {
    return shared_->retries;
}
void LinkIo::SetForcedResend(int count) {
    if (traits_.forcedResend)
        shared_->forcedResend = count;
}
int LinkIo::GetForcedResend() const {
    return shared_->forcedResend;
}

bool LinkIo::AtStandardRate() const {
    auto& s = *shared_;
    return !s.transport || s.transport->AtStandardRate();
}

void LinkIo::SetProbe(LinkProbe* probe) {
    shared_->probe = probe;
}

void LinkIo::Run(const std::shared_ptr<Shared>& shared) {
    Shared& s = *shared;
    const int fd = s.transport->ReceiveFd();
    const std::uint32_t mask = sys::EventSet::Bit(LinkQuitEvent) | sys::EventSet::Bit(LinkReceiveEvent) |
                               sys::EventSet::Bit(LinkTransmitEvent);
    int resends = 0;
    int silent = 0; // time-outs after the last re-send (USB)
    std::vector<std::uint8_t> received;
    while (!s.ending) {
        const int woke = s.events->Wait(mask, s.timeout.load(), s.clock, fd, fd >= 0 ? LinkReceiveEvent : -1);
        if (woke == LinkQuitEvent)
            break;
        if (woke == LinkReceiveEvent) {
            received.clear();
            if (fd >= 0) {
                if (!s.transport->ReadAvailable(received) && received.empty()) {
                    if (s.traits.reportsFailures)
                        s.Post(LinkCommError, s.TransmitByte(2));
                    break;
                }
            } else {
                std::lock_guard guard(s.lock);
                received.swap(s.pushed);
            }
            if (LinkProbe* p = s.probe.load(); p && !received.empty())
                p->OnBytesRead(received.size());
            // The bytes are this thread's own copy: no lock is held while a
            // completed frame is delivered.
            for (std::uint8_t b : received)
                if (s.ending || !s.CallClient([b](LinkIoClient& c) { c.OnReceiveByte(b); }))
                    break;
            continue;
        }
        if (woke == LinkTransmitEvent) {
            resends = 0;
            s.WriteTransmit(false);
            continue;
        }
        if (woke == sys::EventSet::Timeout) {
            bool outstanding = false;
            s.CallClient([&](LinkIoClient& c) { outstanding = c.IsRequestOutstanding(); });
            // A request handed in while this wait ran out has not been
            // written yet: its transmit signal follows, and its reply time
            // starts with that write. Re-sending it here would send it twice.
            if (!outstanding || !s.StoredFrameWritten())
                continue;
            if (s.traits.forcedResend && s.forcedResend > 0) {
                --s.forcedResend;
                s.WriteTransmit(true);
            } else if (resends < s.retries) {
                silent = 0;
                s.WriteTransmit(true);
                ++resends;
            } else if (silent < s.traits.silentTimeouts) {
                ++silent;
            } else {
                resends = 0;
                std::uint8_t destination;
                {
                    std::lock_guard guard(s.lock);
                    s.transmit[0] = 0;
                    destination = s.transmit.size() > 3 ? s.transmit[3] : 0;
                }
                s.Post(LinkTimeout, destination);
            }
            continue;
        }
        if (s.traits.reportsFailures)
            s.Post(LinkWaitFailed, s.TransmitByte(3));
        break;
    }
    s.open = false;
}

} // namespace korvan
