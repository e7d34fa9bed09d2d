#include "tests/ui/curves/CascadeBuilder.h"
#include "ui/curves/CurveGrid.h"
#include "ui/curves/PhaseWrap.h"
#include "ui/curves/Plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <limits>

using korvan::curves::CurvePointCount;
using korvan::curves::GridFrequency;
using korvan::curves::testing::BuildCascade;

namespace {

constexpr int CornerPoint = 2625; // about 1000.1452 Hz

double At(const PlotSection& s, int k) {
    return s.Response[static_cast<std::size_t>(k)];
}

PlotSection Section(int type, double gain, double frequency, double q, std::uint8_t phase = 0) {
    PlotSection s;
    s.PhaseMode = phase;
    SetSection(s, gain, frequency, q, type);
    return s;
}

// The fold of the phase total by at most two whole turns.
double FoldTwice(double s) {
    if (s > 18.0) {
        s -= 36.0;
        if (s > 18.0) {
            s -= 36.0;
        }
    } else if (s < -18.0) {
        s += 36.0;
        if (s < -18.0) {
            s += 36.0;
        }
    }
    return s;
}

} // namespace

TEST(CurveGrid, PointsAndPositions) {
    EXPECT_DOUBLE_EQ(GridFrequency(0), 1.0);
    EXPECT_NEAR(GridFrequency(CornerPoint), 1000.1452, 1e-4);
    EXPECT_NEAR(GridFrequency(4095), 47874.0, 1.0);
    EXPECT_NEAR(korvan::curves::GridPosition(GridFrequency(CornerPoint)), CornerPoint, 1e-9);
    EXPECT_DOUBLE_EQ(korvan::curves::Grid()[100].Frequency, GridFrequency(100));
}

TEST(Plot, NewCalculatorHoldsFlatHighShelves) {
    Plot plot(nullptr);
    EXPECT_EQ(plot.SectionCount, 48);
    EXPECT_EQ(plot.PhaseMode, 0);
    for (const auto& s : plot.Sections) {
        EXPECT_EQ(s->Type, 3);
        EXPECT_EQ(s->Frequency, 1000.0);
        EXPECT_EQ(s->Gain, 0.0);
        EXPECT_EQ(s->Q, 0.4);
        for (double v : s->Response) {
            ASSERT_NEAR(v, 0.0, 1e-12);
        }
    }
    // Also in phase mode: a flat shelf has no phase.
    plot.SetPhaseMode(1);
    for (const auto& s : plot.Sections) {
        EXPECT_EQ(s->PhaseMode, 1);
    }
    ComputeResponse(*plot.Sections[5]);
    for (double v : plot.Sections[5]->Response) {
        ASSERT_NEAR(v, 0.0, 1e-12);
    }
}

TEST(FilterResponse, ButterworthCornersReadMinusThreeDb) {
    Plot plot(nullptr);
    const double fc = GridFrequency(CornerPoint);
    for (int order = 1; order <= 8; ++order) {
        for (bool hp : {false, true}) {
            BuildCascade(plot, hp ? 31 : 32, hp, order, fc);
            EXPECT_NEAR(At(*plot.Sections[hp ? 31u : 32u], CornerPoint), -3.0103, 0.001)
                << "order " << order << (hp ? " high-pass" : " low-pass");
        }
    }
}

TEST(FilterResponse, LinkwitzRileyCornersReadMinusSixDb) {
    Plot plot(nullptr);
    const double fc = GridFrequency(CornerPoint);
    for (int row = 17; row <= 20; ++row) {
        for (bool hp : {false, true}) {
            BuildCascade(plot, 31, hp, row, fc);
            EXPECT_NEAR(At(*plot.Sections[31], CornerPoint), -6.0206, 0.002) << "row " << row;
        }
    }
}

TEST(FilterResponse, BesselCornersReadMinusThreeDb) {
    Plot plot(nullptr);
    const double fc = GridFrequency(CornerPoint);
    for (int order = 1; order <= 8; ++order) {
        for (bool hp : {false, true}) {
            BuildCascade(plot, 32, hp, 8 + order, fc);
            EXPECT_NEAR(At(*plot.Sections[32], CornerPoint), -3.010, 0.002) << "order " << order;
        }
    }
}

TEST(FilterResponse, CascadeSlopesFollowTheOrder) {
    // Two octaves below a high-pass corner an order-n Butterworth is near
    // -12n dB; the pass band stays flat.
    Plot plot(nullptr);
    const double fc = GridFrequency(CornerPoint);
    const int twoOctavesDown =
        static_cast<int>(CornerPoint - 2 * 4096 * std::log10(2.0) / std::log10(48000.0));
    for (int order = 1; order <= 8; ++order) {
        BuildCascade(plot, 31, true, order, fc);
        const double expected = -10.0 * std::log10(1.0 + std::pow(4.0, 2 * order));
        EXPECT_NEAR(At(*plot.Sections[31], twoOctavesDown), expected, 0.3) << order;
        EXPECT_NEAR(At(*plot.Sections[31], 4000), 0.0, 0.01) << order;
    }
}

