// Typed dynamics values read into control positions, and the transfer
// curves' points: every unit spelling, the range ends, the half-dB grid and
// texts that are no value at all.

#include "ui/main/editors/DynamicsEntry.h"
#include "ui/main/editors/DynamicsCurves.h"

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

using namespace korvan::editors;

namespace {

// The threshold fader position a typed threshold lands on.
std::optional<int> Threshold(const char* text) {
    const auto value = ReadDecimalEntry(text, -90, 20);
    return value ? std::optional<int>(int(std::trunc(*value * 2))) : std::nullopt;
}

std::optional<int> Knee(const char* text) {
    const auto value = ReadDecimalEntry(text, 0, 12);
    return value ? std::optional<int>(int(std::trunc(*value))) : std::nullopt;
}

TEST(DynamicsEntry, ThresholdsLandOnTheHalfDecibelGrid) {
    struct Case {
        const char* text;
        std::optional<int> position;
    };
    const Case cases[] = {
        {"-12.3dB", -24},
        {"-12.7", -25},
        {"-12.55", -25},
        {"7.86", 15},
        {"7.9", 15},
        {"+7.4", 14},
        {"-0.2", 0},
        {".7", 1},
        {"20", 40},
        {"30", 40},
        {"-100", -180},
        {"-90", -180},
        {"12DB", 24},
        {"12db", 24},
        {"12Db", 24},
        {"+20.0dB", 40},
        {"99999999999999999999999", 40},
        {"-99999999999999999999999", -180},
        // No threshold: the previous text comes back.
        {"abc", {}},
        {"", {}},
        {"-", {}},
        {".", {}},
        {"dB", {}},
        {"12 dB", {}},
        {"dB12", {}},
        {"5.", {}},
        {"1.2.3", {}},
        {"--5", {}},
        {"5-", {}},
        {"5.-", {}},
        {"+-5", {}},
        {".4", {}},
        {"-.4", {}},
        {"1,5", {}},
        {"\xc3\xa9", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Threshold(c.text), c.position) << '"' << c.text << '"';
}

TEST(DynamicsEntry, KneesAreWholeDecibelsFromZeroToTwelve) {
    struct Case {
        const char* text;
        std::optional<int> knee;
    };
    for (const Case& c : {Case{"6.8", 6}, Case{"-2", 0}, Case{"15dB", 12}, Case{"12", 12}, Case{"0", 0},
                          Case{"3.5", 3}, Case{"x", {}}, Case{"6 dB", {}}})
        EXPECT_EQ(Knee(c.text), c.knee) << '"' << c.text << '"';
}

TEST(DynamicsEntry, TimesAreWholeMillisecondsWithinTheFadersRange) {
    struct Case {
        const char* text;
        int low, high;
        std::optional<int> ms;
    };
    const Case cases[] = {
        {"0", 1, 999, 1},
        {"1", 1, 999, 1},
        {"5000", 1, 999, 999},
        {"999", 1, 999, 999},
        {"120ms", 1, 999, 120},
        {"120MS", 1, 999, 120},
        {"120Ms", 1, 999, 120},
        {"120mS", 1, 999, 120},
        {"5", 10, 3000, 10},
        {"3001", 10, 3000, 3000},
        {"99999999999999999999", 10, 999, 999},
        {"120 ms", 1, 999, {}},
        {"12.5", 1, 999, {}},
        {"12.5ms", 1, 999, {}},
        {"", 1, 999, {}},
        {"ms", 1, 999, {}},
        {"-5", 1, 999, {}},
        {"+5", 1, 999, {}},
        {"5s", 1, 999, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadTimeEntry(c.text, c.low, c.high), c.ms) << '"' << c.text << '"';
}

TEST(DynamicsEntry, RatiosTakeTheNextStepUp) {
    struct Case {
        const char* text;
        std::optional<int> step;
    };
    const Case cases[] = {
        {"4", 9},
        {"1:4", 9},
        {"1:2.2", 6},
        {"2.2", 6},
        {"0.5", 0},
        {"0", 0},
        {"1:1", 0},
        {"1", 0},
        {"1.5", 3},
        {"20", 14},
        {"20.05", 15},
        {"25", 15},
        {".5", 0},
        {"1:4dB", 9},
        {"4DB", 9},
        {"1:1.5db", 3},
        // Rejected: the failure path, never a conversion error.
        {"1:", {}},
        {"2:1", {}},
        {"12:4", {}},
        {"1::4", {}},
        {":", {}},
        {".", {}},
        {"4.", {}},
        {"1:4.", {}},
        {"", {}},
        {"Limit", {}},
        {"-4", {}},
        {"1:4:", {}},
        {"1 :4", {}},
        {"1:.", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadRatioEntry(c.text), c.step) << '"' << c.text << '"';
}

TEST(DynamicsCurves, PointsFollowThresholdKneeAndRatio) {
    using Points4 = std::array<CurvePoint, 4>;
    // Ratio 1:1.0 with no knee: the diagonal.
    EXPECT_EQ(CompressorCurve(-40, 0, 0), (Points4{{{20, 20}, {-20, -20}, {-20, -20}, {-100, -100}}}));
    // 1:4.0 at -20 dB with a 4 dB knee.
    EXPECT_EQ(CompressorCurve(-40, 4, 9), (Points4{{{20, -10}, {-16, -19}, {-24, -24}, {-100, -100}}}));
    // At "Limit" the compressor is the limiter.
    EXPECT_EQ(CompressorCurve(-13, 6, LimitRatioStep), LimiterCurve(-13, 6));
    EXPECT_EQ(LimiterCurve(-13, 6), (Points4{{{20, -6.5}, {-0.5, -6.5}, {-12.5, -12.5}, {-100, -100}}}));
    // +20 dB with a 12 dB knee: the second point lies right of the first.
    EXPECT_EQ(LimiterCurve(40, 12)[1], (CurvePoint{32, 20}));
    using Points3 = std::array<CurvePoint, 3>;
    EXPECT_EQ(GateCurve(-180), (Points3{{{20, 20}, {-90, -90}, {-90, -100}}}));
    const CurvePoint marker = ThresholdMarker(-180);
    EXPECT_DOUBLE_EQ(marker.first, -89.8);
    EXPECT_DOUBLE_EQ(marker.second, -90.4);
}

} // namespace
