// The PEQ grids' conversions: every frequency index and gain step survives
// the way through Hz and dB, and typed texts give the grid's steps.

#include "ui/curves/PeqGridText.h"
#include "device/protocol/ValueScales.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

using namespace korvan::curves;

namespace {

TEST(PeqGridText, EveryFrequencyIndexAndGainStepLandsOnItself) {
    for (int i = 0; i <= 300; ++i) {
        EXPECT_EQ(FreqStepFromHz(IndexToFreq(i)), i - 170) << i;
        EXPECT_EQ(FreqStepFromHzPlain(double(float(IndexToFreq(i)))), i - 170) << i;
        EXPECT_EQ(SnapFreqToIndex(IndexToFreq(i), false), i) << i;
    }
    for (int g = 0; g <= 240; ++g) {
        const double db = (g - 120) * 0.1;
        EXPECT_EQ(GainStepFromDbBand(db), g - 120) << g;
        EXPECT_EQ(GainStepFromDb(db), g - 120) << g;
        // A 32-bit caller keeps its step too.
        EXPECT_EQ(GainStepFromDb(double(float(db))), g - 120) << g;
    }
}

TEST(PeqGridText, FrequencyRoundingOfTheLogRatio) {
    EXPECT_EQ(FreqStepFromHz(1225), 9);  // 8.78
    EXPECT_EQ(FreqStepFromHz(1240), 9);  // 9.31
    EXPECT_EQ(FreqStepFromHz(1250), 10); // 9.66
    EXPECT_EQ(FreqStepFromHz(IndexToFreq(170) * std::pow(2.0, 9.55 / 30)), 9);
    EXPECT_EQ(FreqStepFromHz(IndexToFreq(170) * std::pow(2.0, -9.6 / 30)), -10);
}

TEST(PeqGridText, Texts) {
    EXPECT_EQ(FreqText(-170), "19.7Hz");
    EXPECT_EQ(FreqText(-30), "500.0Hz");
    EXPECT_EQ(FreqText(0), "1.00KHz");
    EXPECT_EQ(FreqText(18), "1.52KHz");
    EXPECT_EQ(FreqText(130), "20.16KHz");
    EXPECT_EQ(QText(0), "0.40");
    EXPECT_EQ(QText(20), "1.26");
    EXPECT_EQ(QText(100), "128.00");
    EXPECT_EQ(GainText(-33), "-3.3dB");
    EXPECT_EQ(GainText(0), "0dB");
    EXPECT_EQ(GainText(120), "12dB");
    EXPECT_EQ(GainStepFromDbBand(3.37), 34);
    EXPECT_EQ(GainStepFromDbBand(-3.37), -34);
    EXPECT_EQ(GainStepFromDbBand(-3.35), -33);
    EXPECT_EQ(HalfGainText(7), "3.5dB");
    EXPECT_EQ(HalfGainText(-24), "-12dB");
    EXPECT_EQ(HalfGainStepFromDb(-3.5f), -7);
}

struct Typed {
    const char* text;
    std::optional<int> step;
};

TEST(PeqGridText, TypedFrequency) {
    for (const Typed& t : {Typed{"1k", 0},
                           {"1000", 0},
                           {"1KHz", 0},
                           {"1.00KHz", 0},
                           {"500", -30},
                           {"1.5K", 18},
                           {"5", -170},
                           {"10", -170},
                           {"25000", 130},
                           {"99999999999999999999", 130},
                           {"abc", std::nullopt},
                           {"0", std::nullopt},
                           {"0.0", std::nullopt},
                           {".", std::nullopt},
                           {"", std::nullopt},
                           {"1.2.3", std::nullopt},
                           {"Hz", std::nullopt}})
        EXPECT_EQ(ParseTypedFreq(t.text), t.step) << t.text;
    // A comma passes the checks; the number conversion rejects it.
    EXPECT_THROW(ParseTypedFreq("1,5"), EConvertError);
    // The older grid takes no comma at all.
    EXPECT_EQ(ParseTypedFreq("1,5", false), std::nullopt);
}

TEST(PeqGridText, TypedQ) {
    for (const Typed& t : {Typed{"2", 28},
                           {"200", 100},
                           {"128", 100},
                           {"0.1", 0},
                           {"0.0", 0},
                           {"0.4", 0},
                           {"0", std::nullopt},
                           {".", std::nullopt},
                           {"", std::nullopt},
                           {"2x", std::nullopt}})
        EXPECT_EQ(ParseTypedQ(t.text), t.step) << t.text;
    EXPECT_EQ(QText(*ParseTypedQ("2")), "2.00");
    EXPECT_EQ(ParseTypedQPlain("0.0"), std::nullopt);
    EXPECT_EQ(ParseTypedQPlain("200"), 100);
    EXPECT_EQ(ParseTypedQPlain("0.1"), 0);
}

TEST(PeqGridText, TypedGain) {
    for (const Typed& t : {Typed{"15", 120},
                           {"-15", -120},
                           {"-3.37dB", -33},
                           {"-3.3", -33},
                           {"3.3db", 33},
                           {"0", 0},
                           {"-.5", -5},
                           {"3.", std::nullopt},
                           {"-", std::nullopt},
                           {".", std::nullopt},
                           {"--1", std::nullopt},
                           {"1..2", std::nullopt},
                           {"dB", std::nullopt}})
        EXPECT_EQ(ParseTypedGain(t.text), t.step) << t.text;
    EXPECT_THROW(ParseTypedGain("1-2"), EConvertError);
}

TEST(PeqGridText, TypedHalfDecibelGain) {
    for (const Typed& t : {Typed{"3.7", 7},
                           {"-3.2dB", -6},
                           {"-0.4", 0},
                           {"3.5", 7},
                           {"20", 24},
                           {"-20", -24},
                           {"3.", std::nullopt},
                           {"1,5", std::nullopt}})
        EXPECT_EQ(ParseTypedHalfGain(t.text), t.step) << t.text;
}

} // namespace
