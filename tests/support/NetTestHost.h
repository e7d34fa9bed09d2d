#pragma once
// What the main window does for a network link, for tests without a window:
// a TCP client to 127.0.0.1 whose reads (up to 100 bytes each) are pushed into
// the link on the GUI thread, and the link's frames written on it.

#include "device/link/LinkWriteHooks.h"
#include "device/link/PushLink.h"
#include "platform/sys/TcpClient.h"

#include <cstdint>

namespace korvan::test {

class NetTestHost final : public NetFrameWriter {
public:
    // The most one socket read takes.
    static constexpr std::size_t ReadSize = 100;

    NetTestHost(sys::GuiThread& gui, std::uint16_t port);

    // GUI thread: the link that gets the socket reads (or none).
    void SetLink(PushLink* link) { link_ = link; }
    // I/O thread of the link.
    void NetWriteFrame(const std::uint8_t* bytes, std::size_t length) override;
    sys::TcpClient& Client() { return client_; }

private:
    void OnRead();

    sys::TcpClient client_;
    PushLink* link_ = nullptr;
};

} // namespace korvan::test
