#pragma once
// The unit's level reply (MCS_LEVELS): twelve channel levels and the
// compressor and limiter activity of the outputs, and the number of meter
// segments a level lights.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace korvan {

inline constexpr std::size_t LevelReplySize = 38;
inline constexpr int LevelChannels = 12;
inline constexpr int LevelInputs = 4;
inline constexpr int LevelOutputs = 8;

struct LevelReading {
    // Linear levels of channels 0..11 (InA..InD, Out1..Out8).
    std::array<double, LevelChannels> levels{};
    // Low byte: bit i = compressor of output i+1 active; high byte: the
    // limiters.
    std::uint16_t activity = 0;

    // `output` 1..8.
    bool CompressorActive(int output) const { return (activity >> (output - 1)) & 1u; }
    bool LimiterActive(int output) const { return (activity >> (8 + output - 1)) & 1u; }
};

// The reading of a level reply's payload; nothing when the payload is
// shorter than its 38 bytes (bytes beyond them are not read).
std::optional<LevelReading> DecodeLevelReply(std::span<const std::uint8_t> payload);

// The level in dB; a level of exactly 0 counts as 1e-7 (-140 dB). A level
// that is not a finite positive number gives NaN or infinity, which light
// every segment.
double LevelDb(double level);

// Segments lit for `db` on an input meter (0..9) or an output meter (0..8):
// one more at each threshold that `db` exceeds.
int InputLevelStep(double db);
int OutputLevelStep(double db);

} // namespace korvan
