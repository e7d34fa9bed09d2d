#include "device/LComm.h"

#include <memory>

namespace {

// The serial port as the I/O thread's transport.
class SerialTransport final : public korvan::LinkTransport {
public:
    bool Open(const std::string& path, const korvan::sys::SerialSettings& settings) {
        return port_.Open(path, settings);
    }
    int ReceiveFd() const override { return port_.Fd(); }
    bool ReadAvailable(std::vector<std::uint8_t>& out) override { return port_.ReadAvailable(out); }
    void Write(const std::uint8_t* bytes, std::size_t length) override { port_.Write(bytes, length); }
    bool AtStandardRate() const override { return port_.CurrentBaudRate() == 115200; }
    void Close() override {
        port_.Purge();
        port_.Close();
    }

private:
    korvan::sys::SerialPort port_;
};

} // namespace

LComm::LComm(LinkOwner& owner)
    : owner_(owner), id_(korvan::NextLinkId()), io_(korvan::LinkTraitsOf(korvan::LinkKind::Serial), owner) {}

LComm::~LComm() {
    LComm::Close();
}

bool LComm::Open(int portNo, int baudRate, int byteSize, korvan::sys::Parity parity,
                 korvan::sys::StopBits stopBits) {
    if (io_.IsOpen())
        return false;
    if (!(portNo > 0 && portNo < 99 && baudRate >= 1200 && baudRate <= 128000))
        return false;
    const auto path = owner_.SerialPorts().DevicePathFor(portNo);
    if (!path)
        return false;
    auto transport = std::make_unique<SerialTransport>();
    if (!transport->Open(*path, {baudRate, byteSize, parity, stopBits}))
        return false;
    return io_.Start(std::move(transport), *this);
}

void LComm::Close() {
    if (!io_.Stop())
        PostLinkEvent(LinkStopTimeout, 0);
}

void LComm::Send(const std::uint8_t* bytes, std::size_t length) {
    if (!io_.IsOpen() || length == 0)
        return;
    io_.StoreTransmit(bytes, length);
    io_.SignalTransmit();
}

void LComm::SendFrame(const std::vector<std::uint8_t>& frame) {
    LComm::Send(frame.data(), frame.size());
}

void LComm::OnReceiveByte(std::uint8_t) {}

void LComm::PostLinkEvent(LinkStatus code, std::uint32_t argument) {
    korvan::PostLinkStatus(owner_, id_, code, argument);
}

void LComm::SetTimeout(std::uint32_t ms) {
    io_.SetTimeout(ms);
}
std::uint32_t LComm::GetTimeout() const {
    return io_.GetTimeout();
}
void LComm::SetRetries(int count) {
    io_.SetRetries(count);
}
int LComm::GetRetries() const {
    return io_.GetRetries();
}
void LComm::SetForcedResend(int count) {
    io_.SetForcedResend(count);
}
int LComm::GetForcedResend() const {
    return io_.GetForcedResend();
}
bool LComm::IsOpen() const {
    return io_.IsOpen();
}
std::vector<std::uint8_t> LComm::TransmitFrame() const {
    return io_.TransmitFrame();
}
void LComm::SetProbe(korvan::LinkProbe* probe) {
    io_.SetProbe(probe);
}
