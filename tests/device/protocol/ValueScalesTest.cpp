#include "device/protocol/ValueScales.h"
#include "device/protocol/SharedConstants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

TEST(ValueScales, FrequencyIndexRoundTrip) {
    for (int i = 0; i <= 300; ++i) {
        EXPECT_EQ(FreqToIndex(IndexToFreq(i)), i) << i;
    }
    EXPECT_EQ(FreqToIndex(1000.0), 170);
    EXPECT_EQ(FreqToIndex(19.686), 0);
    EXPECT_NEAR(IndexToFreq(0), 19.686, 1e-3);
    EXPECT_NEAR(IndexToFreq(300), 20158.7, 0.05);
    // Not clamped to the device's range.
    EXPECT_LT(FreqToIndex(10.0), 0);
    EXPECT_GT(FreqToIndex(30000.0), 300);
}

TEST(ValueScales, FrequencyHalfStepRoundsDown) {
    // Exactly half-way between two indexes (in the log domain) stays low;
    // just above rounds up.
    const double mid = 1000.0 * std::pow(FrequencyStepRatio, 0.5);
    EXPECT_EQ(FreqToIndex(mid * 0.999999), 170);
    EXPECT_EQ(FreqToIndex(mid * 1.000001), 171);
}

TEST(ValueScales, NonsenseInputGivesNoOverflow) {
    // Out of the callers' domain; these must just not crash or overflow.
    FreqToIndex(0.0);
    FreqToIndex(-5.0);
    QToIndex(0.0);
    QToIndex(1e300);
    EXPECT_EQ(DelayToSamples(1e300, 0), std::numeric_limits<int>::max());
}

TEST(ValueScales, EqGainRoundTrip) {
    for (int v = 0; v <= 240; ++v) {
        EXPECT_EQ(GainToDevice(DeviceToGain(v)), v) << v;
    }
    EXPECT_DOUBLE_EQ(DeviceToGain(120), 0.0);
    EXPECT_NEAR(DeviceToGain(0), -12.0, 1e-12);
    EXPECT_NEAR(DeviceToGain(240), 12.0, 1e-12);
    EXPECT_EQ(GainToDevice(-12.0), 0);
    EXPECT_EQ(GainToDevice(0.05), 120); // truncated
}

TEST(ValueScales, QIndexRoundTrips) {
    for (int n = 0; n <= 100; ++n) {
        EXPECT_EQ(QToIndex(QTable[static_cast<std::size_t>(n)]), n) << "table " << n;
        EXPECT_EQ(QToIndex(static_cast<double>(QTable[static_cast<std::size_t>(n)])), n);
        EXPECT_EQ(QToIndex(IndexToQ(n)), n) << "law " << n;
    }
}

TEST(ValueScales, IndexToQSamples) {
    struct Case {
        int index;
        double q;
    };
    const Case cases[] = {{0, 0.40}, {10, 0.71}, {21, 1.34}, {35, 3.01}, {100, 128.00}, {256 + 35, 3.01}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(IndexToQ(c.index), c.q) << c.index;
    }
    EXPECT_GT(IndexToQ(101), 128.0);
    EXPECT_EQ(QToIndex(3.0), 35);
    EXPECT_EQ(QToIndex(0.71), 10);
    EXPECT_EQ(QToIndex(1.3), 21);
}

TEST(ValueScales, MixGainTexts) {
    struct Case {
        int value;
        const char* text;
    };
    const Case cases[] = {{0, "+0.0dB"},     {120, "+12.0dB"},  {1, "+0.1dB"},     {-1, "-0.1dB"},
                          {-200, "-20.0dB"}, {-201, "-20.5dB"}, {-202, "-21.0dB"}, {-280, "-60.0dB"},
                          {-35, "-3.5dB"},   {-199, "-19.9dB"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatMixGain(c.value), c.text) << c.value;
    }
}

TEST(ValueScales, DelayToSamples) {
    struct Case {
        double value;
        int unit;
        int samples;
    };
    const Case cases[] = {{1.0, 0, 96}, {1.0, 1, 279},     {1.0, 2, 85},
                          {0.01, 0, 0}, {680.0, 0, 65280}, {2.5, 7, 240}};
    for (const Case& c : cases) {
        EXPECT_EQ(DelayToSamples(c.value, c.unit), c.samples) << c.value << " unit " << c.unit;
    }
}

TEST(ValueScales, NumericText) {
    struct Case {
        const char* text;
        bool numeric;
    };
    const Case cases[] = {{"", true},      {"1.5.2", true}, {"0123456789", true}, {"-3", false},
                          {"3 ms", false}, {"3ms", false},  {"1,5", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsNumericText(c.text), c.numeric) << '"' << c.text << '"';
    }
}
