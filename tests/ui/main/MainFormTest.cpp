// The main window's stored form: the controls the other parts of the
// program find by name, their stored values, the page switch with the block
// diagram, and the layout on resize.

#include "ui/main/form/MainForm.h"
#include "controls/gdip/CurvyControls.h"
#include "controls/panels/BmpButton.h"
#include "controls/panels/ComboBox.h"
#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/plots/XYPlot.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/ExtCtrls.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"
#include "ui/main/form/ResizeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>

using namespace korvan;
using namespace korvan::test;

namespace {

class MainFormTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        CreateWindows();
    }
    TControl* C(const std::string& name) {
        auto* control = dynamic_cast<TControl*>(fmMain->FindComponent(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    TRzBmpButton* Button(const std::string& name) { return dynamic_cast<TRzBmpButton*>(C(name)); }
    void ClickPage(const std::string& suffix) { C("rzbMenu" + suffix)->Click(); }
    bool Shows(const std::string& suffix) {
        return C("rzgFft" + suffix)->Visible() && C("rzgParam" + suffix)->Visible();
    }
    void Layout(int width, int height) {
        fmMain->AutoScroll = mainform::LayOutMainForm(*fmMain, width, height, fmMain->ExtraHeight).autoScroll;
    }
    std::string Shot(const std::string& name) {
        return korvan::testing::SavePng(korvan::testing::Grab(fmMain), name);
    }
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

TEST_F(MainFormTest, EveryNameIsOnTheFormOnce) {
    // Names as the rest of the program composes them, from each family.
    for (const char* name :
         {"rzbMenuInA", "rzbMenuOut8", "rzbMenuGeq", "rzgFftGeq", "rzgParamMatrix", "rzgFftOut8",
          "fftDrawInD", "fftDrawGainOut", "fftDrawGeqInD", "lbFftChannelOut8", "lbGainNameInC",
          "vrbEqBypassOut4", "vrbEqResetGeqInB", "vrbEqShowAllInA", "rzgFftShowChOut8", "rzgFftShowChIn",
          "vrbShowDInC", "vrbShow8Out7", "vrbShow1Out8", "vrbShowBGain", "vrbShow8Gain", "isDelayOut8",
          "cvdDelayInA", "imDelayOut8", "lbDelayLineInD", "lbDelayShowOut8", "lbFftDelayTimeOut1", "rzbUnit2",
          "plFftDelayOut", "isGeqCh31InD", "lbGeqGainCh01InA", "rzgGeqInC", "rzbGeqSelInD", "lbFftChGeqInB",
          "lbGeqinA", "ipComp", "ipLimit", "ipGate", "lbGateName", "lbHeadCompOut", "lbHeadLimitOut",
          "lbHeadGateIn", "plLevelGateInD", "pbLevelGateInD", "lbN20GateInD", "lbN20GateIn", "lbClipCompOut",
          "lbN60LimitOut8", "pbLimitLimitOut8", "lbLimitCompOut3", "plLevelLimitOut", "pbMatrix",
          "plMatrixInD", "plMatrixOut8", "lbMatrixChNameInA", "lbMatrixNameOut8", "spMatrixNameOut8",
          "lbMatrixHpLpInD", "spMatrixDelayInA", "lbMatrixXoverOut1", "lbMatrixPhaseOut8", "spMatrixMuteOut5",
          "lbMatrixGateInB", "lbMatrixGeqInD", "imLeftUpBase", "imRightDownBase", "rzgPreset", "rzbMenuLink",
          "rzgFunction",
          // The parameter groups' families.
          "peqPeqInA", "peqPeqOut8", "rzpPeqOut8", "rzbEq1InA", "rzbEq8InD", "rzbEq9Out8", "isEqFreqInA",
          "isEqBwOut8", "isEqGainInC", "cvdEqFreqInA", "cvdEqBwOut1", "cvdEqGainOut8", "lbFftParamInA",
          "lbFftParamOut8", "rbShowGainInA", "rbShowPhaseOut8", "lbEqInB", "lbEqParamOut1", "lbEqFreqOut2",
          "lbEqBwInC", "lbEqGainOut7", "isLowCutFreqInA", "isHighCutFreqOut8", "cvdLowCutFreqInB",
          "cvdHighCutFreqOut2", "rzcLowCutSlopInA", "rzcHighCutSlopOut8", "rzbLowCutBypassOut1",
          "rzbHighCutBypassInD", "lbLowCutFreqInA", "lbLowCutSlopOut3", "lbHighCutFreqOut8",
          "lbHighCutSlopInB", "isGainInA", "isGainBackupOut8", "cvdGainOut1", "cvdGainBackupInA",
          "lbGainOut4", "rzbPhaseInA", "rzbPhaseBackupOut8", "rzbMuteOut3", "rzbMuteBackupInD", "lbGainInput",
          "lbGainOutput", "rzgGateInA", "lbGateInD", "isGateThresholdInA", "isGateAttackInB",
          "isGateReleaseInC", "isGateHoldInD", "cvdGateThresholdInD", "cvdGateHoldInA", "lbGateHoldInB",
          "rzgCompOut1", "lbCompOut8", "isCompThresholdOut1", "isCompAttackOut8", "isCompReleaseOut4",
          "udCompRatioOut8", "udCompKneeOut1", "cvdCompRatioOut1", "cvdCompKneeOut8", "lbCompRatioOut5",
          "lbCompKneeOut2", "rzgLimitOut8", "lbLimitOut1", "isLimitThresholdOut8", "isLimitAttackOut1",
          "isLimitReleaseOut8", "udLimitKneeOut1", "cvdLimitKneeOut8", "lbLimitKneeOut3", "rzgMatrixOut8",
          "lbMatrixOut1", "rzbAMatrixOut1", "rzbDMatrixOut8", "udMixGainAOut1", "udMixGainDOut8",
          "cvdAMatrixOut1", "cvdDMatrixOut8", "lbDelayInput", "lbDelayOutput", "lbDelayUnit"})
        EXPECT_NE(fmMain->FindComponent(name), nullptr) << name;

    for (const std::string& name : mainform::MainFormNames())
        EXPECT_NE(fmMain->FindComponent(name), nullptr) << name;

    // No two components share a name (names ignore case).
    std::map<std::string, int> seen;
    for (int i = 0; i < fmMain->ComponentCount(); ++i)
        ++seen[Lower(fmMain->Components(i)->Name())];
    for (const auto& [name, count] : seen)
        EXPECT_EQ(count, 1) << name;
    EXPECT_GT(seen.size(), std::size_t(1000));
}

TEST_F(MainFormTest, ControlsHoldTheirStoredValues) {
    struct Case {
        const char* name;
        int tag;
        const char* caption;
    };
    for (const Case& c : std::initializer_list<Case>{{"rzbMenuInA", 0, "InA"},
                                                     {"rzbMenuOut8", 11, "Out8"},
                                                     {"rzbMenuComp", 12, "Comp"},
                                                     {"rzbMenuGain", 14, "Gain"},
                                                     {"rzbMenuGeq", 18, "GEQ"},
                                                     {"vrbShowBInA", 1, "InB"},
                                                     {"vrbShow2Out1", 5, "Out2"},
                                                     {"vrbShow3Gain", 6, "Out3"},
                                                     {"lbMatrixGeqInB", 1, "GEQ"},
                                                     {"lbMatrixPhaseOut8", 11, "LIMIT"},
                                                     {"lbMatrixHpLpInC", 2, "HP/LP"},
                                                     {"rzbUnit1", 1, "m"},
                                                     {"rzbGeqSelInC", 2, "InC"},
                                                     {"lbFftDelayTimeOut3", 0, "0.00ms"}}) {
        SCOPED_TRACE(c.name);
        TControl* control = C(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Tag(), c.tag);
        EXPECT_EQ(control->Caption(), c.caption);
    }
    for (const auto& [name, tag] :
         std::initializer_list<std::pair<const char*, int>>{{"fftDrawInA", 0},
                                                            {"fftDrawOut8", 11},
                                                            {"fftDrawGainIn", 0},
                                                            {"fftDrawGeqInC", 16},
                                                            {"isDelayOut3", 6},
                                                            {"isGeqCh05InB", 4},
                                                            {"vrbEqResetOut1", 4},
                                                            {"vrbEqResetGeqInD", 3}})
        EXPECT_EQ(C(name)->Tag(), tag) << name;

    mainform::FaderRange geq, delay;
    ASSERT_TRUE(mainform::ReadFaderRange(C("isGeqCh31InD"), geq));
    EXPECT_EQ(geq.min, 0);
    EXPECT_EQ(geq.max, 240);
    EXPECT_EQ(geq.pageSize, 6);
    EXPECT_EQ(geq.position, 120);
    ASSERT_TRUE(mainform::ReadFaderRange(C("isDelayInA"), delay));
    EXPECT_EQ(delay.max, 65280);
    EXPECT_EQ(delay.position, 0);

    // One radio group of page buttons, the Gain page's down and lime.
    for (int p = 0; p < mainform::PageCount; ++p) {
        TRzBmpButton* button = Button("rzbMenu" + mainform::PageSuffix(p));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GroupIndex(), 1);
        EXPECT_EQ(button->Down(), p == mainform::GainPage);
        EXPECT_EQ(button->Font().Color(), p == mainform::GainPage ? clLime : clWhite);
        EXPECT_EQ(Shows(mainform::PageSuffix(p)), p == mainform::GainPage) << p;
    }
    EXPECT_TRUE(Button("rzbUnit0")->Down());
    EXPECT_TRUE(Button("rzbGeqSelInA")->Down());
    EXPECT_TRUE(C("rzgGeqInA")->Visible());
    EXPECT_FALSE(C("rzgGeqInB")->Visible());
}

TEST_F(MainFormTest, ParameterControlsHoldTheirStoredValues) {
    struct Range {
        const char* name;
        int min, max, pageSize;
    };
    for (const Range& r : std::initializer_list<Range>{{"isEqFreqInA", 0, 300, 15},
                                                       {"isEqBwOut8", 0, 100, 5},
                                                       {"isEqGainInC", 0, 240, 3},
                                                       {"isLowCutFreqOut1", 0, 300, 15},
                                                       {"isHighCutFreqInB", 0, 300, 15},
                                                       {"isGainInA", -280, 120, 6},
                                                       {"isGainBackupOut8", -280, 120, 6},
                                                       {"isCompThresholdOut1", -180, 40, 10},
                                                       {"isCompAttackOut2", 0, 998, 10},
                                                       {"isCompReleaseOut3", 9, 2999, 10},
                                                       {"isLimitThresholdOut4", -180, 40, 10},
                                                       {"isLimitReleaseOut8", 9, 2999, 10},
                                                       {"isGateThresholdInA", -180, 0, 10},
                                                       {"isGateAttackInB", 0, 998, 10},
                                                       {"isGateHoldInD", 9, 998, 10}}) {
        mainform::FaderRange range;
        ASSERT_TRUE(mainform::ReadFaderRange(C(r.name), range)) << r.name;
        EXPECT_EQ(range.min, r.min) << r.name;
        EXPECT_EQ(range.max, r.max) << r.name;
        EXPECT_EQ(range.pageSize, r.pageSize) << r.name;
    }
    for (const Range& r : std::initializer_list<Range>{{"udCompRatioOut1", 0, 15, 0},
                                                       {"udCompKneeOut8", 0, 12, 0},
                                                       {"udLimitKneeOut3", 0, 12, 0},
                                                       {"udMixGainCOut5", -280, 0, 0}}) {
        auto* upDown = dynamic_cast<TUpDown*>(C(r.name));
        ASSERT_NE(upDown, nullptr) << r.name;
        EXPECT_EQ(upDown->Min(), r.min) << r.name;
        EXPECT_EQ(upDown->Max(), r.max) << r.name;
    }

    // Tags, captions and radio groups: a channel's band buttons form one
    // group (channel + 1), an input's route buttons one per column.
    struct Stored {
        const char* name;
        int tag, group;
        const char* caption;
    };
    for (const Stored& b : std::initializer_list<Stored>{{"rzbEq1InA", 0, 1, "1"},
                                                         {"rzbEq3InB", 2, 2, "3"},
                                                         {"rzbEq9Out8", 8, 12, "9"},
                                                         {"rzbCMatrixOut2", 2, 3, "InC"},
                                                         {"rzbAMatrixOut8", 0, 1, "InA"},
                                                         {"rzbLowCutBypassInC", 2, 1, "Bypass"},
                                                         {"rzbHighCutBypassOut1", 4, 1, "Bypass"},
                                                         {"rzbPhaseOut2", 5, 1, "Normal"},
                                                         {"rzbPhaseBackupInA", 0, 3, "Normal"},
                                                         {"rzbMuteOut8", 11, 2, "Mute"},
                                                         {"rzbMuteBackupInD", 3, 2, "Mute"}}) {
        TRzBmpButton* button = Button(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->Tag(), b.tag) << b.name;
        EXPECT_EQ(button->GroupIndex(), b.group) << b.name;
        EXPECT_EQ(button->Caption(), b.caption) << b.name;
    }
    EXPECT_FALSE(Button("rzbEq1InA")->AllowAllUp());
    EXPECT_TRUE(Button("rzbAMatrixOut1")->AllowAllUp());
    EXPECT_TRUE(Button("rzbMuteBackupOut1")->AllowAllUp());

    // The grids hold 8 bands on an input, 9 on an output.
    auto* gridIn = dynamic_cast<TMyPEQType8*>(C("peqPeqInD"));
    auto* gridOut = dynamic_cast<TMyPEQType8*>(C("peqPeqOut1"));
    ASSERT_TRUE(gridIn && gridOut);
    EXPECT_EQ(gridIn->GetChannelNumber(), 8);
    EXPECT_EQ(gridIn->Tag(), 3);
    EXPECT_EQ(gridOut->GetChannelNumber(), 9);
    EXPECT_EQ(gridOut->Tag(), 4);

    // The twenty filter types, in the unit's order.
    auto* slope = dynamic_cast<TRzComboBox*>(C("rzcHighCutSlopOut5"));
    ASSERT_NE(slope, nullptr);
    ASSERT_EQ(slope->Items()->Count(), 20);
    EXPECT_EQ((*slope->Items())[0], "BW -6");
    EXPECT_EQ((*slope->Items())[4], "LK -12");
    EXPECT_EQ((*slope->Items())[19], "LK -48");

    // Read-outs only show; the mix and dynamics edits take typed values.
    EXPECT_TRUE(dynamic_cast<TCurvyEdit*>(C("cvdEqFreqInA"))->ReadOnly());
    EXPECT_TRUE(dynamic_cast<TCurvyEdit*>(C("cvdGainBackupOut3"))->ReadOnly());
    EXPECT_FALSE(dynamic_cast<TCurvyEdit*>(C("cvdAMatrixOut1"))->ReadOnly());
    EXPECT_FALSE(dynamic_cast<TCurvyEdit*>(C("cvdCompKneeOut1"))->ReadOnly());

    // The limiter's knee is stored hidden; the key hint, stored hidden, shows
    // once the refresh selects band 1; the magnitude view starts chosen.
    EXPECT_FALSE(C("udLimitKneeOut1")->Visible());
    EXPECT_TRUE(C("lbFftParamInA")->Visible());
    EXPECT_TRUE(dynamic_cast<TRadioButton*>(C("rbShowGainOut3"))->Checked());
    EXPECT_FALSE(dynamic_cast<TRadioButton*>(C("rbShowPhaseOut3"))->Checked());
}

TEST_F(MainFormTest, ButtonGroupsStayWithinTheirFamily) {
    // Choosing a band releases the channel's other band, and nothing else.
    for (const char* name : {"rzbEq1InA", "rzbLowCutBypassInA", "rzbHighCutBypassInA", "rzbPhaseInA",
                             "rzbMuteInA", "rzbPhaseBackupInA", "rzbPhaseBackupInB", "rzbEq1InB"})
        Button(name)->SetDown(true);
    Button("rzbEq2InA")->SetDown(true);
    EXPECT_FALSE(Button("rzbEq1InA")->Down());
    for (const char* name : {"rzbLowCutBypassInA", "rzbHighCutBypassInA", "rzbPhaseInA", "rzbMuteInA",
                             "rzbPhaseBackupInA", "rzbPhaseBackupInB", "rzbEq1InB"})
        EXPECT_TRUE(Button(name)->Down()) << name;
    // The connection button is a group of its own that may be all up.
    EXPECT_EQ(fmMain->rzbMenuLink->GroupIndex(), 10);
    EXPECT_TRUE(fmMain->rzbMenuLink->AllowAllUp());
    // Every route of an output toggles by itself.
    for (const char* name : {"rzbAMatrixOut1", "rzbBMatrixOut1", "rzbCMatrixOut1", "rzbDMatrixOut1"})
        Button(name)->SetDown(true);
    for (const char* name : {"rzbAMatrixOut1", "rzbBMatrixOut1", "rzbCMatrixOut1", "rzbDMatrixOut1"})
        EXPECT_TRUE(Button(name)->Down()) << name;
}

TEST_F(MainFormTest, LanguageReachesTheParameterGroups) {
    Button("rzbPhaseOut4")->SetDown(true);
    for (const char* name : {"lbDelayInput", "lbDelayOutput", "lbDelayUnit"})
        C(name)->SetCaption("?");
    fmMain->ApplyLanguage();
    EXPECT_EQ(C("lbDelayInput")->Caption(), "Input");
    EXPECT_EQ(C("lbDelayOutput")->Caption(), "Output");
    EXPECT_EQ(C("lbDelayUnit")->Caption(), "Unit");
    EXPECT_EQ(C("rzbPhaseOut4")->Caption(), "Inverse");
    EXPECT_EQ(C("rzbPhaseBackupOut4")->Caption(), "Normal");
    EXPECT_EQ(C("vrbEqResetInA")->Caption(), "EQ Reset");
    EXPECT_EQ(C("lbLowCutFreqOut2")->Caption(), "HighPass");
    EXPECT_EQ(C("lbCompRatioOut8")->Caption(), "Ratio");
    EXPECT_EQ(C("lbGateHoldInC")->Caption(), "Hold");
    EXPECT_EQ(C("lbGateName")->Caption(), "In A  Gate");
    EXPECT_EQ(C("lbCompName")->Caption(), "Out 1  RMS Compressor");
}

TEST_F(MainFormTest, PageButtonsSwitchPages) {
    // The page shown already: nothing changes.
    C("rzbMenuGain")->Font().SetColor(clRed);
    ClickPage("Gain");
    EXPECT_EQ(C("rzbMenuGain")->Font().Color(), clRed);
    C("rzbMenuGain")->Font().SetColor(clLime);

    ClickPage("Out3");
    EXPECT_EQ(fmMain->CurrentPage, 6);
    EXPECT_FALSE(C("rzgFftGain")->Visible());
    EXPECT_FALSE(C("rzgParamGain")->Visible());
    EXPECT_TRUE(Shows("Out3"));
    EXPECT_EQ(C("rzbMenuOut3")->Font().Color(), clLime);
    EXPECT_EQ(C("rzbMenuGain")->Font().Color(), clWhite);
    EXPECT_EQ(C("lbFftChannelOut3")->Caption(), "Out3");

    for (int p = 0; p < mainform::PageCount; ++p) {
        ClickPage(mainform::PageSuffix(p));
        EXPECT_EQ(fmMain->CurrentPage, p);
        for (int q = 0; q < mainform::PageCount; ++q)
            EXPECT_EQ(Shows(mainform::PageSuffix(q)), q == p) << "page " << p << " shows " << q;
    }
}

TEST_F(MainFormTest, ALinkedChannelShowsOnItsGroupsChannel) {
    LUnitControl& model = fmMain->Model();
    model.SetLinkMask(0, 0b0011); // InA leads InB
    model.SetLinkMask(1, 0);
    model.SetLinkMask(2, 0); // nobody claims InC
    ClickPage("InB");
    EXPECT_EQ(fmMain->CurrentPage, 1);
    EXPECT_TRUE(Shows("InA"));
    EXPECT_FALSE(Shows("InB"));
    EXPECT_EQ(C("lbFftChannelInA")->Caption(), "InB");
    EXPECT_EQ(C("lbGainNameInA")->Caption(), "InB");
    EXPECT_EQ(C("rzbMenuInB")->Font().Color(), clLime);

    // An unclaimed channel: the old page stays, its button already white.
    ClickPage("InC");
    EXPECT_EQ(fmMain->CurrentPage, 1);
    EXPECT_TRUE(Shows("InA"));
    EXPECT_EQ(C("rzbMenuInB")->Font().Color(), clWhite);

    // Leaving a linked page hides the groups it was shown on.
    ClickPage("Delay");
    EXPECT_FALSE(C("rzgFftInA")->Visible());
    EXPECT_TRUE(Shows("Delay"));
}

TEST_F(MainFormTest, BlockDiagramLeadsToThePages) {
    struct Case {
        const char* label;
        const char* page;
        int current;
    };
    for (const Case& c : std::initializer_list<Case>{{"lbMatrixPeqOut5", "Out5", 8},
                                                     {"lbMatrixGainInB", "InB", 1},
                                                     {"lbMatrixMuteOut8", "Out8", 11},
                                                     {"lbMatrixDelayOut2", "Delay", 13},
                                                     {"lbMatrixCompOut4", "Comp", 12},
                                                     {"lbMatrixPhaseOut1", "Limit", 17},
                                                     {"lbMatrixGateInD", "Gate", 16},
                                                     {"lbMatrixGeqInC", "Geq", 18}}) {
        SCOPED_TRACE(c.label);
        ClickPage("Matrix");
        Button("rzbMenuMatrix")->SetDown(true);
        ASSERT_TRUE(Shows("Matrix"));
        EXPECT_EQ(C(c.label)->Cursor(), crHandPoint);
        C(c.label)->Click();
        EXPECT_EQ(fmMain->CurrentPage, c.current);
        EXPECT_TRUE(Shows(c.page));
        EXPECT_TRUE(Button(std::string("rzbMenu") + c.page)->Down());
        EXPECT_FALSE(Button("rzbMenuMatrix")->Down());
    }
    EXPECT_TRUE(Button("rzbGeqSelInC")->Down());
}

// Every control's bounds, by name.
std::map<std::string, TRect> Bounds(TComponent& form) {
    std::map<std::string, TRect> out;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* c = dynamic_cast<TControl*>(form.Components(i)))
            out[c->Name()] = c->BoundsRect();
    return out;
}

TEST_F(MainFormTest, LayoutAtTheDesignSizeAndTaller) {
    fmMain->SetBounds(0, 0, 1118, 720);
    EXPECT_FALSE(fmMain->AutoScroll);
    EXPECT_EQ(fmMain->ExtraHeight, 0);
    struct Case {
        const char* name;
        int left, top, width, height; // -1: not checked
    };
    const auto check = [&](std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            TControl* control = C(c.name);
            ASSERT_NE(control, nullptr);
            for (const auto& [want, got, what] :
                 {std::tuple{c.left, control->Left(), "left"}, std::tuple{c.top, control->Top(), "top"},
                  std::tuple{c.width, control->Width(), "width"},
                  std::tuple{c.height, control->Height(), "height"}})
                if (want >= 0) {
                    EXPECT_EQ(got, want) << c.name << " " << what;
                }
        }
    };
    check({{"rzgParamGain", 20, 292, -1, -1},
           {"fftDrawGainOut", 550, -1, 530, 255},
           {"pbLevelCompOut", -1, 43, -1, 185},
           {"lbN60CompOut", -1, 208, -1, -1},
           {"lbClipGateInC", -1, 36, -1, -1},
           {"plMatrixInD", 50, 218, 415, -1},
           {"plMatrixOut8", 561, 233, 510, -1},
           {"lbMatrixDelayInA", 362, -1, 50, -1},
           {"lbMatrixNameOut1", 418, -1, 80, -1},
           {"plLevelCompOut1", 659, -1, -1, 247},
           {"plLevelGateInD", 1032, -1, -1, -1},
           {"rzgPreset", 10, 626, -1, -1},
           {"imDelayInA", 40, 19, -1, -1},
           {"lbFftDelayTimeInA", 70, 26, -1, -1}});

    // Taller but narrower: the height part runs, the width part does not.
    fmMain->SetBounds(0, 0, 1117, 900);
    EXPECT_TRUE(fmMain->AutoScroll);
    EXPECT_EQ(fmMain->ExtraHeight, 180);
    check({{"pbLevelCompOut", -1, 63, -1, 345},
           {"pbLevelCompOut3", -1, 75, -1, 345},
           {"plMatrixOut8", 561, 393, -1, -1},
           {"plMatrixInB", -1, 36 * 2 + 61 + 35, -1, -1},
           {"imDelayOut8", -1, 22 * 8 + 28 * 7 + 2, -1, -1},
           {"rzgParamOut1", 20, 472, -1, -1},
           {"fftDrawGainOut", 550, 24, 530, 435},
           {"rzgMain", -1, -1, 1112, 809},
           {"rzgPreset", 10, 806, -1, -1}});
}