TEST(FilterResponse, PeakReachesGainAtCentreAndCutMirrorsIt) {
    const double fc = GridFrequency(CornerPoint);
    for (double gain : {6.0, 12.0, 0.5}) {
        for (double q : {0.4, 1.0, 8.65, 128.0}) {
            const PlotSection boost = Section(1, gain, fc, q);
            const PlotSection cut = Section(1, -gain, fc, q);
            EXPECT_NEAR(At(boost, CornerPoint), gain, 1e-9);
            EXPECT_NEAR(At(cut, CornerPoint), -gain, 1e-9);
            for (int k = 0; k < CurvePointCount; k += 7) {
                ASSERT_NEAR(At(cut, k), -At(boost, k), 1e-9) << k;
            }
            EXPECT_NEAR(At(boost, 0), 0.0, 1e-3);
        }
    }
    // Off the grid the nearest point reads close to the gain.
    EXPECT_NEAR(At(Section(1, 6.0, 1000.0, 1.0), CornerPoint), 6.0, 1e-3);
}

TEST(FilterResponse, ShelvesReachTheirGainFarFromTheCorner) {
    for (double gain : {9.0, -9.0, 3.5, -12.0}) {
        const PlotSection low = Section(2, gain, 1000.0, 0.71);
        EXPECT_NEAR(At(low, 0), gain, 1e-4);
        EXPECT_NEAR(At(low, 4095), 0.0, 1e-3);
        const PlotSection high = Section(3, gain, 1000.0, 0.71);
        EXPECT_NEAR(At(high, 4095), gain, 1e-3);
        EXPECT_NEAR(At(high, 0), 0.0, 1e-4);
        // A cut is the mirror of the boost of the same size.
        const PlotSection mirror = Section(2, -gain, 1000.0, 0.71);
        EXPECT_NEAR(At(mirror, 2000), -At(low, 2000), 1e-9);
        const PlotSection highMirror = Section(3, -gain, 1000.0, 0.71);
        EXPECT_NEAR(At(highMirror, 3000), -At(high, 3000), 1e-9);
    }
}

TEST(FilterResponse, AllPassAndFlatTypesReadZeroDb) {
    for (int type : {7, 17, 10}) {
        for (double q : {0.4, 2.0}) {
            const PlotSection s = Section(type, 6.0, 2500.0, q);
            for (double v : s.Response) {
                ASSERT_NEAR(v, 0.0, 1e-9) << "type " << type;
            }
        }
    }
    const PlotSection flatPhase = Section(10, 6.0, 2500.0, 1.0, 1);
    for (double v : flatPhase.Response) {
        ASSERT_EQ(v, 0.0);
    }
}

TEST(FilterResponse, PassTypesPhaseRunsAcrossTheHalfTurn) {
    // Second-order high-pass: from about +180 degrees down toward 0;
    // low-pass: from about 0 down toward -180.
    const PlotSection hp = Section(4, 0.0, 1000.0, 0.71, 1);
    EXPECT_NEAR(At(hp, 0), 18.0, 0.1);
    EXPECT_NEAR(At(hp, CornerPoint), 9.0, 0.05);
    EXPECT_NEAR(At(hp, 4095), 0.0, 0.01);
    const PlotSection lp = Section(5, 0.0, 1000.0, 0.71, 1);
    EXPECT_NEAR(At(lp, 0), 0.0, 0.1);
    EXPECT_NEAR(At(lp, CornerPoint), -9.0, 0.05);
    EXPECT_NEAR(At(lp, 4095), -18.0, 0.01);
    for (int k = 1; k < CurvePointCount; ++k) {
        ASSERT_LE(At(hp, k), At(hp, k - 1) + 1e-12) << k;
        ASSERT_LE(At(lp, k), At(lp, k - 1) + 1e-12) << k;
    }
    // Second-order all-pass: 0 at DC, -180 at its centre, back toward -360,
    // shown as +180 down to 0 above the centre.
    const PlotSection ap = Section(17, 0.0, 1000.0, 2.0, 1);
    EXPECT_NEAR(At(ap, 0), 0.0, 0.01);
    EXPECT_LT(At(ap, CornerPoint - 1), -16.0);
    EXPECT_GT(At(ap, CornerPoint + 1), 16.0);
    EXPECT_NEAR(At(ap, 4095), 0.0, 0.01);
}

