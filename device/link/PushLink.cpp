#include "device/link/PushLink.h"

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
    : LinkBase(kind, owner), write_(std::move(write)) {}

bool PushLink::Open() {
    if (Io().IsOpen())
        return false;
    return Io().Start(std::make_unique<HookTransport>(write_, Owner(), GetLinkId()), *this);
}

void PushLink::PushReceived(const std::uint8_t* bytes, std::size_t length) {
    Io().PushReceived(bytes, length);
}

} // namespace korvan
