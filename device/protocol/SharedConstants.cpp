#include "device/protocol/SharedConstants.h"

using korvan::Rgb;

const std::array<const char*, 16> RatioLabels = {"1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5", "3.0",
                                                 "3.5", "4.0", "5.0", "6.0", "8.0", "10",  "20",  "Limit"};

const std::array<double, 16> RatioTable = {1.0, 1.1, 1.3, 1.5, 1.7, 2.0,  2.5,  3.0,
                                           3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1};

const std::array<const char*, 4> DbSpellings = {"dB", "DB", "db", "Db"};
const std::array<const char*, 4> MsSpellings = {"ms", "Ms", "mS", "MS"};
const std::array<const char*, 2> MetreSpellings = {"m", "M"};
const std::array<const char*, 4> FootSpellings = {"ft", "Ft", "fT", "FT"};

const std::array<std::int32_t, 21> CrossoverRowMap = {0, 1,  9, 2,  10, 17, 3,  11, 4,  12, 18,
                                                      5, 13, 6, 14, 19, 7,  15, 8,  16, 20};

const std::array<std::int32_t, 9> PeqTypeSectionKind = {1, 2, 3, 8, 5, 9, 4, 7, 17};

const std::array<std::array<float, 5>, 8> ButterworthSections = {{
    {1.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.4142f, 0.0f, 0.0f, 0.0f},
    {1.0f, 1.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.7654f, 1.8478f, 0.0f, 0.0f},
    {1.0f, 0.618f, 1.618f, 0.0f, 0.0f},
    {0.0f, 0.5176f, 1.4142f, 1.9319f, 0.0f},
    {1.0f, 0.445f, 1.247f, 1.8019f, 0.0f},
    {0.0f, 0.3902f, 1.1111f, 1.6629f, 1.9616f},
}};

const std::array<std::array<std::array<float, 2>, 5>, 8> BesselSections = {{
    {{{1.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.0f, 0.0f}, {1.3617f, 0.618f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.756f, 0.0f}, {0.9996f, 0.4772f}, {0.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.0f, 0.0f}, {1.3397f, 0.4889f}, {0.7743f, 0.389f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.6656f, 0.0f}, {1.1402f, 0.4128f}, {0.6216f, 0.3245f}, {0.0f, 0.0f}, {0.0f, 0.0f}}},
    {{{0.0f, 0.0f}, {1.2217f, 0.3887f}, {0.9686f, 0.3505f}, {0.5131f, 0.2756f}, {0.0f, 0.0f}}},
    {{{0.5937f, 0.0f}, {1.0944f, 0.3395f}, {0.8304f, 0.3011f}, {0.4332f, 0.2381f}, {0.0f, 0.0f}}},
    // 0.3162 is the true coefficient of the first stage of order 8.
    {{{0.0f, 0.0f}, {1.1112f, 0.3162f}, {0.9754f, 0.2979f}, {0.7202f, 0.2621f}, {0.3728f, 0.2087f}}},
}};

namespace {
constexpr std::uint32_t Red = Rgb(255, 0, 0);
constexpr std::uint32_t Yellow = Rgb(255, 255, 0);
constexpr std::uint32_t Fuchsia = Rgb(255, 0, 255);
constexpr std::uint32_t Aqua = Rgb(0, 255, 255);
constexpr std::uint32_t Lime = Rgb(0, 255, 0);
constexpr std::uint32_t Blue = Rgb(0, 0, 255);
constexpr std::uint32_t SkyBlue = Rgb(166, 202, 240);
constexpr std::uint32_t Purple = Rgb(128, 0, 128);
constexpr std::uint32_t Teal = Rgb(0, 128, 128);
constexpr std::uint32_t Maroon = Rgb(128, 0, 0);
constexpr std::uint32_t Cream = Rgb(255, 251, 240);
constexpr std::uint32_t Olive = Rgb(128, 128, 0);
constexpr std::uint32_t Grey = Rgb(128, 128, 128);
constexpr std::uint32_t Navy = Rgb(0, 0, 128);

constexpr std::array<std::uint32_t, 14> MarkerCycle = {Red,    Yellow, Fuchsia, Aqua,  Lime,  Blue, SkyBlue,
                                                       Purple, Teal,   Maroon,  Cream, Olive, Grey, Navy};

constexpr std::array<std::uint32_t, 56> RepeatMarkerCycle() {
    std::array<std::uint32_t, 56> colors{};
    for (std::size_t i = 0; i < colors.size(); ++i) {
        colors[i] = MarkerCycle[i % MarkerCycle.size()];
    }
    return colors;
}
} // namespace

