// The gate, compressor and limiter pages: faders, up-downs and typed
// entries store over the link group, send one record, mirror on the linked
// outputs and redraw the page's transfer curve.

#include "controls/gdip/CurvyControls.h"
#include "controls/plot/plots/XYPlot.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/main/editors/DynamicsCurves.h"
#include "ui/main/form/Faders.h"

#include <span>
#include <vector>

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::editors;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InC = 2, Out1 = 4, Out3 = 6, Out4 = 7, Out5 = 8;

class DynamicsEditorTest : public EditorsTest {
protected:
    void SetUp() override {
        EditorsTest::SetUp();
        CreateWindows();
    }
    LUnitControl& Model() { return fmMain->Model(); }
    void LinkOut3AndOut4() {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(Out3, 0b1100);
        Model().SetLinkMask(Out4, 0);
    }
    void OpenPage(const std::string& page) {
        input.Click(Control<TControl>("rzbMenu" + page));
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
    // A click on the upper (up) or lower (down) arrow of an up-down.
    void Arrow(const std::string& name, bool up) {
        auto* upDown = Control<TUpDown>(name);
        input.Click(upDown, upDown->Width() / 2, up ? 2 : upDown->Height() - 3);
        ProcessEvents();
    }
    int UpDownAt(const std::string& name) { return Control<TUpDown>(name)->Position(); }
    std::string Text(const std::string& name) { return Control<TControl>(name)->Text(); }
    std::string Caption(const std::string& name) { return Control<TControl>(name)->Caption(); }
    // Types `text` into an edit and presses Enter.
    void Enter(const std::string& edit, const std::string& text) {
        auto* field = Control<TCurvyEdit>(edit);
        field->SetText("");
        input.Type(field->Edit(), text);
        input.Key(field->Edit(), VK_RETURN);
        ProcessEvents();
    }
    std::vector<CurvePoint> Points(const std::string& plot, int channel) {
        TiXYPlotChannel& c = *Control<TiXYPlot>(plot)->Channel(channel);
        std::vector<CurvePoint> points;
        for (int i = 0; i < c.Count(); ++i)
            points.emplace_back(c.GetPointX(i), c.GetPointY(i));
        return points;
    }
    template <std::size_t N>
    void ExpectCurve(const std::string& plot, const std::array<CurvePoint, N>& curve, CurvePoint marker) {
        EXPECT_EQ(Points(plot, 0), std::vector<CurvePoint>(curve.begin(), curve.end())) << plot;
        EXPECT_EQ(Points(plot, 1), std::vector<CurvePoint>{marker}) << plot;
    }
    std::size_t Sent(std::uint8_t code) {
        pump.RunUntil([&] { return LinkIdle(); });
        return FramesOf(code).size();
    }
    // After the plot's held-back repaint.
    std::string Save(const std::string& name) {
        AdvanceTimers(100);
        ProcessEvents();
        return korvan::testing::SavePng(korvan::testing::Grab(fmMain), name);
    }
};

TEST_F(DynamicsEditorTest, ACompressorThresholdOfALinkedOutputSendsOnceMirrorsAndRedraws) {
    GoOnline();
    LinkOut3AndOut4();
    OpenPage("Comp");
    MoveFader("isCompThresholdOut3", -40);
    for (const char* edit : {"cvdCompThresholdOut3", "cvdCompThresholdOut4"})
        EXPECT_EQ(Text(edit), "-20.0dB") << edit;
    EXPECT_EQ(FaderAt("isCompThresholdOut4"), -40);
    EXPECT_EQ(Model().GetComp(Out4).threshold, 140);
    EXPECT_EQ(Model().GetComp(Out3), Model().GetComp(Out4));
    EXPECT_EQ(fmMain->CompPageChannel, Out3);
    EXPECT_FALSE(fmMain->Connection().Updating);
    // The curve waits for the timer's tick.
    const CompSetting comp = Model().GetComp(Out3);
    AdvanceTimers(1);
    ExpectCurve("ipComp", CompressorCurve(-40, comp.knee, comp.ratio), {-19.8, -20.4});
    EXPECT_EQ(Caption("lbCompName"), "Out 3  RMS Compressor");
    EXPECT_EQ(Caption("lbHeadCompOut"), "Out 3");
    ASSERT_EQ(Sent(MCS_COMP), 1u);
    EXPECT_EQ(FramesOf(MCS_COMP)[0].payload,
              (Bytes{Out3, std::uint8_t(comp.ratio), 0, std::uint8_t(comp.attack),
                     std::uint8_t(comp.attack >> 8), std::uint8_t(comp.release),
                     std::uint8_t(comp.release >> 8), std::uint8_t(comp.knee), 0, 140, 0}));
}

TEST_F(DynamicsEditorTest, EveryFaderRowStoresItsFieldAndWritesItsText) {
    struct Case {
        const char* fader;
        int v;
        const char* edit;
        const char* text;
    };
    const Case cases[] = {
        {"isCompAttackOut3", 49, "cvdCompAttackOut4", " 50ms"},
        {"isCompReleaseOut3", 2999, "cvdCompReleaseOut4", "3000ms"},
        {"isLimitThresholdOut3", -13, "cvdLimitThresholdOut4", "-6.5dB"},
        {"isLimitAttackOut3", 0, "cvdLimitAttackOut4", "  1ms"},
        {"isLimitReleaseOut3", 99, "cvdLimitReleaseOut4", "100ms"},
        {"isGateThresholdInC", -180, "cvdGateThresholdInC", "-90.0dB"},
        {"isGateAttackInC", 0, "cvdGateAttackInC", "1ms"},
        {"isGateReleaseInC", 2999, "cvdGateReleaseInC", "3000ms"},
        {"isGateHoldInC", 9, "cvdGateHoldInC", "10ms"},
    };
    LinkOut3AndOut4();
    for (const Case& c : cases) {
        MoveFader(c.fader, c.v);
        EXPECT_EQ(Text(c.edit), c.text) << c.fader;
    }
    const CompSetting comp = Model().GetComp(Out4);
    EXPECT_EQ(comp.attack, 49);
    EXPECT_EQ(comp.release, 2999);
    EXPECT_EQ(Model().GetLimit(Out4), (LimitSetting{0, 99, Model().GetLimit(Out3).knee, 167}));
    EXPECT_EQ(Model().GetGate(InC), (GateSetting{0, 2999, 9, 0}));
    EXPECT_EQ(FaderAt("isLimitAttackOut4"), 0);
    // Only the mirrored field changed on the linked output.
    EXPECT_EQ(FaderAt("isCompThresholdOut4"), Model().GetComp(Out4).threshold - 180);
}

TEST_F(DynamicsEditorTest, TheRatioUpDownSteps_WritesLimit_AndStopsAtItsEnds) {
    GoOnline();
    LinkOut3AndOut4();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Control<TUpDown>("udCompRatioOut3")->SetPosition(14);
    }
    Arrow("udCompRatioOut3", true);
    EXPECT_EQ(UpDownAt("udCompRatioOut3"), 15);
    EXPECT_EQ(Text("cvdCompRatioOut3"), "Limit");
    EXPECT_EQ(UpDownAt("udCompRatioOut4"), 15);
    EXPECT_EQ(Text("cvdCompRatioOut4"), "Limit");
    EXPECT_EQ(Model().GetComp(Out4).ratio, 15);
    AdvanceTimers(1);
    const CompSetting comp = Model().GetComp(Out3);
    ExpectCurve("ipComp", LimiterCurve(comp.threshold - 180, comp.knee),
                ThresholdMarker(comp.threshold - 180));
    ASSERT_EQ(Sent(MCS_COMP), 1u);
    Arrow("udCompRatioOut3", true); // past the end: nothing
    EXPECT_EQ(Sent(MCS_COMP), 1u);
    Arrow("udCompRatioOut3", false);
    EXPECT_EQ(Text("cvdCompRatioOut3"), "1:20");
    EXPECT_EQ(Text("cvdCompRatioOut4"), "1:20");
    EXPECT_EQ(Sent(MCS_COMP), 2u);
    for (int i = 0; i < 16; ++i)
        Arrow("udCompRatioOut3", false);
    EXPECT_EQ(Text("cvdCompRatioOut3"), "1:1.0");
    const std::size_t atBottom = Sent(MCS_COMP);
    Arrow("udCompRatioOut3", false);
    EXPECT_EQ(Sent(MCS_COMP), atBottom);
    EXPECT_EQ(Model().GetComp(Out4).ratio, 0);
}

