#include "device/protocol/Frame.h"

using namespace korvan;

std::vector<std::uint8_t> BuildFrame(const LCmd& record) {
    const std::vector<std::uint8_t>& payload = record.GetPayload();
    std::vector<std::uint8_t> frame;
    frame.reserve(payload.size() + FrameOverhead + 1);
    frame.push_back(FrameStart1);
    frame.push_back(FrameStart2);
    frame.push_back(0x00);
    frame.push_back(record.GetId());
    frame.push_back(static_cast<std::uint8_t>((payload.size() + 1) & 0xFF));
    frame.push_back(record.GetCode());
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(FrameEnd1);
    frame.push_back(FrameEnd2);
    std::uint8_t check = 0;
    for (std::uint8_t b : frame) {
        check ^= b;
    }
    frame.push_back(check);
    return frame;
}

FrameAssembler::FrameAssembler(AssemblerKind kind) : kind_(kind) {
    buffer_.reserve(MaxFrameSize);
}

std::optional<std::vector<std::uint8_t>> FrameAssembler::Push(std::uint8_t b) {
    if (buffer_.empty() && b != FrameStart1) {
        return std::nullopt;
    }
    if (buffer_.size() == 1 && b != FrameStart2) {
        // The 0x10 already held stays: the next 0x02 completes the marker.
        return std::nullopt;
    }
    buffer_.push_back(b);
    if (!IsComplete()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> frame;
    frame.swap(buffer_);
    buffer_.reserve(MaxFrameSize);
    return frame;
}

void FrameAssembler::Clear() {
    buffer_.clear();
}

bool FrameAssembler::IsComplete() const {
    const std::size_t minimum = kind_ == AssemblerKind::Serial ? 5 : 9;
    const std::size_t s = buffer_.size();
    if (s < 5) {
        return false;
    }
    const std::size_t expected = buffer_[4] + FrameOverhead;
    // A zero length byte makes an 8-byte frame, shorter than the point from
    // which the USB and network links look: cut it there too rather than
    // collect without end.
    if (s < minimum && expected >= minimum) {
        return false;
    }
    return s == expected;
}