const std::array<std::uint32_t, 56> MarkerColors = RepeatMarkerCycle();

const std::array<std::uint32_t, 18> TotalCurveColors = {
    Purple, Olive, Teal,   Maroon,                                // inputs
    Red,    Lime,  Yellow, Blue,   Fuchsia, Aqua, SkyBlue, Cream, // outputs
    Purple, Olive,                                                // gain page
    Purple, Olive, Teal,   Maroon,                                // graphic-EQ displays
};

const std::array<float, 9> LevelThresholdsIn = {-50.0f, -40.0f, -30.0f, -20.0f, -5.0f,
                                                0.0f,   5.0f,   12.0f,  15.0f};
const std::array<float, 8> LevelThresholdsOut = {-50.0f, -30.0f, -10.0f, -5.0f, 0.0f, 5.0f, 12.0f, 15.0f};

const std::array<float, 31> GeqCentres = {
    20.0f,   25.0f,   31.5f,   40.0f,   50.0f,   63.0f,    80.0f,    100.0f,   125.0f,  160.0f,  200.0f,
    250.0f,  315.0f,  400.0f,  500.0f,  630.0f,  800.0f,   1000.0f,  1250.0f,  1600.0f, 2000.0f, 2500.0f,
    3150.0f, 4000.0f, 5000.0f, 6300.0f, 8000.0f, 10000.0f, 12500.0f, 16000.0f, 20000.0f};

const std::array<float, 101> QTable = {
    0.4f,   0.42f, 0.45f, 0.47f, 0.5f,  0.53f, 0.56f,  0.59f,  0.63f,  0.67f,  // 0-9
    0.71f,  0.75f, 0.79f, 0.84f, 0.89f, 0.94f, 1.0f,   1.06f,  1.12f,  1.19f,  // 10-19
    1.26f,  1.3f,  1.4f,  1.5f,  1.6f,  1.7f,  1.8f,   1.9f,   2.0f,   2.1f,   // 20-29
    2.2f,   2.4f,  2.5f,  2.7f,  2.8f,  3.0f,  3.2f,   3.4f,   3.6f,   3.8f,   // 30-39
    4.0f,   4.2f,  4.5f,  4.8f,  5.0f,  5.3f,  5.7f,   6.0f,   6.3f,   6.7f,   // 40-49
    7.1f,   7.6f,  8.0f,  8.5f,  9.0f,  9.5f,  10.1f,  10.7f,  11.3f,  12.0f,  // 50-59
    12.7f,  13.5f, 14.0f, 15.0f, 16.0f, 17.0f, 18.0f,  19.0f,  20.0f,  21.0f,  // 60-69
    23.0f,  24.0f, 25.0f, 27.0f, 29.0f, 30.0f, 32.0f,  34.0f,  36.0f,  38.0f,  // 70-79
    40.0f,  43.0f, 45.0f, 48.0f, 51.0f, 54.0f, 57.0f,  60.0f,  64.0f,  68.0f,  // 80-89
    72.0f,  76.0f, 81.0f, 85.0f, 91.0f, 96.0f, 102.0f, 108.0f, 114.0f, 121.0f, // 90-99
    128.0f,                                                                    // 100
};
