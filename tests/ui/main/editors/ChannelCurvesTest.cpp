// The channels' curves built from the model: PEQ sections, the high- and
// low-pass cascades of every family, the graphic EQ and the phase view.

#include "device/model/LUnitControl.h"
#include "device/protocol/SharedConstants.h"
#include "device/protocol/ValueScales.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr int Out3 = 6;
constexpr int HighPassResult = 31;
constexpr int LowPassResult = 32;
constexpr int FirstWork = 34;

class ChannelCurvesTest : public EditorsTest {
protected:
    void SetUp() override {
        EditorsTest::SetUp();
        CreateWindows();
    }
    // Builds Out3's high-pass of `type` at 1 kHz.
    void HighPass(int type) {
        CrossoverSetting x = fmMain->Model().GetCrossover(Out3);
        x.hpFreq = 170;
        x.hpType = std::uint8_t(type);
        fmMain->Model().SetHighPass(Out3, x);
        Editors().Curves().BuildHighPassCurve(Out3);
    }
    // The section's response at 1 kHz, between its two grid points.
    double At1k(int n) {
        const double k = curves::GridPosition(1000.0);
        const auto& r = std::as_const(Section(Out3, n).Response);
        const std::size_t k0 = std::size_t(k);
        return r[k0] + (r[k0 + 1] - r[k0]) * (k - double(k0));
    }
};

TEST_F(ChannelCurvesTest, CascadesTakeTheirStagesFromTheFamilyTables) {
    struct Case {
        int type;       // filter type 1..20
        int resultType; // the result's section type
        float coefA, coefB;
        std::vector<int> stageTypes; // work sections 34..38
    };
    const Case cases[] = {
        {1, 14, 1.0f, 0.0f, {10, 10, 10, 10, 10}},       // BW -6: the result itself
        {3, 15, 1.4142f, 0.0f, {10, 15, 10, 10, 10}},    // BW -12
        {7, 16, 0.9996f, 0.4772f, {14, 16, 10, 10, 10}}, // BL -18
        {10, 15, 1.4142f, 0.0f, {15, 15, 10, 10, 10}},   // LK -24: BW -12 twice
        {20, 15, 0.7654f, 0.0f, {15, 15, 15, 15, 10}},   // LK -48
        {18, 15, 1.9616f, 0.0f, {10, 15, 15, 15, 15}},   // BW -48
    };
    for (const Case& c : cases) {
        HighPass(c.type);
        const PlotSection& result = Section(Out3, HighPassResult);
        EXPECT_EQ(result.Type, c.resultType) << c.type;
        EXPECT_FLOAT_EQ(result.CoefA, c.coefA) << c.type;
        EXPECT_FLOAT_EQ(result.CoefB, c.coefB) << c.type;
        EXPECT_NEAR(result.Frequency, 1000.0, 0.01) << c.type;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Section(Out3, FirstWork + i).Type, c.stageTypes[std::size_t(i)]) << c.type << " W" << i;
    }
    // The Bessel -18 sums its first-order stage of a = 0.756 too.
    HighPass(7);
    EXPECT_FLOAT_EQ(Section(Out3, FirstWork).CoefA, 0.756f);
}

TEST_F(ChannelCurvesTest, LinkwitzRileyMeetsAtMinusSixWhereButterworthHasMinusThree) {
    HighPass(8); // BW -24
    EXPECT_NEAR(At1k(HighPassResult), -3.01, 0.2);
    HighPass(10); // LK -24
    EXPECT_NEAR(At1k(HighPassResult), -6.02, 0.2);
}

TEST_F(ChannelCurvesTest, AnOffFilterIsFlatButKeepsItsBox) {
    HighPass(0);
    EXPECT_EQ(Section(Out3, HighPassResult).Type, 10);
    EXPECT_NEAR(At1k(HighPassResult), 0.0, 1e-9);
    const auto& box = Display("fftDrawOut3")->Block(HighPassResult);
    EXPECT_EQ(box.Kind, 3);
    EXPECT_NEAR(box.X, curves::GridPosition(IndexToFreq(170)), 0.01);
    EXPECT_EQ(box.Y, 0.0);
}