TEST_F(MainFormTest, LayoutSharesWidthAndNinths) {
    // h = 9: each scale label k moves down k pixels, the meters grow 8.
    Layout(1118, 729);
    EXPECT_EQ(C("pbLevelLimitOut")->Height(), 193);
    const char* marks[] = {"Clip", "12", "5", "0", "N5", "N15", "N30", "N60"};
    const int tops[] = {45, 68, 91, 115, 138, 161, 184, 208};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(C(std::string("lb") + marks[k] + "LimitOut")->Top(), tops[k] + k + 2) << marks[k];

    // w = 300: full width +300, centred groups +150, the routing page in thirds.
    Layout(1418, 720);
    EXPECT_EQ(C("rzgFunction")->Width(), 1415);
    EXPECT_EQ(C("rzbMenuLink")->Left(), 1340);
    EXPECT_EQ(C("rzgParamGeq")->Left(), 170);
    EXPECT_EQ(C("fftDrawGainOut")->Left(), 700);
    EXPECT_EQ(C("plMatrixOut1")->Left(), 761);
    EXPECT_EQ(C("pbMatrix")->Left(), 565);
    EXPECT_EQ(C("lbMatrixGeqInA")->Left(), 100 * 4 / 8 + 191);
    EXPECT_EQ(C("lbMatrixGeqInA")->Width(), 300 / 21 + 50);
    EXPECT_EQ(C("spMatrixNameInB")->Left(), 300 / 24);
    EXPECT_EQ(C("lbMatrixChNameInB")->Left(), 300 / 24 + 3);
    EXPECT_EQ(C("lbMatrixCompOut2")->Left(), 100 * 3 / 9 + 180);
    EXPECT_EQ(C("lbMatrixCompOut2")->Width(), 100 / 8 + 50);
    EXPECT_EQ(C("plLevelLimitOut8")->Left(), 53 * 8 + 300 + 606);
    EXPECT_EQ(C("plLevelLimitOut")->Left(), 300 + 606);
    EXPECT_EQ(C("plLevelGateIn")->Left(), 300 + 822);
    EXPECT_EQ(C("imRightUpBase")->Left(), 1377);
}

