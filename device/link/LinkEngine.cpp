#include "device/link/LinkEngine.h"

#include "device/protocol/CommandCodes.h"
#include "device/protocol/LCmd.h"

#include <algorithm>
#include <mutex>

namespace korvan {

namespace {

constexpr std::size_t CodeOffset = 5;
constexpr std::size_t PayloadOffset = 6;

std::uint8_t CodeOf(const std::vector<std::uint8_t>& frame) {
    return frame.size() > CodeOffset ? frame[CodeOffset] : 0;
}

} // namespace

std::size_t ParameterKeyLength(std::uint8_t code) {
    switch (code) {
    case MCS_PEQ:
    case MCS_GEQ:
    case MCS_MIX:
        return 2;
    case MCS_LEVELS:
    case MCS_ALIVE:
    case MCS_DELAYUNIT:
    case MCS_PRESET_FLAGS:
    case MCS_WORK_MODE:
        return 0;
    default:
        return 1;
    }
}

bool SameParameter(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (CodeOf(a) != CodeOf(b))
        return false;
    const std::size_t key = ParameterKeyLength(CodeOf(a));
    for (std::size_t i = PayloadOffset; i < PayloadOffset + key; ++i) {
        const bool inA = i + 3 < a.size(); // the end marker and check byte follow the payload
        const bool inB = i + 3 < b.size();
        if (inA != inB || (inA && a[i] != b[i]))
            return false;
    }
    return true;
}

LinkEngine::LinkEngine(LinkIo& io, LinkOwner& owner, LinkId id)
    : io_(io), owner_(owner), id_(id), deviceId_(owner.GetUnitId()), assembler_(io.Traits().assembler) {}

LinkEngine::~LinkEngine() = default;

bool LinkEngine::Open(const std::function<bool()>& openLink) {
    if (io_.IsOpen())
        return false;
    timer_ = std::make_unique<sys::Timer>(owner_.LinkGui(), KeepAliveIntervalMs, [this] { KeepAliveTick(); });
    timer_->SetEnabled(true);
    if (!openLink()) {
        timer_.reset();
        return false;
    }
    return true;
}

void LinkEngine::Close(const std::function<void()>& closeLink) {
    if (timer_)
        timer_->SetEnabled(false);
    {
        std::lock_guard guard(io_.Lock());
        queue_.clear();
        remembered_.reset();
    }
    closeLink();
    timer_.reset();
}

bool LinkEngine::IsBusy() const {
    std::lock_guard guard(io_.Lock());
    return busy_;
}

std::vector<std::vector<std::uint8_t>> LinkEngine::QueuedFrames() const {
    std::lock_guard guard(io_.Lock());
    return {queue_.begin(), queue_.end()};
}

void LinkEngine::StartRequest(const std::vector<std::uint8_t>& frame) {
    requestStart_ = io_.Clock().NowMs();
    io_.StoreTransmit(frame.data(), frame.size());
}

bool LinkEngine::MayReplaceRemembered(const std::vector<std::uint8_t>& frame) const {
    if (!remembered_ || CodeOf(frame) != lastCode_ || !SameParameter(**remembered_, frame))
        return false;
    // Replacing must not move the new value ahead of a waiting frame that
    // sets the same parameter: that older value would then win at the unit.
    const Queue::const_iterator behind = std::next(*remembered_);
    return std::none_of(behind, queue_.cend(),
                        [&](const auto& waiting) { return SameParameter(waiting, frame); });
}

void LinkEngine::SendQueued(const std::vector<std::uint8_t>& frame, bool append) {
    if (!io_.IsOpen() || frame.empty())
        return;
    if (timer_)
        timer_->Restart();
    bool signal = false;
    {
        std::lock_guard guard(io_.Lock());
        if (!busy_) {
            busy_ = true;
            StartRequest(frame);
            signal = true;
        } else if (append) {
            queue_.push_back(frame);
        } else if (MayReplaceRemembered(frame)) {
            **remembered_ = frame;
        } else {
            queue_.push_back(frame);
            remembered_ = std::prev(queue_.end());
        }
        lastCode_ = CodeOf(frame);
    }
    // The I/O thread is woken once the decision is complete and the lock free.
    if (signal)
        io_.SignalTransmit();
}

void LinkEngine::KeepAliveTick() {
    {
        std::lock_guard guard(io_.Lock());
        if (busy_ || !queue_.empty() || paused_)
            return;
    }
    io_.SetTimeout(io_.Traits().keepAliveTimeoutMs);
    SendQueued(BuildFrame(LCmd(static_cast<std::uint8_t>(deviceId_.load()), MCS_ALIVE)), false);
}

void LinkEngine::OnReceiveByte(std::uint8_t b) {
    if (auto frame = assembler_.Push(b))
        Deliver(std::move(*frame));
}

void LinkEngine::Deliver(std::vector<std::uint8_t> frame) {
    if (!LCmd(frame).IsValid()) {
        // A garbled reply (bad end marker, a length that disagrees) answers
        // nothing: the request stays outstanding and is re-sent by the
        // reply time-out, as if nothing had come.
        if (io_.Traits().logsFrames)
            owner_.LogComRead(frame.data(), frame.size());
        return;
    }
    sys::Millis start;
    {
        std::lock_guard guard(io_.Lock());
        start = requestStart_;
    }
    const sys::Millis elapsed = std::max<sys::Millis>(0, io_.Clock().NowMs() - start);
    const auto elapsedMs = static_cast<std::uint32_t>(std::min<sys::Millis>(elapsed, 0xFFFFFFFF));
    // The transmit buffer keeps the request, so a re-send repeats it.
    if (io_.Traits().logsFrames)
        owner_.LogComRead(frame.data(), frame.size());
    const unsigned message = io_.AtStandardRate() ? WM_LINK_FRAME : WM_LINK_FRAME_OTHER;

    // The task owns the frame, so it stays valid for a handler that still
    // runs after a close has released this thread.
    auto owned = std::make_shared<const std::vector<std::uint8_t>>(std::move(frame));
    LinkOwner* owner = &owner_;
    const LinkId id = id_;
    const auto result = sys::HandOver(
        owner_.LinkGui(),
        [owner, owned, id, message, elapsedMs] {
            owner->OnLinkFrame({id, message, *owned, elapsedMs});
        },
        io_.Events(), LinkQuitEvent, LinkDeliveredEvent);
    if (result == sys::HandOverResult::Abandoned) {
        io_.EndThread();
        return;
    }
    SendNext();
}

void LinkEngine::SendNext() {
    bool signal = false;
    {
        std::lock_guard guard(io_.Lock());
        if (queue_.empty()) {
            busy_ = false;
        } else {
            StartRequest(queue_.front());
            if (remembered_ && *remembered_ == queue_.begin())
                remembered_.reset();
            queue_.pop_front();
            signal = true;
        }
    }
    if (signal)
        io_.SignalTransmit();
}

} // namespace korvan
