#include "device/link/LinkBase.h"

namespace korvan {

LinkBase::LinkBase(LinkKind kind, LinkOwner& owner)
    : owner_(owner), id_(NextLinkId()), io_(LinkTraitsOf(kind), owner) {}

LinkBase::~LinkBase() {
    LinkBase::Close();
}

void LinkBase::Close() {
    if (!io_.Stop())
        PostLinkEvent(LinkStopTimeout, 0);
}

void LinkBase::Send(const std::uint8_t* bytes, std::size_t length) {
    if (!io_.IsOpen() || bytes == nullptr || length == 0)
        return;
    io_.StoreTransmit(bytes, length);
    io_.SignalTransmit();
}

void LinkBase::SendFrame(const std::vector<std::uint8_t>& frame) {
    LinkBase::Send(frame.data(), frame.size());
}

void LinkBase::OnReceiveByte(std::uint8_t) {}

void LinkBase::PostLinkEvent(LinkStatus code, std::uint32_t argument) {
    PostLinkStatus(owner_, id_, code, argument);
}

void LinkBase::SetTimeout(std::uint32_t ms) {
    io_.SetTimeout(ms);
}
std::uint32_t LinkBase::GetTimeout() const {
    return io_.GetTimeout();
}
void LinkBase::SetRetries(int count) {
    io_.SetRetries(count);
}
int LinkBase::GetRetries() const {
    return io_.GetRetries();
}
bool LinkBase::IsOpen() const {
    return io_.IsOpen();
}
std::vector<std::uint8_t> LinkBase::TransmitFrame() const {
    return io_.TransmitFrame();
}
void LinkBase::SetProbe(LinkProbe* probe) {
    io_.SetProbe(probe);
}

} // namespace korvan
