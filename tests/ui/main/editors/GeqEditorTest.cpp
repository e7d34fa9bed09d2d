// The graphic EQ: a band's label, section, model value and record, the
// deferred total, the update guard on every input, the bypass of a link
// group, the reset through the dialog and the page's input selector.

#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/ValueScales.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/dialogs/FPeqRst.h"
#include "ui/main/RefreshTexts.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <gtest/gtest.h>

#include <vector>

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InB = 1, InC = 2;
constexpr int GeqInA = 14;

class GeqEditorTest : public EditorsTest {
protected:
    void SetUp() override {
        EditorsTest::SetUp();
        CreateWindows();
        input.Click(Control<TControl>("rzbMenuGeq"));
        ProcessEvents();
    }
    LUnitControl& Model() { return fmMain->Model(); }
    void Link(int head, std::uint16_t mask, int member) {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(head, mask);
        Model().SetLinkMask(member, 0);
    }
    void MoveBand(const std::string& name, int position) {
        ASSERT_TRUE(mainform::SetFaderPosition(Control<TControl>(name), position));
        ProcessEvents();
    }
    std::string Caption(const std::string& name) { return Control<TControl>(name)->Caption(); }
};

TEST_F(GeqEditorTest, ABandMoveSetsItsSectionStoresSendsAndRedrawsOnTheTimer) {
    GoOnline();
    input.Click(Control<TControl>("rzbMenuGeq"));
    ProcessEvents();
    input.Click(Control<TControl>("rzbGeqSelInC"));
    ProcessEvents();
    MoveBand("isGeqCh31InC", 150);
    EXPECT_EQ(Caption("lbGeqGainCh31InC"), "+3.0");
    const PlotSection& band = Section(GeqInA + InC, 30);
    EXPECT_EQ(band.Type, 1);
    EXPECT_DOUBLE_EQ(band.Frequency, 20000.0);
    EXPECT_DOUBLE_EQ(band.Gain, 3.0);
    EXPECT_NEAR(band.Q, 8.65, 1e-6);
    EXPECT_EQ(Model().GetGeqBand(InC, 30), 150);
    EXPECT_EQ(fmMain->Connection().PendingGeqEdit.section, 30);
    AdvanceTimers(1);
    EXPECT_TRUE(Shows("fftDrawGeqInC", Plot::TotalSection));
    MoveBand("isGeqCh20InC", 60);
    AdvanceTimers(1);
    EXPECT_FALSE(korvan::testing::SavePng(korvan::testing::Grab(fmMain), "editors-geq-bands").empty());
    for (const auto& [v, text] :
         {std::pair{120, "+0.0"}, {121, "+0.1"}, {119, "-0.1"}, {0, "-12.0"}, {240, "+12.0"}}) {
        MoveBand("isGeqCh01InC", v);
        EXPECT_EQ(Caption("lbGeqGainCh01InC"), text);
    }
    // Frames still queued for the same band are replaced by the later level.
    ASSERT_TRUE(Delivered(MCS_GEQ, 2));
    const auto frames = FramesOf(MCS_GEQ);
    EXPECT_EQ(frames.front().payload, (Bytes{InC, 30, 150, 0}));
    EXPECT_EQ(frames.back().payload, (Bytes{InC, 0, 240, 0}));
}

TEST_F(GeqEditorTest, EveryInputsFadersStoreNothingDuringARefresh) {
    Link(InA, 0b0011, InB);
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetGeq(InB, 4, 100);
        MoveBand("isGeqCh05InA", 200);
        MoveBand("isGeqCh05InC", 200);
    }
    EXPECT_EQ(Model().GetGeqBand(InB, 4), 100);
    EXPECT_EQ(Model().GetGeqBand(InA, 4), 100);
    EXPECT_EQ(Model().GetGeqBand(InC, 4), 120);
}

TEST_F(GeqEditorTest, BypassCoversTheGroupAndSendsForTheClickedInput) {
    GoOnline();
    Link(InB, 0b0110, InC);
    input.Click(Control<TControl>("rzbGeqSelInB"));
    ProcessEvents();
    auto* bypass = Control<TControl>("vrbEqBypassGeqInB");
    input.Click(bypass);
    ProcessEvents();
    EXPECT_EQ(Model().GetGeqBypassMask() & 0xF, 0b0110);
    input.Click(bypass);
    ProcessEvents();
    EXPECT_EQ(Model().GetGeqBypassMask() & 0xF, 0);
    ASSERT_TRUE(Delivered(MCS_GEQ_BYPASS, 2));
    const auto frames = FramesOf(MCS_GEQ_BYPASS);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].payload, (Bytes{InB, 1}));
    EXPECT_EQ(frames[1].payload, (Bytes{InB, 0}));
}

