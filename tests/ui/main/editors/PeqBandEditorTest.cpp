// Editing a channel's PEQ bands: the Q rules, the read-outs, the faders'
// values through the EQ timer into the model and the unit, link groups,
// bypass and reset, off line and on line to the simulated unit.

#include "controls/panels/PowerButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/ValueScales.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/dialogs/FPeqRst.h"

#include <functional>

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::editors;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InB = 1, Out1 = 4, Out2 = 5;

TEST(PeqQRules, CompareIndicesOfTheTable) {
    struct Case {
        int type, q, modelType, defaultQ;
        int want;
    };
    const Case cases[] = {
        {2, 35, 1, 35, 10}, // Low Shelf to High Shelf: Q 0.71
        {0, 10, 2, 35, 35}, // back to Peak: the default band's Q
        {1, 50, 1, 35, 35}, // a shelf above Q 3.0 comes back to 3.0
        {1, 20, 1, 35, 20}, // below 3.0 it stays
        {0, 77, 0, 35, 77}, // Peak keeps any Q
        {8, 90, 8, 35, 90}, // so does Allpass2
        {7, 90, 4, 60, 60}, // a change to Allpass1 takes the default
        {6, 10, 3, 35, 10}, // a change that already holds 0.71 keeps it
    };
    for (const Case& c : cases) {
        PeqBand band{.gain = 120, .freq = 170, .q = std::uint8_t(c.q), .type = std::uint8_t(c.type)};
        const bool corrected = ApplyQRules(band, c.modelType, c.defaultQ);
        EXPECT_EQ(band.q, c.want) << c.type << "/" << c.q;
        EXPECT_EQ(corrected, c.want != c.q) << c.type << "/" << c.q;
    }
}

TEST(PeqReadOuts, ShowTheFadersValues) {
    EXPECT_EQ(PeqFrequencyText(IndexToFreq(0)), " 19.7Hz");
    EXPECT_EQ(PeqFrequencyText(IndexToFreq(170)), "1.00KHz");
    EXPECT_EQ(PeqFrequencyText(IndexToFreq(300)), "20.16KHz");
    EXPECT_EQ(PeqGainText(150), "+3.0dB");
    EXPECT_EQ(PeqGainText(121), "+0.1dB");
    EXPECT_EQ(PeqGainText(119), "-0.1dB");
    EXPECT_EQ(PeqGainText(0), "-12.0dB");
    EXPECT_EQ(PeqQText(35), "3.00");
    EXPECT_EQ(PeqQText(10), "0.71");
}

class PeqBandEditorTest : public EditorsTest {
protected:
    PeqBandEditor& Peq() { return Editors().Peq(); }
    LUnitControl& Model() { return fmMain->Model(); }
    // A fader move and the EQ timer's tick.
    void Move(FaderKind kind, int ch, int position) {
        Peq().FaderChanged(kind, ch, position);
        AdvanceTimers(1);
    }
    void SetType(int ch, int band, int type) {
        PeqBand peq = Model().GetPeqBand(ch, band);
        peq.type = std::uint8_t(type);
        Model().SetPeq(ch, band, peq, 0);
    }
};

TEST_F(PeqBandEditorTest, EveryGainPositionReachesTheModelUnchanged) {
    CreateWindows();
    for (int p = 0; p <= 240; ++p) {
        Move(FaderKind::Gain, InB, p);
        ASSERT_EQ(Model().GetPeqBand(InB, 0).gain, p);
    }
    Move(FaderKind::Frequency, InB, 300);
    EXPECT_EQ(Model().GetPeqBand(InB, 0).freq, 300);
    Move(FaderKind::Q, InB, 77);
    EXPECT_EQ(Model().GetPeqBand(InB, 0).q, 77);
}

