// The high- and low-pass filters of the channel pages: fader read-outs, the
// type from the slope list and the bypass, the deferred and the immediate
// redraws, the update guard, the wheel, and edits over a link group.

#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/main/form/Faders.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::editors;
using namespace korvan::test;

namespace {

constexpr int InA = 0, Out3 = 6, Out4 = 7;
constexpr int FlatType = 10;

Bytes PassPayload(int ch, int index, int type) {
    return {std::uint8_t(ch), std::uint8_t(index & 0xFF), std::uint8_t(index >> 8), std::uint8_t(type)};
}

class CrossoverEditorTest : public EditorsTest {
protected:
    void SetUp() override {
        EditorsTest::SetUp();
        CreateWindows();
    }
    LUnitControl& Model() { return fmMain->Model(); }
    void Open(const std::string& channel) {
        input.Click(Control<TControl>("rzbMenu" + channel));
        ProcessEvents();
    }
    int FaderAt(const std::string& name) {
        mainform::FaderRange range;
        EXPECT_TRUE(mainform::ReadFaderRange(Control<TControl>(name), range)) << name;
        return range.position;
    }
    void MoveFader(const std::string& name, int position) {
        ASSERT_TRUE(mainform::SetFaderPosition(Control<TControl>(name), position));
        ProcessEvents();
    }
    // The user steps the list one item down with the keyboard.
    void NextSlope(const std::string& name) {
        auto* slope = Control<TComboBox>(name);
        slope->SetFocus();
        ProcessEvents();
        input.Key(slope, VK_DOWN);
        ProcessEvents();
    }
    std::string Text(const std::string& name) { return Control<TControl>(name)->Text(); }
    // The last record of `code` the unit got, once the link is idle.
    Bytes LastFrame(std::uint8_t code) {
        EXPECT_TRUE(Delivered(code, 1));
        const auto frames = FramesOf(code);
        return frames.empty() ? Bytes{} : frames.back().payload;
    }
};

TEST_F(CrossoverEditorTest, FaderPositionsReachTheReadOutAndTheModel) {
    Open("InA");
    const std::pair<int, const char*> cases[] = {{169, " 977.2Hz"}, {170, "1.00KHz"},  {171, "1.02KHz"},
                                                 {230, "4.00KHz"},  {299, "19.70KHz"}, {300, "20.16KHz"},
                                                 {1, " 20.1Hz"},    {0, " 19.7Hz"}};
    for (const auto& [index, text] : cases) {
        MoveFader("isLowCutFreqInA", index);
        EXPECT_EQ(Text("cvdLowCutFreqInA"), text) << index;
        EXPECT_EQ(Model().GetCrossover(InA).hpFreq, index);
        MoveFader("isHighCutFreqInA", index);
        EXPECT_EQ(Text("cvdHighCutFreqInA"), text) << index;
        EXPECT_EQ(Model().GetCrossover(InA).lpFreq, index);
    }
}

TEST_F(CrossoverEditorTest, AFaderBurstIsDrawnOnceOnTheTimerAndSent) {
    GoOnline();
    Open("InA");
    // The default preset's filters are off; released, the list's last
    // item is on: Linkwitz-Riley -48.
    input.Click(Control<TControl>("rzbLowCutBypassInA"));
    input.Click(Control<TControl>("rzbHighCutBypassInA"));
    ProcessEvents();
    MoveFader("isLowCutFreqInA", 100);
    MoveFader("isLowCutFreqInA", 110);
    // Nothing is drawn before the timer fires; then the last move is.
    EXPECT_NE(Section(InA, HighPassHandle).Frequency, IndexToFreq(110));
    AdvanceTimers(1);
    EXPECT_NEAR(Section(InA, HighPassHandle).Frequency, IndexToFreq(110), 0.01);
    EXPECT_EQ(Editors().PassCurve().Pending().Kind, 1);
    auto* display = Display("fftDrawInA");
    EXPECT_EQ(display->Caption().Type, 5);
    EXPECT_TRUE(display->CurveDisplayOn());
    EXPECT_EQ(LastFrame(MCS_HIGH_PASS), PassPayload(InA, 110, 20));

    MoveFader("isHighCutFreqInA", 250);
    AdvanceTimers(1);
    EXPECT_NEAR(Section(InA, LowPassHandle).Frequency, IndexToFreq(250), 0.01);
    EXPECT_EQ(display->Caption().Type, 6);
    EXPECT_EQ(LastFrame(MCS_LOW_PASS), PassPayload(InA, 250, 20));
}

TEST_F(CrossoverEditorTest, BypassAndSlopeChooseTheTypeAndDrawAtOnce) {
    GoOnline();
    Open("InA");
    auto* bypass = Control<TRzBmpButton>("rzbLowCutBypassInA");
    auto* slope = Control<TComboBox>("rzcLowCutSlopInA");
    ASSERT_TRUE(bypass->Down());

    // A move while bypassed sends the new corner, off; no filter is drawn.
    MoveFader("isLowCutFreqInA", 120);
    AdvanceTimers(1);
    EXPECT_EQ(Section(InA, HighPassHandle).Type, FlatType);
    EXPECT_EQ(LastFrame(MCS_HIGH_PASS), PassPayload(InA, 120, 0));

    // Another slope while bypassed: off again, the choice kept.
    slope->SetItemIndex(3);
    NextSlope("rzcLowCutSlopInA");
    EXPECT_EQ(slope->ItemIndex(), 4);
    EXPECT_EQ(Model().GetCrossover(InA).hpType, 0);
    EXPECT_EQ(Section(InA, HighPassHandle).Type, FlatType);

    // Released: the chosen slope at the fader's corner, drawn without the
    // timer.
    input.Click(bypass);
    ProcessEvents();
    EXPECT_FALSE(bypass->Down());
    EXPECT_NE(Section(InA, HighPassHandle).Type, FlatType);
    EXPECT_NEAR(Section(InA, HighPassHandle).Frequency, IndexToFreq(120), 0.01);
    EXPECT_EQ(Model().GetCrossover(InA).hpType, 5);
    EXPECT_EQ(LastFrame(MCS_HIGH_PASS), PassPayload(InA, 120, 5));

    MoveFader("isLowCutFreqInA", 130);
    EXPECT_EQ(LastFrame(MCS_HIGH_PASS), PassPayload(InA, 130, 5));
    input.Click(bypass);
    ProcessEvents();
    EXPECT_EQ(Section(InA, HighPassHandle).Type, FlatType);
    EXPECT_EQ(LastFrame(MCS_HIGH_PASS), PassPayload(InA, 130, 0));

    // The wheel over the list changes nothing.
    unit.ClearReceived();
    input.Wheel(slope, 5, 5, -120);
    input.Wheel(slope, 5, 5, 240);
    ProcessEvents();
    EXPECT_EQ(slope->ItemIndex(), 4);
    EXPECT_EQ(Model().GetCrossover(InA).hpType, 0);
    EXPECT_EQ(CountOf(MCS_HIGH_PASS), 0u);
}

TEST_F(CrossoverEditorTest, DuringARefreshOnlyTypeChangesDrawAndNothingIsStored) {
    GoOnline();
    Open("InA");
    const CrossoverSetting before = Model().GetCrossover(InA);
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        MoveFader("isHighCutFreqInA", 200);
        EXPECT_EQ(Text("cvdHighCutFreqInA"), "20.16KHz");
        input.Click(Control<TControl>("rzbHighCutBypassInA"));
        ProcessEvents();
        // Drawn at once, from the fader and the released bypass.
        EXPECT_NE(Section(InA, LowPassHandle).Type, FlatType);
        EXPECT_NEAR(Section(InA, LowPassHandle).Frequency, IndexToFreq(200), 0.01);
    }
    const CrossoverSetting after = Model().GetCrossover(InA);
    EXPECT_EQ(after.lpFreq, before.lpFreq);
    EXPECT_EQ(after.lpType, before.lpType);
    // A later edit is the first record the unit gets.
    MoveFader("isHighCutFreqInA", 210);
    EXPECT_EQ(LastFrame(MCS_LOW_PASS), PassPayload(InA, 210, 20));
    EXPECT_EQ(CountOf(MCS_LOW_PASS), 1u);
}

