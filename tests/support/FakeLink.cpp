#include "tests/support/FakeLink.h"

#include "device/link/LinkOwner.h"

#include <chrono>

namespace korvan::test {

void WriteLog::Add(const std::uint8_t* bytes, std::size_t length) {
    std::unique_lock lock(mutex_);
    if (held_) {
        blocked_ = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return !held_; });
        blocked_ = false;
    }
    frames_.emplace_back(bytes, bytes + length);
    changed_.notify_all();
}

std::vector<std::vector<std::uint8_t>> WriteLog::Frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

std::size_t WriteLog::Count() const {
    std::lock_guard lock(mutex_);
    return frames_.size();
}

bool WriteLog::WaitForCount(std::size_t count) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return frames_.size() >= count; });
}

void WriteLog::Hold() {
    std::lock_guard lock(mutex_);
    held_ = true;
}

void WriteLog::Release() {
    {
        std::lock_guard lock(mutex_);
        held_ = false;
    }
    changed_.notify_all();
}

bool WriteLog::WaitForBlockedWrite() const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return blocked_; });
}

void WriteLog::MarkTransportGone() {
    {
        std::lock_guard lock(mutex_);
        transportGone_ = true;
    }
    changed_.notify_all();
}

bool WriteLog::WaitForTransportGone() const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return transportGone_; });
}

FakeLink::FakeLink(LinkKind kind, LinkOwner& owner)
    : owner_(owner), id_(NextLinkId()), io_(LinkTraitsOf(kind), owner), engine_(io_, owner, id_) {}

FakeLink::~FakeLink() {
    Close();
}

bool FakeLink::Open() {
    return engine_.Open([this] { return io_.Start(std::make_unique<FakeTransport>(writes_), *this); });
}

void FakeLink::Close() {
    engine_.Close([this] {
        if (!io_.Stop())
            PostLinkEvent(LinkStopTimeout, 0);
    });
}

void FakeLink::OnReceiveByte(std::uint8_t b) {
    engine_.OnReceiveByte(b);
    {
        std::lock_guard lock(takenMutex_);
        ++taken_;
    }
    takenChanged_.notify_all();
}

bool FakeLink::WaitForBytesTaken(std::size_t count) const {
    std::unique_lock lock(takenMutex_);
    return takenChanged_.wait_for(lock, std::chrono::seconds(5), [&] { return taken_ >= count; });
}

std::size_t FakeLink::BytesTaken() const {
    std::lock_guard lock(takenMutex_);
    return taken_;
}

void FakeLink::PostLinkEvent(LinkStatus code, std::uint32_t argument) {
    LinkOwner* owner = &owner_;
    const LinkStatusMessage message{id_, code, argument};
    owner_.LinkGui().Post([owner, message] { owner->OnLinkStatus(message); });
}

} // namespace korvan::test