// Every control of every page lies inside its parent, and no two windows of
// one parent overlap: at the design size and with room added.
TEST_F(MainFormTest, EveryPageFitsItsControlsWithoutOverlap) {
    std::vector<std::string> faults;
    const std::function<void(const TWinControl&)> walk = [&](const TWinControl& parent) {
        for (int i = 0; i < parent.ControlCount(); ++i) {
            TControl* child = parent.Controls(i);
            // A PEQ grid lays itself out around its box's edges.
            if (!child->Visible() || dynamic_cast<TMyPEQType8*>(child))
                continue;
            const TRect r = child->BoundsRect();
            if (r.Left < 0 || r.Top < 0 || r.Right > parent.Width() || r.Bottom > parent.Height())
                faults.push_back(child->Name() + " sticks out of " + parent.Name());
            auto* window = dynamic_cast<TWinControl*>(child);
            if (window == nullptr)
                continue;
            for (int j = 0; j < i; ++j) {
                auto* other = dynamic_cast<TWinControl*>(parent.Controls(j));
                if (other && other->Visible() && !IntersectRect(r, other->BoundsRect()).IsEmpty())
                    faults.push_back(child->Name() + " overlaps " + other->Name());
            }
            walk(*window);
        }
    };
    for (auto [width, height] : {std::pair{1118, 720}, {1500, 950}}) {
        Layout(width, height);
        for (int page = 0; page < mainform::PageCount; ++page)
            for (const char* group : {"rzgFft", "rzgParam"})
                walk(dynamic_cast<TWinControl&>(*C(group + mainform::PageSuffix(page))));
    }
    EXPECT_EQ(faults, std::vector<std::string>{});
}

