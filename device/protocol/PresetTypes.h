#pragma once
// Setting structures of the preset image, as plain values. The image stores
// every 16-bit field low byte first; the model reads and writes them by their
// offsets, so these structures carry no layout of their own.

#include <cstdint>

// One PEQ band: EQ gain (0..240, 120 = 0 dB), frequency index (0..300),
// Q index (0..100) and band type (0..8, 0 = peak).
struct PeqBand {
    std::uint16_t gain = 0;
    std::uint16_t freq = 0;
    std::uint8_t q = 0;
    std::uint8_t type = 0;
    friend bool operator==(const PeqBand&, const PeqBand&) = default;
};

// An output's compressor: ratio index (0..15, 15 = limit), attack and release
// (ms - 1), knee (dB) and threshold (2 x dB + 180).
struct CompSetting {
    std::uint16_t ratio = 0;
    std::uint16_t attack = 0;
    std::uint16_t release = 0;
    std::uint16_t knee = 0;
    std::uint16_t threshold = 0;
    friend bool operator==(const CompSetting&, const CompSetting&) = default;
};

// An output's limiter, encoded as the compressor's fields.
struct LimitSetting {
    std::uint16_t attack = 0;
    std::uint16_t release = 0;
    std::uint16_t knee = 0;
    std::uint16_t threshold = 0;
    friend bool operator==(const LimitSetting&, const LimitSetting&) = default;
};

// An input's gate: attack, release and hold (ms - 1), threshold (2 x dB + 180).
struct GateSetting {
    std::uint16_t attack = 0;
    std::uint16_t release = 0;
    std::uint16_t hold = 0;
    std::uint16_t threshold = 0;
    friend bool operator==(const GateSetting&, const GateSetting&) = default;
};

// High- and low-pass corners (frequency indexes 0..300) and filter types
// (0 = off, 1..20 the filter types).
struct CrossoverSetting {
    std::uint16_t hpFreq = 0;
    std::uint16_t lpFreq = 0;
    std::uint8_t hpType = 0;
    std::uint8_t lpType = 0;
    friend bool operator==(const CrossoverSetting&, const CrossoverSetting&) = default;
};