TEST_F(DynamicsEditorTest, KneeUpDownsWriteTheirTextAndTheLimiterCurveFollows) {
    LinkOut3AndOut4();
    Arrow("udCompKneeOut4", false);
    const int knee = UpDownAt("udCompKneeOut4");
    EXPECT_EQ(Text("cvdCompKneeOut4"), std::to_string(knee) + "dB");
    EXPECT_EQ(Text("cvdCompKneeOut3"), std::to_string(knee) + "dB");
    EXPECT_EQ(UpDownAt("udCompKneeOut3"), knee);
    EXPECT_EQ(Model().GetComp(Out3).knee, knee);
    MoveFader("isLimitThresholdOut5", -13);
    EXPECT_EQ(Text("cvdLimitThresholdOut5"), "-6.5dB");
    AdvanceTimers(1);
    ExpectCurve("ipLimit", LimiterCurve(-13, UpDownAt("udLimitKneeOut5")), ThresholdMarker(-13));
    EXPECT_EQ(Caption("lbLimitName"), "Out 5  Peak Limit");
    EXPECT_EQ(Caption("lbHeadLimitOut"), "Out 5");
    EXPECT_EQ(fmMain->LimitPageChannel, Out5);
}

TEST_F(DynamicsEditorTest, SeveralChangesBeforeTheTickDrawTheLastEditedOutputOnce) {
    MoveFader("isCompThresholdOut3", -40);
    MoveFader("isCompThresholdOut5", -60);
    AdvanceTimers(1);
    EXPECT_EQ(Caption("lbCompName"), "Out 5  RMS Compressor");
    EXPECT_EQ(Points("ipComp", 1), std::vector<CurvePoint>{ThresholdMarker(-60)});
    EXPECT_FALSE(Control<TTimer>("tmCompDisp")->Enabled());
}

