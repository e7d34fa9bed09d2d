#include "device/protocol/LCmd.h"

#include "device/protocol/Frame.h"

LCmd::LCmd(std::uint8_t id, std::uint8_t code) : id_(id), code_(code), valid_(true) {}

LCmd::LCmd(const std::vector<std::uint8_t>& frame) {
    using korvan::FrameOverhead;
    const std::size_t n = frame.size();
    if (n < FrameOverhead + 1) {
        return;
    }
    const std::size_t length = frame[4];
    if (length == 0 || n != length + FrameOverhead) {
        return;
    }
    if (frame[0] != korvan::FrameStart1 || frame[1] != korvan::FrameStart2 ||
        frame[n - 3] != korvan::FrameEnd1 || frame[n - 2] != korvan::FrameEnd2) {
        return;
    }
    id_ = frame[2];
    code_ = frame[5];
    payload_.assign(frame.begin() + 6, frame.begin() + 6 + static_cast<std::ptrdiff_t>(length - 1));
    valid_ = true;
}

void LCmd::AppendByte(std::uint8_t b) {
    payload_.push_back(b);
}

void LCmd::AppendWord(std::uint16_t w) {
    payload_.push_back(static_cast<std::uint8_t>(w & 0xFF));
    payload_.push_back(static_cast<std::uint8_t>((w >> 8) & 0xFF));
}

void LCmd::AppendBytes(const std::uint8_t* data, std::size_t count) {
    if (data == nullptr) {
        payload_.insert(payload_.end(), count, 0);
        return;
    }
    payload_.insert(payload_.end(), data, data + count);
}

void LCmd::AppendBytes(const char* data, std::size_t count) {
    AppendBytes(reinterpret_cast<const std::uint8_t*>(data), count);
}
