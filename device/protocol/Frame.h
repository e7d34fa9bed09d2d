#pragma once
// The frame layout shared by every link: 10 02, source, destination, length
// byte L (payload length + 1), command code, payload, 10 03, then an XOR check
// byte. A frame is L + 8 bytes long; there is no byte stuffing, so frames are
// cut from the byte stream by the start marker and the length byte alone.

#include "device/protocol/LCmd.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvan {

inline constexpr std::uint8_t FrameStart1 = 0x10;
inline constexpr std::uint8_t FrameStart2 = 0x02;
inline constexpr std::uint8_t FrameEnd1 = 0x10;
inline constexpr std::uint8_t FrameEnd2 = 0x03;
// Bytes of a frame besides its code and payload: markers, addresses, length
// byte, check byte.
inline constexpr std::size_t FrameOverhead = 8;
// Length byte 255 gives the longest frame.
inline constexpr std::size_t MaxFrameSize = 255 + FrameOverhead;

} // namespace korvan

// Frames a record as the editor sends it: source address 0, destination the
// record's ID. Never fails; an empty payload gives a 9-byte frame.
std::vector<std::uint8_t> BuildFrame(const LCmd& record);

// Which link an assembler serves. The serial link tests for a complete frame
// from 5 collected bytes on, the USB and network links from 9 on; a frame
// with length byte 0 completes at 8 bytes in both.
enum class AssemblerKind { Serial, UsbNet };

// Cuts frames out of a received byte stream, one byte at a time. Bytes before
// a start marker are skipped; a frame is complete when it holds its length
// byte + 8 bytes, whatever its end marker and check byte say. It never holds
// more than one frame's worth of bytes.
class FrameAssembler {
public:
    explicit FrameAssembler(AssemblerKind kind);

    // Takes one received byte; returns the frame it completes (and starts
    // empty again), or nothing while the frame is still open.
    std::optional<std::vector<std::uint8_t>> Push(std::uint8_t b);
    // Drops the bytes collected so far.
    void Clear();
    // The number of bytes collected so far.
    std::size_t Size() const { return buffer_.size(); }
    AssemblerKind Kind() const { return kind_; }

private:
    bool IsComplete() const;

    AssemblerKind kind_;
    std::vector<std::uint8_t> buffer_;
};
