// Dragging band points and filter corners on a channel display with the
// mouse: the hit zones, the snapped values in the model and at the unit,
// the cursor, and the timers that redraw what moved.

#include "controls/gdip/CurvyControls.h"
#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/StdCtrls.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/main/form/Faders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvan;
using namespace korvan::editors;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InB = 1;

class CurveDragTest : public EditorsTest {
protected:
    LUnitControl& Model() { return fmMain->Model(); }
    LMyFFTDrawHpLp6dB* InADisplay() { return Display("fftDrawInA"); }
    TRect Area() { return InADisplay()->CurvePage().Rect(); }

    // Band b of InA at frequency index f and gain position g, drawn.
    void PlaceBand(int b, int f, int g) {
        {
            sys::FlagScope updating(fmMain->Connection().Updating);
            PeqBand band = Model().GetPeqBand(InA, b);
            band.freq = std::uint16_t(f);
            band.gain = std::uint16_t(g);
            Model().SetPeq(InA, b, band, 0);
        }
        Editors().Curves().BuildPeqCurve(InA);
    }
    void OpenInA() {
        input.Click(Control<TControl>("rzbMenuInA"));
        ProcessEvents();
    }
    // The display's pixel of a marker, and of a dB reading at its height.
    TPoint Marker(int slot) {
        const TPoint p = InADisplay()->GetBlockPos(slot);
        return {Area().Left + p.X, Area().Top + p.Y};
    }
    int RowOf(double db) {
        auto* d = InADisplay();
        return Area().Top + int(std::lround((d->YMax() - db) / (d->YMax() - d->YMin()) * d->GetPlotHeight()));
    }
    int Press(int x, int y) {
        input.MouseDown(InADisplay(), x, y);
        const int handle = fmMain->SelectedCurveHandle;
        input.MouseUp(InADisplay(), x, y);
        return handle;
    }
    void Drag(TPoint from, TPoint to) {
        input.MouseDown(InADisplay(), from.X, from.Y);
        input.MouseMove(InADisplay(), to.X, to.Y);
        AdvanceTimers(1);
        input.MouseUp(InADisplay(), to.X, to.Y);
    }
};

