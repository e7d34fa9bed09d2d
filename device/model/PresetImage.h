#pragma once
// One preset's parameters as the unit lays them out: a fixed 1448-byte image,
// 16-bit values low byte first. The model, the wire pages and both file
// formats share it, so it is held as bytes and reached through explicit
// offsets rather than through packed structures.

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvan::layout {

inline constexpr int kInputs = 4;
inline constexpr int kOutputs = 8;
inline constexpr int kChannels = kInputs + kOutputs;

inline constexpr std::size_t kImageSize = 1448;
inline constexpr std::size_t kPresetName = 2;
inline constexpr std::size_t kPresetNameLen = 14;
inline constexpr std::size_t kInputBlocks = 16;
inline constexpr std::size_t kInputBlockSize = 140;
inline constexpr std::size_t kOutputBlocks = 576;
inline constexpr std::size_t kOutputBlockSize = 104;
inline constexpr std::size_t kInputMuteMask = 1408;
inline constexpr std::size_t kOutputMuteMask = 1410;
inline constexpr std::size_t kBandBypassMasks = 1412; // one word per channel
inline constexpr std::size_t kWorkMode = 1436;
inline constexpr std::size_t kSineFreqIndex = 1438;
inline constexpr std::size_t kDelayUnit = 1440;
inline constexpr std::size_t kInputPeqBypassMask = 1442;
inline constexpr std::size_t kOutputPeqBypassMask = 1444;
inline constexpr std::size_t kGeqBypassMask = 1446;

inline constexpr std::size_t kChannelNameLen = 8;
inline constexpr std::size_t kPeqBandSize = 6;
inline constexpr int kInputPeqBands = 8;
inline constexpr int kOutputPeqBands = 9;
inline constexpr int kGeqBands = 31;

// Offsets inside an input block.
namespace in {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kGate = 8; // attack, release, hold, threshold
inline constexpr std::size_t kGeq = 16; // 31 words
inline constexpr std::size_t kPeq = 78; // 8 bands
inline constexpr std::size_t kCrossover = 126;
inline constexpr std::size_t kGain = 132;
inline constexpr std::size_t kPolarity = 134;
inline constexpr std::size_t kDelay = 136;
inline constexpr std::size_t kLinkMask = 138;
} // namespace in

// Offsets inside an output block.
namespace out {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kSourceMask = 8;
inline constexpr std::size_t kMix = 10; // 4 words, inputs 0..3
inline constexpr std::size_t kCrossover = 18;
inline constexpr std::size_t kPeq = 24;   // 9 bands
inline constexpr std::size_t kComp = 78;  // ratio, attack, release, knee, threshold
inline constexpr std::size_t kLimit = 88; // attack, release, knee, threshold
inline constexpr std::size_t kGain = 96;
inline constexpr std::size_t kPolarity = 98;
inline constexpr std::size_t kDelay = 100;
inline constexpr std::size_t kLinkMask = 102;
} // namespace out

// Offsets inside a crossover setting and a PEQ band.
inline constexpr std::size_t kXoverHpFreq = 0;
inline constexpr std::size_t kXoverLpFreq = 2;
inline constexpr std::size_t kXoverHpType = 4;
inline constexpr std::size_t kXoverLpType = 5;
inline constexpr std::size_t kBandGain = 0;
inline constexpr std::size_t kBandFreq = 2;
inline constexpr std::size_t kBandQ = 4;
inline constexpr std::size_t kBandType = 5;

constexpr bool IsInput(int ch) {
    return ch >= 0 && ch < kInputs;
}
constexpr bool IsOutput(int ch) {
    return ch >= kInputs && ch < kChannels;
}
constexpr bool IsChannel(int ch) {
    return ch >= 0 && ch < kChannels;
}
// Position of a channel within its own kind (bit number in the kind's masks).
constexpr int KindIndex(int ch) {
    return ch < kInputs ? ch : ch - kInputs;
}
// First channel and channel count of ch's kind.
constexpr int KindFirst(int ch) {
    return ch < kInputs ? 0 : kInputs;
}
constexpr int KindCount(int ch) {
    return ch < kInputs ? kInputs : kOutputs;
}
constexpr int PeqBandCount(int ch) {
    return ch < kInputs ? kInputPeqBands : kOutputPeqBands;
}

constexpr std::size_t BlockOffset(int ch) {
    return ch < kInputs ? kInputBlocks + kInputBlockSize * static_cast<std::size_t>(ch)
                        : kOutputBlocks + kOutputBlockSize * static_cast<std::size_t>(ch - kInputs);
}
// Fields both kinds hold, at the kind's own offsets.
constexpr std::size_t NameOffset(int ch) {
    return BlockOffset(ch) + (ch < kInputs ? in::kName : out::kName);
}
constexpr std::size_t CrossoverOffset(int ch) {
    return BlockOffset(ch) + (ch < kInputs ? in::kCrossover : out::kCrossover);
}
constexpr std::size_t PeqBandOffset(int ch, int band) {
    return BlockOffset(ch) + (ch < kInputs ? in::kPeq : out::kPeq) +
           kPeqBandSize * static_cast<std::size_t>(band);
}
constexpr std::size_t GainOffset(int ch) {
    return BlockOffset(ch) + (ch < kInputs ? in::kGain : out::kGain);
}
constexpr std::size_t PolarityOffset(int ch) {
    return BlockOffset(ch) + (ch < kInputs ? in::kPolarity : out::kPolarity);
}
constexpr std::size_t DelayOffset(int ch) {
    return BlockOffset(ch) + (ch < kInputs ? in::kDelay : out::kDelay);
}
constexpr std::size_t LinkMaskOffset(int ch) {
    return BlockOffset(ch) + (ch < kInputs ? in::kLinkMask : out::kLinkMask);
}
constexpr std::size_t MuteMaskOffset(int ch) {
    return ch < kInputs ? kInputMuteMask : kOutputMuteMask;
}
constexpr std::size_t PeqBypassMaskOffset(int ch) {
    return ch < kInputs ? kInputPeqBypassMask : kOutputPeqBypassMask;
}
constexpr std::size_t BandBypassMaskOffset(int ch) {
    return kBandBypassMasks + 2 * static_cast<std::size_t>(ch);
}
// Input-only and output-only fields.
constexpr std::size_t GateOffset(int input) {
    return BlockOffset(input) + in::kGate;
}
constexpr std::size_t GeqOffset(int input, int band) {
    return BlockOffset(input) + in::kGeq + 2 * static_cast<std::size_t>(band);
}
constexpr std::size_t SourceMaskOffset(int output) {
    return BlockOffset(output) + out::kSourceMask;
}
constexpr std::size_t MixOffset(int output, int input) {
    return BlockOffset(output) + out::kMix + 2 * static_cast<std::size_t>(input);
}
constexpr std::size_t CompOffset(int output) {
    return BlockOffset(output) + out::kComp;
}
constexpr std::size_t LimitOffset(int output) {
    return BlockOffset(output) + out::kLimit;
}

} // namespace korvan::layout

// The bytes of one preset. Every access is bounds-checked: an offset outside
// the image raises std::out_of_range rather than touching other memory.
struct PresetImage {
    std::array<std::uint8_t, korvan::layout::kImageSize> bytes{};

    std::uint8_t U8(std::size_t offset) const { return bytes.at(offset); }
    void SetU8(std::size_t offset, std::uint8_t value) { bytes.at(offset) = value; }
    std::uint16_t U16(std::size_t offset) const {
        return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
    }
    void SetU16(std::size_t offset, std::uint16_t value) {
        bytes.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
        bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    }
    const char* Chars(std::size_t offset) const { return reinterpret_cast<const char*>(&bytes.at(offset)); }

    bool operator==(const PresetImage&) const = default;
};

// The built-in default preset the model starts from and the EQ resets read.
const PresetImage& DefaultPresetImage();