TEST(FilterResponse, UnknownTypeIsFlatNotTheLastDesign) {
    PlotSection peak = Section(1, 12.0, 1000.0, 1.0);
    ASSERT_GT(At(peak, CornerPoint), 11.0);
    korvan::curves::Biquad before;
    before.b1 = 0.25;
    for (int type : {0, 18, -1, 1000}) {
        korvan::curves::Biquad c = before;
        PlotSection s;
        s.Type = type;
        EXPECT_FALSE(DesignBiquad(s, c));
        EXPECT_EQ(c.b1, 0.25); // left untouched
        // A design just before must not leak into this section.
        SetSection(peak, 12.0, 1000.0, 1.0, 1);
        for (std::uint8_t mode : std::initializer_list<std::uint8_t>{0, 1}) {
            s.PhaseMode = mode;
            SetSection(s, 12.0, 1000.0, 1.0, type);
            for (double v : s.Response) {
                ASSERT_EQ(v, 0.0) << "type " << type;
            }
        }
    }
}

TEST(FilterResponse, SetSectionExStoresPrototypeCoefficients) {
    PlotSection s;
    SetSectionEx(s, 1.0, 500.0, 0.7, 13, 1.3617f, 0.618f);
    EXPECT_EQ(s.Type, 13);
    EXPECT_EQ(s.CoefA, 1.3617f);
    EXPECT_EQ(s.CoefB, 0.618f);
    EXPECT_EQ(s.Gain, 1.0);
    EXPECT_EQ(s.Frequency, 500.0);
    EXPECT_EQ(s.Q, 0.7);
    EXPECT_NEAR(At(s, static_cast<int>(korvan::curves::GridPosition(500.0))), -3.01, 0.05);
    EXPECT_DOUBLE_EQ(ComplexAbs(3.0, -4.0), 5.0);
}

TEST(PlotTotal, SumsBandsAndPassCurvesOnly) {
    Plot plot(nullptr);
    SetSection(*plot.Sections[0], 6.0, 100.0, 1.0, 1);
    SetSection(*plot.Sections[30], -4.0, 5000.0, 2.0, 1);
    BuildCascade(plot, 31, true, 4, 50.0);
    BuildCascade(plot, 32, false, 18, 15000.0);
    // Work sections (34..38 hold the last cascade) and overlays stay out.
    SetSection(*plot.Sections[40], 12.0, 1000.0, 1.0, 1);
    plot.Sections[33]->Response.fill(99.0);
    plot.BuildTotal();
    for (int k = 0; k < CurvePointCount; k += 13) {
        double sum = 0.0;
        for (int n = 0; n <= 32; ++n) {
            sum += At(*plot.Sections[static_cast<std::size_t>(n)], k);
        }
        ASSERT_NEAR(At(*plot.Sections[33], k), sum, 1e-9) << k;
    }
}

TEST(PlotTotal, PhaseWrapMatchesTheTwoTurnFoldWithinNinetyUnits) {
    for (int i = -3600; i <= 3600; ++i) {
        const double s = i * 0.025;
        ASSERT_EQ(korvan::curves::WrapPhaseUnits(s), FoldTwice(s)) << s;
    }
    for (double s : {18.0, -18.0, 54.0, -54.0, 90.0, -90.0, 0.0}) {
        EXPECT_EQ(korvan::curves::WrapPhaseUnits(s), FoldTwice(s)) << s;
    }
    EXPECT_EQ(korvan::curves::WrapPhaseUnits(18.0), 18.0);
    EXPECT_EQ(korvan::curves::WrapPhaseUnits(-18.0), -18.0);
}

TEST(PlotTotal, PhaseBeyondNinetyUnitsIsWrappedFully) {
    for (double s : {90.5, 126.0, 162.0, 400.25, -90.5, -126.0, -170.0, -1e6 - 3.0}) {
        const double w = korvan::curves::WrapPhaseUnits(s);
        EXPECT_GE(w, -18.0) << s;
        EXPECT_LE(w, 18.0) << s;
        const double turns = (s - w) / 36.0;
        EXPECT_NEAR(turns, std::round(turns), 1e-9) << s;
    }
    EXPECT_TRUE(std::isnan(korvan::curves::WrapPhaseUnits(std::numeric_limits<double>::quiet_NaN())));
    // Through the calculator: eight high-passes high up each give almost
    // +180 degrees at the lowest points, a raw sum near +1440.
    Plot plot(nullptr);
    plot.SetPhaseMode(1);
    for (int n = 0; n < 8; ++n) {
        SetSection(*plot.Sections[static_cast<std::size_t>(n)], 0.0, 20000.0, 0.71, 4);
    }
    plot.BuildTotal();
    for (double v : plot.Sections[33]->Response) {
        ASSERT_GE(v, -18.0);
        ASSERT_LE(v, 18.0);
    }
    EXPECT_NEAR(At(*plot.Sections[33], 0), 0.0, 0.01);
}

TEST(PlotTotal, MagnitudeTotalIsNotWrapped) {
    Plot plot(nullptr);
    for (int n = 0; n < 5; ++n) {
        SetSection(*plot.Sections[static_cast<std::size_t>(n)], 12.0, GridFrequency(CornerPoint), 1.0, 1);
    }
    plot.BuildTotal();
    EXPECT_NEAR(At(*plot.Sections[33], CornerPoint), 60.0, 1e-9);
}