TEST_F(MainFormTest, BelowTheDesignSizeTheLayoutStays) {
    Layout(1300, 900);
    const auto before = Bounds(*fmMain);
    Layout(1000, 700);
    EXPECT_TRUE(fmMain->AutoScroll);
    EXPECT_EQ(fmMain->ExtraHeight, 180);
    EXPECT_EQ(Bounds(*fmMain), before);
}

// Below the design size the window scrolls to every part of its content;
// back at the design size it shows the content whole, without bars, every
// control at its place.
TEST_F(MainFormTest, BelowTheDesignSizeTheWindowScrolls) {
    fmMain->SetBounds(0, 0, 1118, 720);
    ProcessEvents();
    auto* box = dynamic_cast<TScrollBox*>(C("sbMain"));
    ASSERT_NE(box, nullptr);
    TControlScrollBar& horz = *box->HorzScrollBar();
    TControlScrollBar& vert = *box->VertScrollBar();
    EXPECT_FALSE(horz.IsScrollBarVisible());
    EXPECT_FALSE(vert.IsScrollBarVisible());
    const auto designed = Bounds(*fmMain);

    fmMain->SetBounds(0, 0, 900, 600);
    ProcessEvents();
    ASSERT_TRUE(horz.IsScrollBarVisible());
    ASSERT_TRUE(vert.IsScrollBarVisible());
    horz.SetPosition(horz.MaxPosition());
    vert.SetPosition(vert.MaxPosition());
    ProcessEvents();
    // Scrolled to the far corner, the right and bottom edges of the
    // content lie in view.
    const TRect client = box->ClientRect();
    const TRect main = C("rzgMain")->BoundsRect();
    EXPECT_EQ(main.Bottom, client.Bottom);
    EXPECT_EQ(std::max(main.Right, C("rzgFunction")->BoundsRect().Right), client.Right);
    EXPECT_LT(C("rzgPreset")->BoundsRect().Bottom, client.Bottom);
    EXPECT_FALSE(Shot("main-scrolled-900x600").empty());

    // A resize while scrolled lays out the unscrolled content.
    fmMain->SetBounds(0, 0, 1000, 900);
    ProcessEvents();
    EXPECT_EQ(C("rzgPreset")->Top() + vert.Position(), 180 + 626);
    fmMain->SetBounds(0, 0, 1118, 720);
    ProcessEvents();
    EXPECT_FALSE(horz.IsScrollBarVisible());
    EXPECT_FALSE(vert.IsScrollBarVisible());
    EXPECT_EQ(Bounds(*fmMain), designed);
}

