#include "tests/support/UnitFrames.h"

#include <algorithm>

namespace korvan::test {

Bytes UnitReply(std::uint8_t unitId, std::uint8_t code, const Bytes& payload) {
    Bytes frame(payload.size() + 9, 0);
    frame[0] = 0x10;
    frame[1] = 0x02;
    frame[2] = unitId;
    frame[4] = static_cast<std::uint8_t>(payload.size() + 1);
    frame[5] = code;
    std::copy(payload.begin(), payload.end(), frame.begin() + 6);
    frame[payload.size() + 6] = 0x10;
    frame[payload.size() + 7] = 0x03;
    frame.pop_back();
    std::uint8_t check = 0;
    for (std::uint8_t b : frame)
        check ^= b;
    frame.push_back(check);
    return frame;
}

std::vector<UnitRequest> UnitFrameReader::Feed(const std::uint8_t* bytes, std::size_t length) {
    std::vector<UnitRequest> requests;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t b = bytes[i];
        if (buffer_.empty() && b != 0x10)
            continue;
        if (buffer_.size() == 1 && b != 0x02) {
            if (b != 0x10)
                buffer_.clear();
            continue;
        }
        buffer_.push_back(b);
        if (buffer_.size() < 5 || buffer_.size() < static_cast<std::size_t>(buffer_[4]) + 8)
            continue;
        UnitRequest request;
        request.destination = buffer_[3];
        request.code = buffer_.size() > 5 ? buffer_[5] : 0;
        if (buffer_[4] >= 1)
            request.payload.assign(buffer_.begin() + 6, buffer_.begin() + 6 + (buffer_[4] - 1));
        request.frame = std::move(buffer_);
        buffer_.clear();
        requests.push_back(std::move(request));
    }
    return requests;
}

} // namespace korvan::test
