// RefreshFromModel on the form's controls: the texts of the model's
// values, the families refreshed so far, and that a refresh sends nothing.

#include "controls/panels/BmpButton.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/main/RefreshTexts.h"
#include "ui/main/form/Faders.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;

namespace {

TEST(RefreshTexts, FormatsAsTheUnitsAreShown) {
    struct Case {
        std::string got;
        const char* want;
    };
    for (const Case& c : std::initializer_list<Case>{
             {GeqText(120), "+0.0"},
             {GeqText(0), "-12.0"},
             {GeqText(240), "+12.0"},
             {GeqText(115), "-0.5"},
             {LevelText(-280), "-60.0dB"},
             {LevelText(-200), "-20.0dB"},
             {LevelText(-201), "-20.5dB"},
             {LevelText(0), "+0.0dB"},
             {LevelText(120), "+12.0dB"},
             {ThresholdText(-180), "-90.0dB"},
             {ThresholdText(3), "+1.5dB"},
             {GateTimeText(0), "1ms"},
             {DynamicsTimeText(9), " 10ms"},
             {KneeText(6), "6dB"},
             {RatioText(15), "Limit"},
             {RatioText(0), "1:1.0"},
             {RatioText(13), "1:10"},
         })
        EXPECT_EQ(c.got, c.want);
    // The frequency texts switch to kHz at 1000 Hz.
    EXPECT_NE(FrequencyText(0).find("Hz"), std::string::npos);
    EXPECT_EQ(FrequencyText(0).find("KHz"), std::string::npos);
    EXPECT_NE(FrequencyText(240).find("KHz"), std::string::npos);
}

class MainFormRefreshTest : public MainWindowTest {
protected:
    TControl* C(const std::string& name) {
        auto* control = dynamic_cast<TControl*>(fmMain->FindComponent(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    int Position(const std::string& name) {
        mainform::FaderRange range;
        EXPECT_TRUE(mainform::ReadFaderRange(C(name), range)) << name;
        return range.position;
    }
    std::string BypassShown(const std::string& display) {
        auto* d = dynamic_cast<LMyFFTDrawHpLp6dB*>(C(display));
        return d ? d->FreeTextShown().Text : "?";
    }
};

TEST_F(MainFormRefreshTest, ControlsShowTheModel) {
    CreateWindows();
    LUnitControl& model = fmMain->Model();
    model.SetGeq(1, 0, 0);
    model.SetGeq(1, 30, 240);
    model.SetGeq(3, 15, 125);
    model.SetChName(2, "Sub Left");
    model.SetChName(7, "Top12345");
    model.SetDelay(5, 65280);
    model.SetDelay(0, 32640);
    model.SetDelayUnit(2);
    model.SetPeqBypassMask(6, 1 << 2); // Out3
    model.SetGeqBypassMask(1 << 1);    // InB
    fmMain->Connection().CurrentPreset = 20;

    fmMain->RefreshFromModel();
    EXPECT_FALSE(fmMain->Connection().Updating);
    EXPECT_EQ(fmMain->lbPstNum->Caption(), "U20");

    EXPECT_EQ(Position("isGeqCh01InB"), 0);
    EXPECT_EQ(C("lbGeqGainCh01InB")->Caption(), "-12.0");
    EXPECT_EQ(Position("isGeqCh31InB"), 240);
    EXPECT_EQ(C("lbGeqGainCh31InB")->Caption(), "+12.0");
    EXPECT_EQ(C("lbGeqGainCh16InD")->Caption(), "+0.5");
    EXPECT_EQ(C("lbGeqGainCh02InA")->Caption(), "+0.0");

    // Names: the label shows at most 8 characters, the page button keeps its
    // caption and takes the name as its hint.
    EXPECT_EQ(C("lbMatrixChNameInC")->Caption(), "Sub Left");
    EXPECT_EQ(C("lbMatrixChNameOut4")->Caption(), "Top12345");
    EXPECT_EQ(C("rzbMenuInC")->Caption(), "InC");
    EXPECT_EQ(C("rzbMenuInC")->Hint(), "Sub Left");

    EXPECT_EQ(Position("isDelayOut2"), 65280);
    EXPECT_EQ(C("imDelayOut2")->Left(), 475 - 90 + 40);
    EXPECT_EQ(C("imDelayInA")->Left(), 32640 * 385 / 65280 + 40);

    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(BypassShown("fftDrawOut" + std::to_string(n)), n == 3 ? "BYPASS" : "") << n;
    EXPECT_EQ(BypassShown("fftDrawInA"), "");
    EXPECT_EQ(BypassShown("fftDrawGeqInB"), "BYPASS");
    EXPECT_EQ(BypassShown("fftDrawGeqInA"), "");

    EXPECT_TRUE(dynamic_cast<TRzBmpButton*>(C("rzbUnit2"))->Down());
    EXPECT_EQ(fmMain->OverlayChanged[0], 0xF);
    EXPECT_EQ(fmMain->OverlayChanged[4], 0xFF0);
    // The Gain page on show has taken the curves its buttons show (InA, Out1).
    EXPECT_EQ(fmMain->OverlayChanged[12], 0xFFF & ~(1 << 0));
    EXPECT_EQ(fmMain->OverlayChanged[13], 0xFFF & ~(1 << 4));
}

TEST_F(MainFormRefreshTest, ARefreshOnLineSendsNothing) {
    ASSERT_TRUE(ConnectToUnit());
    unit.ClearReceived();
    fmMain->RefreshFromModel();
    ASSERT_TRUE(LinkIdle());
    // Two level polls later, they are all the unit has heard.
    ASSERT_TRUE(pump.RunUntil([&] { return CountOf(MCS_LEVELS) >= 2; }));
    for (const auto& request : unit.Received())
        EXPECT_EQ(request.code, MCS_LEVELS);
}

} // namespace
