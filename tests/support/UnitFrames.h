#pragma once
// Frames as the unit side makes and reads them, written apart from the
// editor's frame code so that tests check the one against the other.

#include <cstdint>
#include <optional>
#include <vector>

namespace korvan::test {

using Bytes = std::vector<std::uint8_t>;

// A reply from the unit: 10 02, the unit's ID, 0, L, code, payload, 10 03,
// XOR check byte.
Bytes UnitReply(std::uint8_t unitId, std::uint8_t code, const Bytes& payload = {});

// One request as the unit reads it.
struct UnitRequest {
    std::uint8_t destination = 0;
    std::uint8_t code = 0;
    Bytes payload;
    Bytes frame;
};

// Cuts requests out of a byte stream by the start marker and length byte.
class UnitFrameReader {
public:
    // Takes bytes; returns the requests they complete.
    std::vector<UnitRequest> Feed(const std::uint8_t* bytes, std::size_t length);

private:
    Bytes buffer_;
};

} // namespace korvan::test
