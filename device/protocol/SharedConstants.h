#pragma once
// Constants every module of the editor shares. Nothing writes them; the
// tables are defined once in SharedConstants.cpp.

#include <array>
#include <cstdint>
#include <numbers>

inline constexpr const char* AppTitle = "the Brivane KORVAN DSP Processor Editor";
inline constexpr const char* AppVersion = "V1.0";
inline constexpr const char* DefaultUnitAddress = "192.168.1.101";

// Compressor ratio read-outs by ratio index; index 15 is the limiter setting.
extern const std::array<const char*, 16> RatioLabels;
// Compressor ratio by ratio index; 20.1 stands for the limiter.
extern const std::array<double, 16> RatioTable;

// 2^(1/30): one step of the frequency index.
inline constexpr double FrequencyStepRatio = 1.023373891996775;
// Q of every graphic-EQ band section.
inline constexpr double GeqQ = 8.65;
// Speed of sound of the delay conversions, in m/s.
inline constexpr float DelaySpeedOfSound = 343.5f;

// Unit spellings accepted after a typed value.
extern const std::array<const char*, 4> DbSpellings;
extern const std::array<const char*, 4> MsSpellings;
extern const std::array<const char*, 2> MetreSpellings;
extern const std::array<const char*, 4> FootSpellings;

// High- and low-pass filter type 0..20 to curve row: 0 off, 1..8 Butterworth
// order 1..8, 9..16 Bessel order 1..8, 17..20 Linkwitz-Riley 12, 24, 36, 48 dB.
extern const std::array<std::int32_t, 21> CrossoverRowMap;
// PEQ band type 0..8 to filter section kind.
extern const std::array<std::int32_t, 9> PeqTypeSectionKind;

// The three constants of the PEQ editors.
namespace korvan {
// Highest Q a shelf band keeps.
inline constexpr double PeqShelfMaxQ = 3.0;
// Q a band takes when it changes between shelf and pass types.
inline constexpr double PeqTypeChangeQ = 0.71;
// Left offset of the plot area in the curve displays, in pixels.
inline constexpr double PeqPlotLeft = 42.0;
} // namespace korvan

// Phase of a section in units of 10 degrees per radian (about 5.7296).
inline constexpr double PhaseUnitsPerRadian = 18.0 / 180.0 * 180.0 / std::numbers::pi;

// Butterworth cascades, order 1..8 (row 0..7): value 0 is 1 when the order is
// odd (one first-order stage), values 1..4 are the second-order stages'
// 2 sin((2k - 1) pi / 2n), k = 1..n/2, to four decimals; unused values are 0.
extern const std::array<std::array<float, 5>, 8> ButterworthSections;
// Bessel cascades, order 1..8 (row 0..7), five (a, b) pairs: pair 0 is the
// first-order stage (a, 0) of the odd orders, pairs 1..4 the second-order
// stages; pairs an order does not need are (0, 0).
extern const std::array<std::array<std::array<float, 2>, 5>, 8> BesselSections;

// Colours are 32-bit integers in the framework's colour layout 0x00BBGGRR:
// red in the low byte, then green, then blue.
namespace korvan {
constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}
} // namespace korvan

// Section marker colours by section number: the same 14 colours four times.
extern const std::array<std::uint32_t, 56> MarkerColors;
// Total-curve colours by display number; the first 12 are the channel colours.
extern const std::array<std::uint32_t, 18> TotalCurveColors;

// Level-meter step thresholds in dB.
extern const std::array<float, 9> LevelThresholdsIn;
extern const std::array<float, 8> LevelThresholdsOut;

// Graphic-EQ band centres in Hz, band 0..30.
extern const std::array<float, 31> GeqCentres;

// Q value by Q index 0..100.
extern const std::array<float, 101> QTable;