TEST_F(DynamicsEditorTest, TheGateRedrawsAtOnceAndKeepsItsMeterHead) {
    OpenPage("Gate");
    MoveFader("isGateThresholdInC", -100);
    ExpectCurve("ipGate", GateCurve(-100), {-49.8, -50.4});
    EXPECT_EQ(Caption("lbGateName"), "In C  Gate");
    EXPECT_EQ(Caption("lbHeadGateIn"), "In A");
    EXPECT_EQ(fmMain->GatePageChannel, InC);
    // Pressing a label shows its input, head and all; InC's hold fader
    // shows InC again under the pressed input's head.
    input.Click(Control<TControl>("lbGateInD"));
    EXPECT_EQ(Caption("lbGateName"), "In D  Gate");
    EXPECT_EQ(Caption("lbHeadGateIn"), "In D");
    MoveFader("isGateHoldInC", 500);
    EXPECT_EQ(Caption("lbGateName"), "In C  Gate");
    EXPECT_EQ(Caption("lbHeadGateIn"), "In D");
    EXPECT_EQ(Points("ipGate", 0)[1], (CurvePoint{-50, -50}));
}

TEST_F(DynamicsEditorTest, TheLanguageSwitchTitlesThePagesAsTheEditorsDo) {
    OpenPage("Gate");
    MoveFader("isGateThresholdInC", -100);
    MoveFader("isCompThresholdOut5", -60);
    MoveFader("isLimitThresholdOut8", -60);
    AdvanceTimers(1);
    const std::string titles[] = {Caption("lbGateName"), Caption("lbCompName"), Caption("lbLimitName")};
    EXPECT_EQ(titles[0], "In C  Gate");
    EXPECT_EQ(titles[2], "Out 8  Peak Limit");
    fmMain->ApplyLanguage();
    EXPECT_EQ(Caption("lbGateName"), titles[0]);
    EXPECT_EQ(Caption("lbCompName"), titles[1]);
    EXPECT_EQ(Caption("lbLimitName"), titles[2]);
}

TEST_F(DynamicsEditorTest, PressingAControlOfAnOutputShowsItsCurve) {
    OpenPage("Comp");
    MoveFader("isCompThresholdOut5", -20);
    AdvanceTimers(1);
    input.Click(Control<TControl>("lbCompOut1"));
    EXPECT_EQ(Caption("lbCompName"), "Out 1  RMS Compressor");
    input.Click(Control<TCurvyEdit>("cvdCompThresholdOut5")->Edit());
    EXPECT_EQ(Caption("lbCompName"), "Out 5  RMS Compressor");
    EXPECT_EQ(fmMain->CompPageChannel, Out5);
    EXPECT_EQ(Points("ipComp", 1), std::vector<CurvePoint>{ThresholdMarker(-20)});
    input.Click(Control<TControl>("lbLimitOut4"));
    EXPECT_EQ(Caption("lbLimitName"), "Out 4  Peak Limit");
    EXPECT_EQ(fmMain->LimitPageChannel, Out4);
}