// Out4's page shows its head's groups: the user edits Out3's filters, which
// are stored over the group. An edit of the member's own controls (a drag
// on its display, a refresh's fader) stores over the group as well. The
// handlers move no control of the other channel.
TEST_F(CrossoverEditorTest, EditsOfLinkedOut3AndOut4StoreOverTheGroup) {
    GoOnline();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(Out3, 0b1100);
        Model().SetLinkMask(Out4, 0);
    }
    Open("Out4");
    ASSERT_TRUE(Control<TControl>("rzgParamOut3")->Visible());
    MoveFader("isHighCutFreqOut3", 200);
    AdvanceTimers(1);
    Control<TComboBox>("rzcHighCutSlopOut3")->SetItemIndex(6);
    NextSlope("rzcHighCutSlopOut3");
    input.Click(Control<TControl>("rzbHighCutBypassOut3"));
    ProcessEvents();
    for (int ch : {Out3, Out4}) {
        EXPECT_EQ(Model().GetCrossover(ch).lpFreq, 200) << ch;
        EXPECT_EQ(Model().GetCrossover(ch).lpType, 8) << ch;
    }
    EXPECT_EQ(LastFrame(MCS_LOW_PASS), PassPayload(Out3, 200, 8));
    for (const auto& frame : FramesOf(MCS_LOW_PASS))
        EXPECT_EQ(frame.payload[0], Out3);
    EXPECT_EQ(Text("cvdHighCutFreqOut3"), "2.00KHz");
    EXPECT_EQ(FaderAt("isHighCutFreqOut4"), 300);
    EXPECT_EQ(Text("cvdHighCutFreqOut4"), "20.16KHz");
    EXPECT_TRUE(Control<TRzBmpButton>("rzbHighCutBypassOut4")->Down());
    const std::string path = korvan::testing::SavePng(korvan::testing::Grab(Control<TControl>("rzgMain")),
                                                      "editors-crossover-out4");
    EXPECT_FALSE(path.empty());

    MoveFader("isLowCutFreqOut4", 90);
    EXPECT_EQ(Model().GetCrossover(Out3).hpFreq, 90);
    EXPECT_EQ(Model().GetCrossover(Out4).hpFreq, 90);
    EXPECT_EQ(FaderAt("isLowCutFreqOut3"), 0);
    EXPECT_EQ(LastFrame(MCS_HIGH_PASS), PassPayload(Out4, 90, 0));

    // Every member's controls show the group's filters after a refresh.
    fmMain->RefreshFromModel();
    EXPECT_EQ(FaderAt("isLowCutFreqOut3"), 90);
    EXPECT_EQ(FaderAt("isHighCutFreqOut4"), 200);
    EXPECT_EQ(Control<TComboBox>("rzcHighCutSlopOut4")->ItemIndex(), 7);
}

} // namespace
