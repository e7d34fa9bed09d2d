#include "device/link/LComm.h"

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

LComm::LComm(LinkOwner& owner) : LinkBase(korvan::LinkKind::Serial, owner) {}

bool LComm::Open(int portNo, int baudRate, int byteSize, korvan::sys::Parity parity,
                 korvan::sys::StopBits stopBits) {
    if (Io().IsOpen())
        return false;
    if (!(portNo > 0 && portNo < 99 && baudRate >= 1200 && baudRate <= 128000))
        return false;
    const auto path = Owner().SerialPorts().DevicePathFor(portNo);
    if (!path)
        return false;
    auto transport = std::make_unique<SerialTransport>();
    if (!transport->Open(*path, {baudRate, byteSize, parity, stopBits}))
        return false;
    return Io().Start(std::move(transport), *this);
}

void LComm::SetForcedResend(int count) {
    Io().SetForcedResend(count);
}
int LComm::GetForcedResend() const {
    return Io().GetForcedResend();
}
