// Steering a channel's bands through the window's own controls: the band
// buttons, the keys on the frequency read-out, the grid's typed values and
// the refresh that starts with no band selected, on line to the simulated
// unit.

#include "controls/gdip/CurvyControls.h"
#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/forms/WinControl.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/curves/PeqBandGrid.h"
#include "ui/main/form/Faders.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::editors;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InB = 1;

class PeqSteeringTest : public EditorsTest {
protected:
    PeqBandEditor& Peq() { return Editors().Peq(); }
    LUnitControl& Model() { return fmMain->Model(); }
    int Position(const std::string& fader) {
        mainform::FaderRange range;
        EXPECT_TRUE(mainform::ReadFaderRange(Control<TControl>(fader), range)) << fader;
        return range.position;
    }
    std::string Text(const std::string& readOut) { return Control<TCurvyEdit>(readOut)->Text(); }
    void Show(const std::string& page) {
        input.Click(Control<TControl>("rzbMenu" + page));
        ProcessEvents();
    }
    TWinControl* FreqReadOut(const std::string& suffix) {
        return Control<TCurvyEdit>("cvdEqFreq" + suffix)->Edit();
    }
};

TEST_F(PeqSteeringTest, ABandButtonSelectsItsBandAndHandsTheKeysToTheReadOut) {
    CreateWindows();
    Show("InB");
    input.Click(Control<TControl>("rzbEq3InB"));
    ProcessEvents();
    EXPECT_EQ(Peq().SelectedBand(InB), 2);
    EXPECT_TRUE(Control<TRzBmpButton>("rzbEq3InB")->Down());
    EXPECT_FALSE(Control<TRzBmpButton>("rzbEq1InB")->Down());
    EXPECT_TRUE(Control<TControl>("lbFftParamInB")->Visible());
    EXPECT_TRUE(FreqReadOut("InB")->Focused());
    const PeqBand band = Model().GetPeqBand(InB, 2);
    EXPECT_EQ(Position("isEqFreqInB"), band.freq);
    EXPECT_EQ(Position("isEqGainInB"), band.gain);
    EXPECT_EQ(Text("cvdEqFreqInB"), PeqFrequencyText(IndexToFreq(band.freq)));
}

TEST_F(PeqSteeringTest, KeysStepTheirFaderByOneAndTheBandFollows) {
    CreateWindows();
    Show("InA");
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetPeq(InA, 1, PeqBand{.gain = 120, .freq = 150, .q = 20, .type = 0}, 0);
    }
    fmMain->RefreshFromModel();
    input.Click(Control<TControl>("rzbEq2InA"));
    ProcessEvents();
    struct Case {
        std::uint16_t key;
        const char* fader;
        int delta;
    };
    const Case cases[] = {
        {VK_RIGHT, "isEqFreqInA", +1},   {VK_LEFT, "isEqFreqInA", -1}, {VK_OEM_PLUS, "isEqBwInA", +1},
        {VK_OEM_MINUS, "isEqBwInA", -1}, {VK_UP, "isEqGainInA", +1},   {VK_DOWN, "isEqGainInA", -1},
        {VK_SHIFT, "isEqGainInA", 0},    {'A', "isEqFreqInA", 0},
    };
    for (const Case& c : cases) {
        const int before = Position(c.fader);
        input.Key(FreqReadOut("InA"), c.key);
        AdvanceTimers(1);
        EXPECT_EQ(Position(c.fader), before + c.delta) << c.key;
    }
    // The numeric pad's plus and minus, as the platform reports them.
    for (const auto& [qtKey, delta] : {std::pair{Qt::Key_Plus, +1}, std::pair{Qt::Key_Minus, -1}}) {
        const int before = Position("isEqBwInA");
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::KeypadModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
        EXPECT_EQ(Position("isEqBwInA"), before + delta) << qtKey;
    }
    // Two faders before one tick: the last one's value goes through, and
    // the faders then show the band as stored.
    input.Key(FreqReadOut("InA"), VK_UP);
    input.Key(FreqReadOut("InA"), VK_RIGHT);
    AdvanceTimers(1);
    const PeqBand band = Model().GetPeqBand(InA, 1);
    EXPECT_EQ(band.freq, 151);
    EXPECT_EQ(band.gain, 120);
    EXPECT_EQ(Text("cvdEqFreqInA"), PeqFrequencyText(IndexToFreq(151)));
}

TEST_F(PeqSteeringTest, KeysStopAtTheFadersEnds) {
    CreateWindows();
    Show("InA");
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetPeq(InA, 0, PeqBand{.gain = 240, .freq = 0, .q = 20, .type = 0}, 0);
    }
    fmMain->RefreshFromModel();
    input.Click(Control<TControl>("rzbEq1InA"));
    ProcessEvents();
    input.Key(FreqReadOut("InA"), VK_LEFT);
    input.Key(FreqReadOut("InA"), VK_UP);
    AdvanceTimers(1);
    EXPECT_EQ(Position("isEqFreqInA"), 0);
    EXPECT_EQ(Position("isEqGainInA"), 240);
    EXPECT_EQ(Text("cvdEqFreqInA"), " 19.7Hz");
    EXPECT_EQ(Text("cvdEqGainInA"), "+12.0dB");
}