TEST_F(CurveDragTest, HitZonesOfBoostedAndCutBands) {
    CreateWindows();
    OpenInA();
    PlaceBand(2, 150, 180); // +6 dB
    PlaceBand(5, 230, 60);  // -6 dB
    const int boosted = Marker(2).X, cut = Marker(5).X;
    struct Case {
        int x;
        double db;
        int want;
    };
    const Case cases[] = {
        {boosted, 6.0, 2},     {boosted, 4.5, 2},      {boosted, 6.8, 2},     {boosted, 3.5, -1},
        {boosted, 7.6, -1},    {cut, -6.0, 5},         {cut, -4.3, 5},        {cut, -6.8, 5},
        {cut, -3.6, -1},       {cut, -7.6, -1},        {boosted + 4, 6.0, 2}, {boosted + 5, 6.0, -1},
        {boosted - 4, 6.0, 2}, {boosted - 5, 6.0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Press(c.x, RowOf(c.db)), c.want) << c.x << " " << c.db;
}

TEST_F(CurveDragTest, OnlyDrawnHandlesAreGrabbedAndTheLowestBandWins) {
    CreateWindows();
    OpenInA();
    // Nothing lies at the plot's left edge on the 0 dB line.
    EXPECT_EQ(Press(Area().Left, RowOf(0.0)), -1);
    PlaceBand(3, 200, 150);
    PlaceBand(6, 200, 150);
    const TPoint p = Marker(3);
    EXPECT_EQ(Press(p.X, p.Y), 3);
    EXPECT_EQ(Editors().Peq().SelectedBand(InA), 3);
    // The hover shows the cross only close to a point.
    input.MouseMove(InADisplay(), p.X, p.Y);
    EXPECT_EQ(InADisplay()->Cursor(), crCross);
    input.MouseMove(InADisplay(), p.X + 4, p.Y);
    EXPECT_EQ(InADisplay()->Cursor(), crDefault);
}

TEST_F(CurveDragTest, ABandDragSnapsToTheUnitsSteps) {
    CreateWindows();
    OpenInA();
    struct Case {
        TPoint to;
        int freq, gain;
    };
    auto* d = InADisplay();
    const int x1k = Area().Left + int(std::lround((curves::GridPosition(1000.0) - d->XMin()) /
                                                  (d->XMax() - d->XMin()) * d->GetPlotWidth()));
    const Case cases[] = {
        {{x1k, Area().Top - 30}, 170, 240},                  // above the plot: +12.0 dB
        {{x1k, Area().Bottom + 30}, 170, 0},                 // below: -12.0 dB
        {{InADisplay()->Width() - 2, RowOf(0.0)}, 300, 120}, // right: 20.16 kHz
        {{x1k, RowOf(-8.0)}, 170, 40},                       // a cut band follows the pointer
        {{Area().Left - 50, RowOf(0.0)}, 0, 120},            // left of the plot: 19.7 Hz
    };
    ASSERT_GT(InADisplay()->Width() - 2, Area().Right);
    for (const Case& c : cases) {
        // From the middle each time: at either end on 0 dB the band would
        // lie under a filter's box, which a press takes first.
        PlaceBand(1, 150, 120);
        Drag(Marker(1), c.to);
        const PeqBand band = Model().GetPeqBand(InA, 1);
        EXPECT_EQ(band.freq, c.freq) << c.to.X << "," << c.to.Y;
        EXPECT_NEAR(band.gain, c.gain, c.gain % 120 == 0 ? 0 : 1) << c.to.X << "," << c.to.Y;
        EXPECT_NEAR(Section(InA, 1).Gain, DeviceToGain(band.gain), 1e-9);
        EXPECT_EQ(d->Block(1).Y, DeviceToGain(band.gain));
        EXPECT_EQ(fmMain->SelectedCurveHandle, -1);
    }
}

TEST_F(CurveDragTest, EachTimerAppliesItsOwnEdit) {
    CreateWindows();
    OpenInA();
    PlaceBand(0, 120, 120);
    // A gain fader on InB waits for the EQ timer while a drag on InA lands.
    Editors().Peq().FaderChanged(FaderKind::Gain, InB, 200);
    const TPoint from = Marker(0);
    input.MouseDown(InADisplay(), from.X, from.Y);
    input.MouseMove(InADisplay(), from.X + 40, RowOf(3.0));
    input.MouseUp(InADisplay(), from.X + 40, RowOf(3.0));
    AdvanceTimers(1);
    EXPECT_EQ(Model().GetPeqBand(InB, 0).gain, 200);
    const PeqBand dragged = Model().GetPeqBand(InA, 0);
    EXPECT_NEAR(dragged.gain, 150, 1);
    EXPECT_EQ(dragged.q, Model().GetDefaultPeqBand(InA, 0).q) << "a Q value never lands as a Q index";
    EXPECT_EQ(Model().GetPeqBand(InB, 1), Model().GetDefaultPeqBand(InB, 1));
}

TEST_F(CurveDragTest, AChannelPageDuringABandDragAsAPicture) {
    CreateWindows();
    OpenInA();
    PlaceBand(0, 110, 150);
    PlaceBand(4, 200, 80);
    PlaceBand(6, 250, 170);
    const TPoint from = Marker(4);
    input.MouseDown(InADisplay(), from.X, from.Y);
    input.MouseMove(InADisplay(), from.X - 60, RowOf(-9.0));
    AdvanceTimers(1);
    const std::string path = korvan::testing::SavePng(korvan::testing::Grab(Control<TControl>("rzgFftInA")),
                                                      "editors-ina-band-drag");
    input.MouseUp(InADisplay(), from.X - 60, RowOf(-9.0));
    EXPECT_FALSE(path.empty());
    EXPECT_EQ(Editors().Peq().SelectedBand(InA), 4);
    EXPECT_NEAR(InADisplay()->Caption().Gain, DeviceToGain(Model().GetPeqBand(InA, 4).gain), 1e-5);
}

TEST_F(CurveDragTest, DraggedBandsAndCornersReachTheUnit) {
    GoOnline();
    OpenInA();
    PlaceBand(2, 150, 120);
    Drag(Marker(2), {Marker(2).X + 30, RowOf(5.0)});
    ASSERT_TRUE(Delivered(MCS_PEQ, 1));
    const PeqBand band = Model().GetPeqBand(InA, 2);
    EXPECT_EQ(unit.ImageWord(sim_image::PeqBand(InA, 2)), band.gain);
    EXPECT_EQ(unit.ImageWord(sim_image::PeqBand(InA, 2) + 2), band.freq);

    // The high-pass corner moves to 100 Hz; its curve follows on its timer.
    const TPoint corner = Marker(HighPassHandle);
    auto* d = InADisplay();
    const int x100 = Area().Left + int(std::lround((curves::GridPosition(100.0) - d->XMin()) /
                                                   (d->XMax() - d->XMin()) * d->GetPlotWidth()));
    input.MouseDown(d, corner.X, corner.Y);
    EXPECT_EQ(fmMain->SelectedCurveHandle, HighPassHandle);
    input.MouseMove(d, x100, corner.Y);
    AdvanceTimers(1);
    input.MouseUp(d, x100, corner.Y);
    const int index = Model().GetCrossover(InA).hpFreq;
    EXPECT_NEAR(index, FreqToIndex(100.0), 1);
    EXPECT_NEAR(Section(InA, HighPassHandle).Frequency, IndexToFreq(index), 0.01);
    ASSERT_TRUE(Delivered(MCS_HIGH_PASS, 1));
    EXPECT_EQ(unit.ImageWord(sim_image::Crossover(InA)), index);
}

} // namespace