TEST_F(PeqBandEditorTest, TheQFaderStopsAtThreeOnShelfBands) {
    CreateWindows();
    SetType(Out2, 0, 1);
    Peq().FaderChanged(FaderKind::Q, Out2, 60);
    EXPECT_EQ(Peq().Pending().Q, 35.0f);
    AdvanceTimers(1);
    EXPECT_EQ(Model().GetPeqBand(Out2, 0).q, 35);
    SetType(Out2, 0, 0);
    Move(FaderKind::Q, Out2, 60);
    EXPECT_EQ(Model().GetPeqBand(Out2, 0).q, 60);
}

TEST_F(PeqBandEditorTest, SelectionDecidesTheBandAndNoneChangesNothing) {
    CreateWindows();
    for (int ch = 0; ch < 12; ++ch)
        EXPECT_EQ(Peq().SelectedBand(ch), 0) << "band 1 after the refresh";
    Peq().SelectBand(Out1, 4);
    Move(FaderKind::Gain, Out1, 60);
    EXPECT_EQ(Model().GetPeqBand(Out1, 4).gain, 60);
    EXPECT_EQ(Display("fftDrawOut1")->Block(4).Y, -6.0);
    EXPECT_EQ(Display("fftDrawOut1")->Caption().Gain, -6.0);
    EXPECT_NEAR(Section(Out1, 4).Gain, -6.0, 1e-9);

    Peq().DeselectPeqBands();
    const PeqBand before = Model().GetPeqBand(Out1, 0);
    Move(FaderKind::Gain, Out1, 200);
    EXPECT_EQ(Peq().SelectedBand(Out1), NoBand);
    EXPECT_EQ(Model().GetPeqBand(Out1, 0), before);
    EXPECT_EQ(Model().GetPeqBand(Out1, 4).gain, 60);
}

TEST_F(PeqBandEditorTest, AMemberStoresOverItsGroup) {
    CreateWindows();
    Model().SetLinkMask(InA, 0b0011); // InA heads InB
    Model().SetLinkMask(InB, 0);
    Move(FaderKind::Gain, InB, 170);
    EXPECT_EQ(Model().GetPeqBand(InB, 0).gain, 170);
    EXPECT_EQ(Model().GetPeqBand(InA, 0).gain, 170);
    EXPECT_EQ(Model().GetPeqBand(2, 0).gain, 120);
}

TEST_F(PeqBandEditorTest, AGridsEditsGoThroughTheQRulesIntoTheModel) {
    CreateWindows();
    // The form's band grid for InA, filled from the model by the refresh.
    auto* grid = Control<TMyPEQType8>("peqPeqInA");
    ASSERT_NE(grid, nullptr);
    Peq().SelectBand(InA, 2);
    ASSERT_EQ(grid->NowIndex(), 2);

    struct Step {
        const char* what;
        std::function<void()> edit;
        int type, q;
    };
    const Step steps[] = {
        {"Peak to Low Shelf takes Q 0.71", [&] { grid->SetTypeValue(2, 1); }, 1, 10},
        {"a shelf above Q 3.0 comes back", [&] { grid->SetQValue(2, 50); }, 1, 35},
        {"Low Shelf to High Shelf", [&] { grid->SetTypeValue(2, 2); }, 2, 10},
        {"back to Peak takes the default Q", [&] { grid->SetTypeValue(2, 0); }, 0, 35},
    };
    for (const Step& step : steps) {
        step.edit();
        EXPECT_EQ(grid->QIndex(2), step.q) << step.what;
        EXPECT_EQ(Model().GetPeqBand(InA, 2).type, step.type) << step.what;
        EXPECT_EQ(Model().GetPeqBand(InA, 2).q, step.q) << step.what;
    }
    // A fader's value reaches the model through the grid.
    Move(FaderKind::Gain, InA, 150);
    EXPECT_EQ(grid->GainStep(2), 30);
    EXPECT_EQ(Model().GetPeqBand(InA, 2).gain, 150);
    // With no band selected the grid's changes store nothing.
    Peq().DeselectPeqBands();
    grid->SetGainValue(2, -6.0);
    EXPECT_EQ(Model().GetPeqBand(InA, 2).gain, 150);
}

