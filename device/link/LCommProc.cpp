#include "device/link/LCommProc.h"

LCommProc::LCommProc(LinkOwner& owner) : LComm(owner), engine_(Io(), owner, GetLinkId()) {}

LCommProc::~LCommProc() {
    LCommProc::Close();
}

bool LCommProc::Open(int portNo, int baudRate, int byteSize, korvan::sys::Parity parity,
                     korvan::sys::StopBits stopBits) {
    return engine_.Open([&] { return LComm::Open(portNo, baudRate, byteSize, parity, stopBits); });
}

void LCommProc::Close() {
    engine_.Close([this] { LComm::Close(); });
}

void LCommProc::Send(const std::uint8_t* bytes, std::size_t length) {
    engine_.SendQueued(std::vector<std::uint8_t>(bytes, bytes + length), false);
}

void LCommProc::SendFrame(const std::vector<std::uint8_t>& frame) {
    engine_.SendQueued(frame, false);
}

void LCommProc::OnReceiveByte(std::uint8_t b) {
    engine_.OnReceiveByte(b);
}

void LCommProc::SetTimeout(std::uint32_t ms) {
    LComm::SetTimeout(ms);
}

void LCommProc::SendQueued(const std::vector<std::uint8_t>& frame, bool append) {
    engine_.SendQueued(frame, append);
}

void LCommProc::SetPaused(bool paused) {
    engine_.SetPaused(paused);
}

void LCommProc::SetDeviceId(int id) {
    engine_.SetDeviceId(id);
}