TEST_F(ChannelCurvesTest, TheLowPassLeavesTheHighPassResultAlone) {
    HighPass(8);
    const double before = At1k(HighPassResult);
    CrossoverSetting x = fmMain->Model().GetCrossover(Out3);
    x.lpFreq = 200;
    x.lpType = 5; // LK -12: two first-order stages
    fmMain->Model().SetLowPass(Out3, x);
    Editors().Curves().BuildLowPassCurve(Out3);
    EXPECT_EQ(At1k(HighPassResult), before);
    EXPECT_EQ(Section(Out3, LowPassResult).Type, 11);
    EXPECT_EQ(Display("fftDrawOut3")->Block(LowPassResult).Kind, 2);
    // The total holds both.
    EXPECT_NEAR(At1k(Plot::TotalSection), At1k(HighPassResult) + At1k(LowPassResult), 1e-6);
}

TEST_F(ChannelCurvesTest, ABypassedBandKeepsItsMarkerButAddsNothing) {
    LUnitControl& model = fmMain->Model();
    PeqBand band = model.GetPeqBand(Out3, 2);
    band.gain = 180; // +6 dB
    band.freq = 170;
    model.SetPeq(Out3, 2, band, 1);
    Editors().Curves().BuildPeqCurve(Out3);
    EXPECT_EQ(Section(Out3, 2).Type, 10);
    EXPECT_EQ(Display("fftDrawOut3")->Block(2).Y, 6.0);
    EXPECT_NEAR(At1k(2), 0.0, 1e-9);

    model.SetPeq(Out3, 2, band, 0);
    Editors().Curves().BuildPeqCurve(Out3);
    EXPECT_EQ(Section(Out3, 2).Type, 1);
    EXPECT_NEAR(At1k(2), 6.0, 0.05);
}

TEST_F(ChannelCurvesTest, ARefreshRebuildsWhatChangedSinceTheLastBuild) {
    LUnitControl& model = fmMain->Model();
    const PeqBand before = model.GetPeqBand(Out3, 1);
    PeqBand raised = before;
    raised.gain = 170;
    Editors().Peq().ApplyBand(Out3, 1, {raised, false});
    EXPECT_NEAR(Section(Out3, 1).Gain, 5.0, 1e-9);
    // The model goes back to the values of the last full build, as a
    // preset load may do; the refresh shows them again.
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        model.SetPeq(Out3, 1, before, 0);
    }
    fmMain->RefreshFromModel();
    EXPECT_NEAR(Section(Out3, 1).Gain, DeviceToGain(before.gain), 1e-9);
}

TEST_F(ChannelCurvesTest, GraphicEqBandsArePeaksAtTheirCentres) {
    fmMain->Model().SetGeq(1, 15, 240);
    Editors().Curves().BuildGeqCurve(1);
    const PlotSection& band = Section(15, 15);
    EXPECT_EQ(band.Type, 1);
    EXPECT_EQ(band.Gain, 12.0);
    EXPECT_EQ(band.Frequency, double(GeqCentres[15]));
    EXPECT_EQ(band.Q, GeqQ);
    EXPECT_GT(Section(15, Plot::TotalSection).Response[std::size_t(curves::GridPosition(GeqCentres[15]))],
              11.0);
}

TEST_F(ChannelCurvesTest, PhaseViewSwitchesOnceAndBack) {
    auto* display = Display("fftDrawInB");
    ASSERT_TRUE(Editors().Curves().SetPhaseView(1, true));
    EXPECT_FALSE(Editors().Curves().SetPhaseView(1, true));
    EXPECT_EQ(Calculator(1).PhaseMode, 1);
    EXPECT_EQ(display->NumHorzGrid(), 7);
    EXPECT_EQ(display->YLabel(), "");
    EXPECT_EQ(display->YLabelScale(), 10.0);
    EXPECT_EQ(Section(1, 0).PhaseMode, 1);

    Editors().SetPhaseView(1, false);
    EXPECT_EQ(Calculator(1).PhaseMode, 0);
    EXPECT_EQ(display->NumHorzGrid(), 11);
    EXPECT_EQ(display->YLabel(), "dB");
    EXPECT_EQ(display->YLabelScale(), 1.0);
}

} // namespace