namespace {

// The corner drag takes the filter type from the crossover controls on the
// form and moves their fader, whose own change stores that type.
TEST_F(CurveDragTest, ACornerDragFollowsTheCrossoverControls) {
    CreateWindows();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        CrossoverSetting x = Model().GetCrossover(InA);
        x.hpType = 8;
        x.hpFreq = 40;
        Model().SetHighPass(InA, x);
    }
    fmMain->RefreshFromModel();
    OpenInA();
    ASSERT_EQ(Control<TComboBox>("rzcLowCutSlopInA")->ItemIndex(), 7);
    auto* bypass = Control<TRzBmpButton>("rzbLowCutBypassInA");
    auto* readOut = Control<TCurvyEdit>("cvdLowCutFreqInA");
    EXPECT_TRUE(Control<TRzBmpButton>("rzbEq1InA")->Down());

    struct Case {
        bool bypassDown;
        int dx;
        bool flat;
    };
    for (const Case c : {Case{false, 40, false}, Case{true, 40, true}}) {
        bypass->SetDown(c.bypassDown);
        const TPoint corner = Marker(HighPassHandle);
        input.MouseDown(InADisplay(), corner.X, corner.Y);
        input.MouseMove(InADisplay(), corner.X + c.dx, corner.Y);
        EXPECT_EQ(readOut->Font().Color(), clGreen);
        EXPECT_FALSE(Control<TRzBmpButton>("rzbEq1InA")->Down());
        AdvanceTimers(1);
        input.MouseUp(InADisplay(), corner.X + c.dx, corner.Y);
        EXPECT_EQ(readOut->Font().Color(), clBlack);
        const CrossoverSetting x = Model().GetCrossover(InA);
        EXPECT_EQ(x.hpType, c.bypassDown ? 0 : 8);
        mainform::FaderRange range;
        ASSERT_TRUE(mainform::ReadFaderRange(Control<TControl>("isLowCutFreqInA"), range));
        EXPECT_EQ(range.position, x.hpFreq);
        EXPECT_EQ(readOut->Text(), PeqFrequencyText(IndexToFreq(x.hpFreq)));
        EXPECT_EQ(Section(InA, HighPassHandle).Type == 10, c.flat) << c.bypassDown;
    }
}

} // namespace