TEST_F(PeqSteeringTest, GainKeysOnLineSendOneRecordPerTick) {
    GoOnline();
    Show("InA");
    input.Click(Control<TControl>("rzbEq1InA"));
    ProcessEvents();
    const int start = Model().GetPeqBand(InA, 0).gain;
    for (int i = 0; i < 30; ++i)
        input.Key(FreqReadOut("InA"), VK_UP);
    AdvanceTimers(1);
    ASSERT_TRUE(Delivered(MCS_PEQ, 1));
    EXPECT_EQ(FramesOf(MCS_PEQ).size(), 1u);
    EXPECT_EQ(Model().GetPeqBand(InA, 0).gain, start + 30);
    EXPECT_EQ(unit.ImageWord(sim_image::PeqBand(InA, 0)), start + 30);
    EXPECT_NEAR(Section(InA, 0).Gain, DeviceToGain(start + 30), 1e-6);
    EXPECT_EQ(Text("cvdEqGainInA"), PeqGainText(start + 30));
    ProcessEvents();
    EXPECT_FALSE(
        korvan::testing::SavePng(korvan::testing::Grab(fmMain), "editors-ina-after-key-edit").empty());
}

TEST_F(PeqSteeringTest, ATypedValueThatDoesNotParseShowsThePreviousOne) {
    GoOnline();
    Show("InA");
    auto* grid = Control<TPeqBandGrid>("peqPeqInA");
    const PeqBand before = Model().GetPeqBand(InA, 0);
    const std::string shown = grid->FrequencyEdit(0)->Text();
    for (const char* typed : {"12..5", "abc", "+-3", ""}) {
        input.Type(grid->FrequencyEdit(0), typed);
        input.Key(grid->FrequencyEdit(0), VK_RETURN);
        ProcessEvents();
        EXPECT_EQ(grid->FrequencyEdit(0)->Text(), shown) << typed;
    }
    AdvanceTimers(1);
    EXPECT_EQ(Model().GetPeqBand(InA, 0).freq, before.freq);
    EXPECT_EQ(unit.ImageWord(sim_image::PeqBand(InA, 0) + 2), before.freq);
}

TEST_F(PeqSteeringTest, ARefreshThatStopsEarlyLeavesNoBandSelected) {
    CreateWindows();
    Show("InA");
    input.Click(Control<TControl>("rzbEq4InA"));
    ProcessEvents();
    ASSERT_TRUE(Control<TRzBmpButton>("rzbEq4InA")->Down());
    // With a control missing the refresh ends before it selects band 1.
    Control<TComponent>("cvdGainOut8")->SetName("cvdGainOut8Gone");
    fmMain->RefreshFromModel();
    for (int ch : {InA, InB}) {
        EXPECT_EQ(Peq().SelectedBand(ch), NoBand);
        EXPECT_FALSE(Control<TControl>(std::string("isEqGain") + (ch == InA ? "InA" : "InB"))->Enabled());
    }
    EXPECT_FALSE(Control<TRzBmpButton>("rzbEq4InA")->Down());
    EXPECT_FALSE(Control<TRzBmpButton>("rzbEq1InA")->Down());
    EXPECT_EQ(Text("cvdEqFreqInA"), " 19.7Hz");
    const PeqBand before = Model().GetPeqBand(InA, 3);
    input.Key(FreqReadOut("InA"), VK_UP);
    AdvanceTimers(1);
    EXPECT_EQ(Model().GetPeqBand(InA, 3).gain, before.gain);
}

} // namespace

namespace {

// A refresh builds the curves of the page on show and of the channels it
// overlays; another kind's curves wait for their page, then show the model
// with the selected band's caption.
TEST_F(PeqSteeringTest, HiddenKindsAreBuiltWhenTheirPageShows) {
    CreateWindows();
    Show("Out1");
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        PeqBand band = Model().GetPeqBand(InB, 0);
        band.gain = 170;
        Model().SetPeq(InB, 0, band, 0);
        band = Model().GetPeqBand(4 + 2, 0);
        band.gain = 80;
        Model().SetPeq(4 + 2, 0, band, 0);
    }
    fmMain->RefreshFromModel();
    EXPECT_NEAR(Section(4 + 2, 0).Gain, -4.0, 1e-6); // Out3, overlaid on Out1
    EXPECT_NE(Section(InB, 0).Gain, 5.0);
    Show("InB");
    EXPECT_NEAR(Section(InB, 0).Gain, 5.0, 1e-6);
    EXPECT_NEAR(Display("fftDrawInB")->Caption().Gain, 5.0, 1e-5);
    const std::string path = korvan::testing::SavePng(korvan::testing::Grab(Control<TControl>("rzgFftInB")),
                                                      "editors-inb-shown-later");
    EXPECT_FALSE(path.empty());
}

} // namespace