// A step of the resize redraws what the new layout needs: back at its first
// size the window shows the same picture as before, and the control with
// the keyboard focus keeps it.
TEST_F(MainFormTest, AResizeStepRedrawsTheLayoutAndKeepsTheFocus) {
    ClickPage("Delay");
    fmMain->SetBounds(0, 0, 1118, 720);
    ProcessEvents();
    const QImage before = korvan::testing::Grab(fmMain);
    fmMain->SetBounds(0, 0, 1300, 900);
    ProcessEvents();
    EXPECT_EQ(C("rzgMain")->Width(), 1112 + 1300 - 1118);
    EXPECT_TRUE(C("rzgMain")->Visible());
    fmMain->SetBounds(0, 0, 1118, 720);
    ProcessEvents();
    EXPECT_TRUE(korvan::testing::Grab(fmMain) == before);

    // (The focused edit's caret blinks, so the focus is checked apart. The
    // rounded edit hands the focus to its inner edit.)
    auto* edit = dynamic_cast<TWinControl*>(C("cvdDelayOut2"));
    ASSERT_NE(edit, nullptr);
    edit->SetFocus();
    const auto focusInEdit = [&] {
        return fmMain->ActiveControl() && edit->ContainsControl(fmMain->ActiveControl());
    };
    ASSERT_TRUE(focusInEdit());
    fmMain->SetBounds(0, 0, 1300, 900);
    ProcessEvents();
    EXPECT_TRUE(focusInEdit());
}

