#pragma once
// A link of any kind over an in-process transport, built from the same I/O
// core and engine as the real links: the test pushes received bytes in and
// reads what the link wrote. Writes can be held up to model a device that
// does not return.

#include "device/link/LinkEngine.h"
#include "device/link/LinkIo.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace korvan::test {

// What a fake transport wrote; shared with a thread that may outlive its link.
class WriteLog {
public:
    void Add(const std::uint8_t* bytes, std::size_t length);
    std::vector<std::vector<std::uint8_t>> Frames() const;
    std::size_t Count() const;
    // Waits (real time, 5 s at most) until `count` frames were written.
    bool WaitForCount(std::size_t count) const;
    // While held, a write blocks until Release.
    void Hold();
    void Release();
    // Waits until a write is blocked by Hold.
    bool WaitForBlockedWrite() const;
    // The transport that writes here is gone (its I/O thread has let go).
    void MarkTransportGone();
    bool WaitForTransportGone() const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<std::vector<std::uint8_t>> frames_;
    bool held_ = false;
    bool blocked_ = false;
    bool transportGone_ = false;
};

class FakeTransport final : public LinkTransport {
public:
    explicit FakeTransport(std::shared_ptr<WriteLog> log) : log_(std::move(log)) {}
    ~FakeTransport() override { log_->MarkTransportGone(); }
    void Write(const std::uint8_t* bytes, std::size_t length) override { log_->Add(bytes, length); }

private:
    std::shared_ptr<WriteLog> log_;
};

class FakeLink final : private LinkIoClient {
public:
    FakeLink(LinkKind kind, LinkOwner& owner);
    ~FakeLink();

    bool Open();
    void Close();
    void SendQueued(const std::vector<std::uint8_t>& frame, bool append) {
        engine_.SendQueued(frame, append);
    }
    void Push(const std::vector<std::uint8_t>& bytes) { io_.PushReceived(bytes.data(), bytes.size()); }

    LinkIo& Io() { return io_; }
    LinkEngine& Engine() { return engine_; }
    // Waits (real time, 5 s at most) until the I/O thread has taken `count`
    // received bytes in all, each with whatever delivery it completed.
    bool WaitForBytesTaken(std::size_t count) const;
    std::size_t BytesTaken() const;
    WriteLog& Writes() { return *writes_; }
    const std::shared_ptr<WriteLog>& WriteLogPtr() const { return writes_; }
    LinkId Id() const { return id_; }

private:
    void OnReceiveByte(std::uint8_t b) override;
    void PostLinkEvent(LinkStatus code, std::uint32_t argument) override;
    bool IsRequestOutstanding() const override { return engine_.IsBusy(); }

    LinkOwner& owner_;
    const LinkId id_;
    mutable std::mutex takenMutex_;
    mutable std::condition_variable takenChanged_;
    std::size_t taken_ = 0;
    std::shared_ptr<WriteLog> writes_ = std::make_shared<WriteLog>();
    LinkIo io_;
    LinkEngine engine_;
};

} // namespace korvan::test
