#include "tests/support/NetTestHost.h"

namespace korvan::test {

NetTestHost::NetTestHost(sys::GuiThread& gui, std::uint16_t port) : client_(gui) {
    client_.SetAddress("127.0.0.1");
    client_.SetPort(port);
    client_.OnRead = [this] { OnRead(); };
}

void NetTestHost::NetWriteFrame(const std::uint8_t* bytes, std::size_t length) {
    client_.SendBuf(bytes, length);
}

void NetTestHost::OnRead() {
    std::uint8_t buffer[ReadSize];
    const long n = client_.ReceiveBuf(buffer, sizeof buffer);
    if (n > 0 && link_ != nullptr)
        link_->PushReceived(buffer, static_cast<std::size_t>(n));
}

} // namespace korvan::test