TEST_F(PeqBandEditorTest, AGainFaderEditSendsOneRecordWithTheBand) {
    GoOnline();
    const PeqBand before = Model().GetPeqBand(InA, 0);
    for (int p : {130, 140, 150})
        Peq().FaderChanged(FaderKind::Gain, InA, p);
    ASSERT_TRUE(Delivered(MCS_PEQ, 1));
    const auto frames = FramesOf(MCS_PEQ);
    ASSERT_EQ(frames.size(), 1u);
    const Bytes want = {
        0, 0, 150, 0, std::uint8_t(before.freq), std::uint8_t(before.freq >> 8), before.q, before.type, 0};
    EXPECT_EQ(frames[0].payload, want);
    EXPECT_EQ(unit.ImageWord(sim_image::PeqBand(InA, 0)), 150);
    EXPECT_EQ(Model().GetPeqBand(InA, 0).gain, 150);
    EXPECT_NEAR(Section(InA, 0).Gain, 3.0, 1e-9);
    EXPECT_EQ(PeqGainText(150), "+3.0dB");
}

TEST_F(PeqBandEditorTest, BypassCoversTheGroupAndSendsForTheClickedChannel) {
    GoOnline();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(InA, 0b0111);
        Model().SetLinkMask(InB, 0);
        Model().SetLinkMask(2, 0);
    }
    input.Click(Control<TControl>("rzbMenuInB"));
    ProcessEvents();
    auto* bypass = Control<TControl>("vrbEqBypassInB");
    input.Click(bypass);
    ProcessEvents();
    EXPECT_EQ(Model().GetPeqBypassMask(InB) & 0xF, 0b0111);
    input.Click(bypass);
    ProcessEvents();
    EXPECT_EQ(Model().GetPeqBypassMask(InB) & 0xF, 0);
    ASSERT_TRUE(Delivered(MCS_PEQ_BYPASS, 2));
    const auto frames = FramesOf(MCS_PEQ_BYPASS);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].payload, (Bytes{InB, 1}));
    EXPECT_EQ(frames[1].payload, (Bytes{InB, 0}));
}

TEST_F(PeqBandEditorTest, ResetStoresAndSendsEveryDefaultBandOnce) {
    GoOnline();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(Out1, 0b0011); // Out1 heads Out2
        Model().SetLinkMask(Out2, 0);
        for (int band = 0; band < 9; ++band)
            Model().SetPeq(Out1, band, PeqBand{.gain = 200, .freq = 30, .q = 80, .type = 2}, 1);
    }
    input.Click(Control<TControl>("rzbMenuOut1"));
    ProcessEvents();
    pump.reactions.push_back([] {
        if (fmPeqRst->Visible())
            fmPeqRst->btnOK->Click();
    });
    pump.Start();
    input.Click(Control<TControl>("vrbEqResetOut1"));
    pump.reactions.clear();
    ASSERT_TRUE(Delivered(MCS_PEQ, 9));
    const auto frames = FramesOf(MCS_PEQ);
    ASSERT_EQ(frames.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        const int band = 8 - i;
        const PeqBand peq = Model().GetDefaultPeqBand(Out1, band);
        const Bytes want = {Out1,
                            std::uint8_t(band),
                            std::uint8_t(peq.gain),
                            std::uint8_t(peq.gain >> 8),
                            std::uint8_t(peq.freq),
                            std::uint8_t(peq.freq >> 8),
                            peq.q,
                            peq.type,
                            0};
        EXPECT_EQ(frames[std::size_t(i)].payload, want) << band;
        for (int ch : {Out1, Out2}) {
            EXPECT_EQ(Model().GetPeqBand(ch, band), peq) << ch << "/" << band;
            EXPECT_FALSE(Model().IsPeqBandBypassed(ch, band)) << ch << "/" << band;
        }
    }
}

} // namespace
