#include "device/PushLink.h"

#include <memory>

namespace korvan {

namespace {

constexpr std::size_t DestinationByte = 3;

// The owner's write hook as the I/O thread's transport. It keeps what it
// needs itself, so a thread that outlives its link still writes safely.
class HookTransport final : public LinkTransport {
public:
    HookTransport(PushLink::WriteHook write, LinkOwner& owner, LinkId id)
        : write_(std::move(write)), owner_(owner), id_(id) {}

    void Write(const std::uint8_t* bytes, std::size_t length) override {
        if (!write_(bytes, length))
            PostLinkStatus(owner_, id_, LinkFrameTooLong,
                           length > DestinationByte ? bytes[DestinationByte] : 0);
    }

private:
    PushLink::WriteHook write_;
    LinkOwner& owner_;
    const LinkId id_;
};

} // namespace

PushLink::PushLink(LinkKind kind, LinkOwner& owner, WriteHook write)
    : owner_(owner), id_(NextLinkId()), write_(std::move(write)), io_(LinkTraitsOf(kind), owner) {}

PushLink::~PushLink() {
    PushLink::Close();
}

bool PushLink::Open() {
    if (io_.IsOpen())
        return false;
    return io_.Start(std::make_unique<HookTransport>(write_, owner_, id_), *this);
}

void PushLink::Close() {
    if (!io_.Stop())
        PostLinkEvent(LinkStopTimeout, 0);
}

void PushLink::Send(const std::uint8_t* bytes, std::size_t length) {
    if (!io_.IsOpen() || bytes == nullptr || length == 0)
        return;
    io_.StoreTransmit(bytes, length);
    io_.SignalTransmit();
}

void PushLink::SendFrame(const std::vector<std::uint8_t>& frame) {
    PushLink::Send(frame.data(), frame.size());
}

void PushLink::PushReceived(const std::uint8_t* bytes, std::size_t length) {
    io_.PushReceived(bytes, length);
}

void PushLink::OnReceiveByte(std::uint8_t) {}

void PushLink::PostLinkEvent(LinkStatus code, std::uint32_t argument) {
    PostLinkStatus(owner_, id_, code, argument);
}

void PushLink::SetTimeout(std::uint32_t ms) {
    io_.SetTimeout(ms);
}
std::uint32_t PushLink::GetTimeout() const {
    return io_.GetTimeout();
}
void PushLink::SetRetries(int count) {
    io_.SetRetries(count);
}
int PushLink::GetRetries() const {
    return io_.GetRetries();
}
bool PushLink::IsOpen() const {
    return io_.IsOpen();
}
std::vector<std::uint8_t> PushLink::TransmitFrame() const {
    return io_.TransmitFrame();
}
void PushLink::SetProbe(LinkProbe* probe) {
    io_.SetProbe(probe);
}

} // namespace korvan