TEST_F(DynamicsEditorTest, ARefreshMovesTheControlsButStoresSendsAndSchedulesNothing) {
    GoOnline();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        CompSetting comp = Model().GetComp(Out3);
        comp.threshold = 100;
        comp.ratio = 12;
        Model().SetComp(Out3, comp);
        GateSetting gate = Model().GetGate(InA);
        gate.threshold = 20;
        Model().SetGate(InA, gate);
    }
    fmMain->RefreshFromModel();
    EXPECT_EQ(FaderAt("isCompThresholdOut3"), -80);
    EXPECT_EQ(Text("cvdCompRatioOut3"), "1:8.0");
    EXPECT_FALSE(Control<TTimer>("tmCompDisp")->Enabled());
    EXPECT_EQ(Sent(MCS_COMP), 0u);
    EXPECT_EQ(Sent(MCS_GATE), 0u);
    // The refresh draws the pages' first channels from the new values.
    ExpectCurve("ipGate", GateCurve(-160), ThresholdMarker(-160));
    EXPECT_EQ(fmMain->CompPageChannel, Out1);
}

TEST_F(DynamicsEditorTest, TheCurvesShowTheModelFromStartUp) {
    const CompSetting comp = Model().GetComp(Out1);
    const LimitSetting limit = Model().GetLimit(Out1);
    const GateSetting gate = Model().GetGate(InA);
    ExpectCurve("ipComp", CompressorCurve(comp.threshold - 180, comp.knee, comp.ratio),
                ThresholdMarker(comp.threshold - 180));
    ExpectCurve("ipLimit", LimiterCurve(limit.threshold - 180, limit.knee),
                ThresholdMarker(limit.threshold - 180));
    ExpectCurve("ipGate", GateCurve(gate.threshold - 180), ThresholdMarker(gate.threshold - 180));
    EXPECT_EQ(Caption("lbCompName"), "Out 1  RMS Compressor");
    EXPECT_EQ(Caption("lbHeadCompOut"), "Out 1");
    EXPECT_EQ(Caption("lbHeadLimitOut"), "Out 1");
    EXPECT_EQ(Caption("lbHeadGateIn"), "In A");
}

// Typed entries move the control; its handler stores, sends and mirrors.
TEST_F(DynamicsEditorTest, ATypedAttackOnALinkedOutputShowsTheMirrorsAlignment) {
    GoOnline();
    LinkOut3AndOut4();
    OpenPage("Comp");
    Enter("cvdCompAttackOut3", "80");
    EXPECT_EQ(Text("cvdCompAttackOut3"), "80ms");
    EXPECT_EQ(Text("cvdCompAttackOut4"), " 80ms");
    EXPECT_EQ(FaderAt("isCompAttackOut4"), 79);
    EXPECT_EQ(Model().GetComp(Out4).attack, 79);
    // Leaving the edit applies the same text again: nothing more is sent.
    Control<TCurvyEdit>("cvdCompAttackOut3")->OnExit(nullptr);
    EXPECT_EQ(Text("cvdCompAttackOut3"), "80ms");
    EXPECT_EQ(Sent(MCS_COMP), 1u);
}