TEST_F(MainFormTest, DelayMarkersFollowTheirFadersAtEveryResize) {
    mainform::FaderRange full{0, 65280, 6, 65280};
    mainform::SetFaderRange(*C("isDelayOut2"), full);
    mainform::SetFaderRange(*C("isDelayInA"), {0, 65280, 6, 32640});
    Layout(1000, 700); // below the design size
    EXPECT_EQ(C("imDelayOut2")->Left(), 475 - 90 + 40);
    EXPECT_EQ(C("lbFftDelayTimeOut2")->Left(), 475 - 90 + 40 + 30);
    EXPECT_EQ(C("lbFftDelayTimeOut2")->Top(), C("imDelayOut2")->Top() + 30 / 4);
    EXPECT_EQ(C("imDelayInA")->Left(), 385 / 2 + 40);
}

TEST_F(MainFormTest, ButtonsThatAreDownShowTheirDownFaceAndShareOnePicture) {
    // A toggle, a route, a band and a page button: each looks different
    // down from up.
    for (const char* name : {"rzbMuteOut2", "rzbAMatrixOut3", "rzbEq3InB", "rzbMenuOut4", "rzbMenuLink"}) {
        TRzBmpButton* button = Button(name);
        ASSERT_NE(button, nullptr) << name;
        ASSERT_FALSE(button->Down()) << name;
        const QImage up = korvan::testing::Grab(button);
        button->SetDown(true);
        EXPECT_NE(korvan::testing::Grab(button), up) << name;
    }
    // Every button of a style shows the same decoded pixels, and each face
    // has the button's own size, so nothing is scaled at paint.
    const auto pixels = [&](const char* name) {
        return Button(name)->Bitmaps()->Down()->Image().constBits();
    };
    EXPECT_EQ(pixels("rzbMuteInA"), pixels("rzbPhaseOut8"));
    EXPECT_EQ(pixels("rzbBMatrixOut1"), pixels("rzbDMatrixOut8"));
    EXPECT_EQ(pixels("rzbMenuInA"), pixels("rzbMenuGeq"));
    for (const char* name : {"rzbMuteInA", "rzbMuteBackupInA", "rzbEq9Out1", "rzbCMatrixOut2", "rzbMenuGain",
                             "rzbUnit1", "rzbGeqSelInC", "rzbMenuLink"}) {
        const TRzBmpButton* button = Button(name);
        EXPECT_EQ(button->Bitmaps()->Up()->Width(), button->Width()) << name;
        EXPECT_EQ(button->Bitmaps()->Down()->Height(), button->Height()) << name;
    }
    EXPECT_FALSE(dynamic_cast<TImage*>(C("imDelayOut5"))->Picture().Bitmap().Empty());
    // The background strips fill their images as these grow with the
    // window; every fader shows our cap as its thumb.
    for (const char* name : {"imLeftUpBase", "imRightUpBase", "imLeftDownBase", "imRightDownBase"}) {
        auto* image = dynamic_cast<TImage*>(C(name));
        ASSERT_NE(image, nullptr) << name;
        EXPECT_FALSE(image->Picture().Bitmap().Empty()) << name;
        EXPECT_TRUE(image->Stretch()) << name;
    }
    // (Its lit line marks the value: 16 pixels of one light grey.)
    for (const char* name : {"isEqGainInA", "isLowCutFreqOut2", "isGainOut8", "isGainBackupInC",
                             "isDelayOut4", "isGeqCh31InD", "isCompAttackOut1", "isGateHoldInB"}) {
        const QImage fader = korvan::testing::Grab(C(name));
        int lit = 0;
        for (int y = 0; y < fader.height(); ++y)
            for (int x = 0; x < fader.width(); ++x)
                lit += fader.pixel(x, y) == qRgb(245, 245, 245) ? 1 : 0;
        EXPECT_EQ(lit, 16) << name;
    }
}

