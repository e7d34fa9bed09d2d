#include "device/protocol/SharedConstants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

TEST(SharedConstants, CaptionIsTitleBlankVersion) {
    EXPECT_EQ(std::string(AppTitle) + " " + AppVersion, "the Brivane KORVAN DSP Processor Editor V1.0");
}

TEST(SharedConstants, RatioLimitAndCrossoverRows) {
    EXPECT_STREQ(RatioLabels[15], "Limit");
    EXPECT_DOUBLE_EQ(RatioTable[15], 20.1);
    EXPECT_EQ(CrossoverRowMap[5], 17);  // Linkwitz-Riley 12 dB
    EXPECT_EQ(CrossoverRowMap[20], 20); // Linkwitz-Riley 48 dB
    // Every curve row is reached by exactly one type.
    std::array<int, 21> hits{};
    for (std::int32_t row : CrossoverRowMap) {
        ++hits.at(static_cast<std::size_t>(row));
    }
    for (int h : hits) {
        EXPECT_EQ(h, 1);
    }
}

TEST(SharedConstants, FrequencyStepIsAThirtiethOfAnOctave) {
    EXPECT_NEAR(std::pow(FrequencyStepRatio, 30), 2.0, 1e-14);
    EXPECT_NEAR(PhaseUnitsPerRadian, 18.0 / std::numbers::pi, 1e-15);
}

TEST(SharedConstants, ButterworthSectionsFollowTheSineLaw) {
    for (int n = 1; n <= 8; ++n) {
        const auto& row = ButterworthSections[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(row[0], n % 2 == 1 ? 1.0f : 0.0f) << "order " << n;
        for (int k = 1; k <= 4; ++k) {
            const double expected =
                k <= n / 2 ? std::round(2.0 * std::sin((2 * k - 1) * std::numbers::pi / (2 * n)) * 1e4) / 1e4
                           : 0.0;
            EXPECT_NEAR(row[static_cast<std::size_t>(k)], expected, 1e-6) << "order " << n << " stage " << k;
        }
    }
}

TEST(SharedConstants, BesselSectionsShapeAndOrderEightFirstStage) {
    for (std::size_t order = 1; order <= 8; ++order) {
        const auto& row = BesselSections[order - 1];
        EXPECT_EQ(row[0][0] != 0.0f, order % 2 == 1) << "order " << order;
        EXPECT_EQ(row[0][1], 0.0f);
        for (std::size_t k = 1; k <= 4; ++k) {
            EXPECT_EQ(row[k][0] != 0.0f, k <= order / 2) << "order " << order << " pair " << k;
        }
    }
    EXPECT_FLOAT_EQ(BesselSections[7][1][0], 1.1112f);
    EXPECT_FLOAT_EQ(BesselSections[7][1][1], 0.3162f);
}

TEST(SharedConstants, ColoursUseRedInTheLowByte) {
    EXPECT_EQ(MarkerColors[0], 0x0000FFu);  // red
    EXPECT_EQ(MarkerColors[5], 0xFF0000u);  // blue
    EXPECT_EQ(MarkerColors[6], 0xF0CAA6u);  // sky blue
    EXPECT_EQ(MarkerColors[10], 0xF0FBFFu); // cream
    for (std::size_t i = 14; i < MarkerColors.size(); ++i) {
        EXPECT_EQ(MarkerColors[i], MarkerColors[i % 14]);
    }
    EXPECT_EQ(TotalCurveColors[0], 0x800080u);  // purple, InA
    EXPECT_EQ(TotalCurveColors[1], 0x008080u);  // olive, InB
    EXPECT_EQ(TotalCurveColors[4], 0x0000FFu);  // red, Out1
    EXPECT_EQ(TotalCurveColors[11], 0xF0FBFFu); // cream, Out8
    EXPECT_EQ(TotalCurveColors[17], 0x000080u); // maroon, GEQ of InD
}

TEST(SharedConstants, QTableAnchors) {
    EXPECT_FLOAT_EQ(QTable[0], 0.4f);
    EXPECT_FLOAT_EQ(QTable[10], 0.71f);
    EXPECT_FLOAT_EQ(QTable[35], 3.0f);
    EXPECT_FLOAT_EQ(QTable[100], 128.0f);
    for (std::size_t i = 1; i < QTable.size(); ++i) {
        EXPECT_GT(QTable[i], QTable[i - 1]) << i;
    }
    EXPECT_FLOAT_EQ(GeqCentres[17], 1000.0f);
}