TEST_F(DynamicsEditorTest, TypedValuesOfEveryFamilyReachTheirControls) {
    struct Case {
        const char* edit;
        const char* typed;
        const char* control;
        int position;
        const char* shown;
    };
    const Case cases[] = {
        {"cvdCompThresholdOut2", "-12.3dB", "isCompThresholdOut2", -24, "-12.0dB"},
        {"cvdCompThresholdOut2", "-12.7", "isCompThresholdOut2", -25, "-12.5dB"},
        {"cvdCompThresholdOut2", "30", "isCompThresholdOut2", 40, "+20.0dB"},
        {"cvdLimitThresholdOut2", "-100", "isLimitThresholdOut2", -180, "-90.0dB"},
        // The gate fader ends at 0 dB and holds a higher value there.
        {"cvdGateThresholdInB", "-20", "isGateThresholdInB", -40, "-20.0dB"},
        {"cvdGateThresholdInB", "15", "isGateThresholdInB", 0, "+0.0dB"},
        {"cvdCompReleaseOut2", "5", "isCompReleaseOut2", 9, "10ms"},
        {"cvdLimitAttackOut2", "5000", "isLimitAttackOut2", 998, "999ms"},
        {"cvdLimitReleaseOut2", "120MS", "isLimitReleaseOut2", 119, "120ms"},
        {"cvdGateAttackInB", "0", "isGateAttackInB", 0, "1ms"},
        {"cvdGateReleaseInB", "250ms", "isGateReleaseInB", 249, "250ms"},
        {"cvdGateHoldInB", "1000", "isGateHoldInB", 998, "999ms"},
        {"cvdCompKneeOut2", "6.8", "udCompKneeOut2", 6, "6dB"},
        {"cvdCompKneeOut2", "-2", "udCompKneeOut2", 0, "0dB"},
        {"cvdLimitKneeOut2", "15dB", "udLimitKneeOut2", 12, "12dB"},
        {"cvdCompRatioOut2", "4", "udCompRatioOut2", 9, "1:4.0"},
        {"cvdCompRatioOut2", "1:2.2", "udCompRatioOut2", 6, "1:2.5"},
        {"cvdCompRatioOut2", "1:4dB", "udCompRatioOut2", 9, "1:4.0"},
        {"cvdCompRatioOut2", "25", "udCompRatioOut2", 15, "Limit"},
        {"cvdCompRatioOut2", "0.5", "udCompRatioOut2", 0, "1:1.0"},
    };
    for (const Case& c : cases) {
        Enter(c.edit, c.typed);
        const int at = c.control[0] == 'u' ? UpDownAt(c.control) : FaderAt(c.control);
        EXPECT_EQ(at, c.position) << c.edit << " " << c.typed;
        EXPECT_EQ(Text(c.edit), c.shown) << c.edit << " " << c.typed;
    }
    EXPECT_EQ(Model().GetComp(5).ratio, 0);
    EXPECT_EQ(Model().GetLimit(5).knee, 12);
    EXPECT_EQ(Model().GetGate(1).hold, 998);
}

TEST_F(DynamicsEditorTest, TextsThatAreNoValueBringThePreviousTextBackAndSendNothing) {
    GoOnline();
    Enter("cvdCompThresholdOut1", "-20");
    Enter("cvdCompRatioOut1", "4");
    Enter("cvdCompAttackOut1", "50");
    Enter("cvdCompKneeOut1", "12");
    const std::size_t sent = Sent(MCS_COMP);
    struct Case {
        const char* edit;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"cvdCompThresholdOut1", "abc", "-20.0dB"}, {"cvdCompThresholdOut1", "5-", "-20.0dB"},
        {"cvdCompThresholdOut1", ".4", "-20.0dB"},  {"cvdCompThresholdOut1", "-20dB", "-20.0dB"},
        {"cvdCompThresholdOut1", "", "-20.0dB"},    {"cvdCompRatioOut1", "1:", "1:4.0"},
        {"cvdCompRatioOut1", "2:1", "1:4.0"},       {"cvdCompRatioOut1", "x", "1:4.0"},
        {"cvdCompAttackOut1", "12.5", "50ms"},      {"cvdCompAttackOut1", "120 ms", "50ms"},
        {"cvdCompAttackOut1", "50", "50ms"},        {"cvdCompKneeOut1", "12", "12dB"},
        {"cvdCompKneeOut1", "+-5", "12dB"},
    };
    for (const Case& c : cases) {
        Enter(c.edit, c.typed);
        EXPECT_EQ(Text(c.edit), c.shown) << c.edit << " \"" << c.typed << '"';
        EXPECT_EQ(Control<TCurvyEdit>(c.edit)->Edit()->SelStart(), int(std::string(c.shown).size()))
            << c.typed;
    }
    EXPECT_EQ(Sent(MCS_COMP), sent);
    EXPECT_EQ(Model().GetComp(Out1).threshold, 140);
}

TEST_F(DynamicsEditorTest, PagesLookRightAfterEdits) {
    // The pictures wait for the plots' repaints, not for the unit.
    Control<TTimer>("tmStartConnect")->SetEnabled(false);
    LinkOut3AndOut4();
    OpenPage("Comp");
    Enter("cvdCompThresholdOut3", "-30");
    Enter("cvdCompRatioOut3", "4");
    Enter("cvdCompKneeOut3", "6");
    AdvanceTimers(1);
    EXPECT_FALSE(Save("dynamics-comp-page").empty());
    OpenPage("Limit");
    Enter("cvdLimitThresholdOut2", "-12");
    AdvanceTimers(1);
    EXPECT_FALSE(Save("dynamics-limit-page").empty());
    OpenPage("Gate");
    Enter("cvdGateThresholdInB", "-60");
    Enter("cvdGateHoldInB", "250");
    EXPECT_FALSE(Save("dynamics-gate-page").empty());
}

} // namespace