TEST_F(GeqEditorTest, AMembersSelectorShowsItsHeadsPanelsInItsOwnColour) {
    Link(InA, 0b0011, InB);
    input.Click(Control<TControl>("rzbGeqSelInB"));
    ProcessEvents();
    EXPECT_TRUE(Control<TControl>("rzgGeqInA")->Visible());
    EXPECT_TRUE(Control<TControl>("rzgFftGeqInA")->Visible());
    EXPECT_FALSE(Control<TControl>("rzgGeqInB")->Visible());
    EXPECT_EQ(Caption("lbFftChGeqInA"), "InB");
    EXPECT_EQ(Caption("lbGeqinA"), "InB");
    EXPECT_EQ(ColourOf("fftDrawGeqInA", Plot::TotalSection), mainform::OverlayColour(InB));
    const std::string path = korvan::testing::SavePng(korvan::testing::Grab(fmMain), "editors-geq-page");
    EXPECT_FALSE(path.empty());
}

// The reset moves every band's fader in turn (a moved one stores, draws
// and sends as a user's move) and queues every band to the unit in order.
TEST_F(GeqEditorTest, ResetThroughTheDialogMovesTheFadersAndQueuesEveryBand) {
    GoOnline();
    MoveBand("isGeqCh10InA", 30);
    ASSERT_TRUE(Delivered(MCS_GEQ, 1));
    unit.ClearReceived();
    pump.reactions.push_back([] {
        if (fmPeqRst->Visible())
            fmPeqRst->btnOK->Click();
    });
    pump.Start();
    input.Click(Control<TControl>("vrbEqResetGeqInA"));
    pump.reactions.clear();
    ProcessEvents();
    const std::uint16_t level = Model().GetDefaultGeqBand(InA, 9);
    EXPECT_EQ(Model().GetGeqBand(InA, 9), level);
    mainform::FaderRange range;
    ASSERT_TRUE(mainform::ReadFaderRange(Control<TControl>("isGeqCh10InA"), range));
    EXPECT_EQ(range.position, level);
    EXPECT_EQ(Caption("lbGeqGainCh10InA"), GeqText(level));
    EXPECT_DOUBLE_EQ(Section(GeqInA, 9).Gain, DeviceToGain(level));
    // Band 10's own move goes out just before its queued record.
    ASSERT_TRUE(Delivered(MCS_GEQ, 32));
    std::vector<int> bands;
    for (const auto& frame : FramesOf(MCS_GEQ)) {
        ASSERT_EQ(frame.payload.size(), 4u);
        const int b = frame.payload[1];
        const std::uint16_t v = Model().GetDefaultGeqBand(InA, b);
        EXPECT_EQ(frame.payload, (Bytes{InA, std::uint8_t(b), std::uint8_t(v & 0xFF), std::uint8_t(v >> 8)}));
        bands.push_back(b);
    }
    std::vector<int> expected(31);
    for (int b = 0; b < 31; ++b)
        expected[std::size_t(b)] = b;
    expected.insert(expected.begin() + 9, 9);
    EXPECT_EQ(bands, expected);
}

// A member's faders show its group's levels only after a refresh; its reset
// still puts the default levels into the model, not only to the unit.
TEST_F(GeqEditorTest, AMembersResetStoresWhereItsFaderWasAlreadyInPlace) {
    Link(InA, 0b0011, InB);
    MoveBand("isGeqCh05InA", 200);
    ASSERT_EQ(Model().GetGeqBand(InB, 4), 200);
    fmMain->PushChannelGeq(12 + InB);
    EXPECT_EQ(Model().GetGeqBand(InB, 4), Model().GetDefaultGeqBand(InB, 4));
    EXPECT_EQ(Model().GetGeqBand(InA, 4), Model().GetDefaultGeqBand(InB, 4));
    EXPECT_FALSE(fmMain->Connection().Updating);
    fmMain->PushChannelGeq(12 + 4); // no such input: nothing happens
}

} // namespace
