#include "ui/main/LevelReply.h"

#include "device/protocol/SharedConstants.h"

#include <bit>
#include <cmath>

namespace korvan {

namespace {

constexpr double SilentLevel = 1e-7;
// The thresholds are the meter's scale 15 dB up.
constexpr double ThresholdOffsetDb = 15.0;

// The first threshold at or above `db` (scale shifted down), or the count of
// thresholds when there is none.
template <std::size_t N> int StepOf(const std::array<float, N>& thresholds, double db) {
    for (std::size_t j = 0; j < N; ++j)
        if (static_cast<double>(thresholds[j]) - ThresholdOffsetDb >= db)
            return static_cast<int>(j);
    return static_cast<int>(N);
}

} // namespace

std::optional<LevelReading> DecodeLevelReply(std::span<const std::uint8_t> payload) {
    if (payload.size() < LevelReplySize)
        return std::nullopt;
    LevelReading reading;
    for (std::size_t k = 0; k < std::size_t(LevelChannels); ++k) {
        // The float's bytes from the most significant down are payload bytes
        // 3k+1, 3k and 3k+2; its lowest byte is not sent.
        const std::uint32_t bits = std::uint32_t(payload[3 * k + 1]) << 24 |
                                   std::uint32_t(payload[3 * k]) << 16 |
                                   std::uint32_t(payload[3 * k + 2]) << 8;
        reading.levels[k] = static_cast<double>(std::bit_cast<float>(bits));
    }
    reading.activity = static_cast<std::uint16_t>(payload[36] | payload[37] << 8);
    return reading;
}

double LevelDb(double level) {
    return 20.0 * std::log10(level == 0.0 ? SilentLevel : level);
}

int InputLevelStep(double db) {
    return StepOf(LevelThresholdsIn, db);
}

int OutputLevelStep(double db) {
    return StepOf(LevelThresholdsOut, db);
}

} // namespace korvan