TEST_F(MainFormTest, TransferPlotsAreSeededXYPlotsTakingNoInput) {
    struct Case {
        const char* name;
        int curvePoints;
        double markerX;
    };
    // Drawn from the model once the window is made: thresholds +20, +20 and -90 dB.
    for (const Case& c : {Case{"ipComp", 4, 20.2}, Case{"ipLimit", 4, 20.2}, Case{"ipGate", 3, -89.8}}) {
        auto* plot = dynamic_cast<TiXYPlot*>(C(c.name));
        ASSERT_NE(plot, nullptr) << c.name;
        ASSERT_EQ(plot->ChannelCount(), 2) << c.name;
        EXPECT_EQ(plot->Channel(0)->Count(), c.curvePoints) << c.name;
        ASSERT_EQ(plot->Channel(1)->Count(), 1) << c.name;
        EXPECT_EQ(plot->Channel(1)->GetPointX(0), c.markerX) << c.name;
        EXPECT_EQ(plot->Channel(1)->Color(), TColor(8421631));
        EXPECT_EQ(plot->BorderStyle(), ibsNone);
        EXPECT_FALSE(plot->TitleVisible());
        for (TiPlotAxis* axis :
             {static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0))}) {
            EXPECT_EQ(axis->Min(), -100);
            EXPECT_EQ(axis->Span(), 120);
            EXPECT_FALSE(axis->Enabled());
            EXPECT_FALSE(axis->TrackingEnabled());
        }
    }
    // The editors' drawing: the same number of points replaced.
    auto* comp = dynamic_cast<TiXYPlot*>(C("ipComp"));
    comp->Channel(0)->DeletePoints(comp->Channel(0)->Count());
    for (auto [x, y] : {std::pair{20.0, -4.0}, {-20.0, -24.0}, {-36.0, -36.0}, {-100.0, -100.0}})
        comp->Channel(0)->AddXY(x, y);
    comp->Channel(1)->DeletePoints(1);
    comp->Channel(1)->AddXY(-30, -30);
    ClickPage("Comp");
    EXPECT_FALSE(Shot("main-page-Comp-plot").empty());
    EXPECT_FALSE(korvan::testing::SavePng(korvan::testing::Grab(comp), "transfer-plot-Comp").empty());
}

TEST_F(MainFormTest, PagesLookRight) {
    for (int p = 0; p < mainform::PageCount; ++p) {
        // As a user clicks: the page's button goes down.
        const std::string page = mainform::PageSuffix(p);
        input.Click(C("rzbMenu" + page));
        EXPECT_TRUE(Button("rzbMenu" + page)->Down()) << page;
        EXPECT_FALSE(Shot("main-page-" + page).empty()) << page;
    }
}

} // namespace
