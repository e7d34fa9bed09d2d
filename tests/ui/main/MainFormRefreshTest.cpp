// RefreshFromModel on the form's controls: the texts of the model's
// values, the families refreshed so far, and that a refresh sends nothing.

#include "controls/panels/BmpButton.h"
#include "controls/panels/ComboBox.h"
#include "platform/forms/ComCtrls.h"
#include "tests/support/FakeUnitHost.h"
#include "tests/ui/main/MainWindowFixture.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/main/RefreshTexts.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

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

TEST_F(MainFormRefreshTest, ParameterGroupsShowTheModel) {
    CreateWindows();
    LUnitControl& model = fmMain->Model();
    model.SetPeq(1, 7, {.gain = 150, .freq = 170, .q = 10, .type = 2}, 0); // InB band 8
    model.SetPeq(11, 8, {.gain = 0, .freq = 300, .q = 100, .type = 8}, 0); // Out8 band 9
    model.SetHighPass(0, {.hpFreq = 0, .hpType = 0});                      // InA: off
    model.SetLowPass(0, {.lpFreq = 300, .lpType = 20});
    model.SetHighPass(6, {.hpFreq = 170, .hpType = 5}); // Out3: LK -12 at 1 kHz
    model.SetGain(2, 0);                                // InC at the bottom
    model.SetGain(5, 80);                               // Out2 at -20 dB
    model.SetPolarity(3, 1);
    model.SetMute(9, 1);
    model.SetGate(0, {.attack = 0, .release = 99, .hold = 998, .threshold = 180});
    model.SetComp(4, {.ratio = 15, .attack = 49, .release = 9, .knee = 6, .threshold = 0});
    model.SetComp(7, {.ratio = 0, .attack = 998, .release = 2999, .knee = 0, .threshold = 220});
    model.SetLimit(11, {.attack = 0, .release = 499, .knee = 12, .threshold = 183});
    for (int i = 0; i < 4; ++i)
        model.SetMatrix(6, i, i == 1 || i == 3); // Out3 mixes InB and InD
    model.SetMix(6, 1, 79);                      // -20.5 dB
    model.SetMix(6, 3, 280);                     // 0 dB

    fmMain->RefreshFromModel();
    EXPECT_FALSE(fmMain->Connection().Updating);

    // PEQ grids: every band in user units, band 1 current.
    auto* inB = dynamic_cast<TMyPEQType8*>(C("peqPeqInB"));
    auto* out8 = dynamic_cast<TMyPEQType8*>(C("peqPeqOut8"));
    ASSERT_TRUE(inB && out8);
    EXPECT_EQ(inB->GetNowIndex(), 0);
    EXPECT_NEAR(inB->GetFreqValue(7), 1000.0, 0.5);
    EXPECT_NEAR(inB->GetGainValue(7), 3.0, 1e-6);
    EXPECT_NEAR(inB->GetQValue(7), 0.71, 1e-3);
    EXPECT_EQ(inB->GetTypeValue(7), 2);
    EXPECT_NEAR(out8->GetFreqValue(8), 20160.0, 10.0);
    EXPECT_NEAR(out8->GetGainValue(8), -12.0, 1e-6);
    EXPECT_EQ(out8->GetTypeValue(8), 8);

    // Crossover: type 0 presses the bypass and keeps the slope list; another
    // type chooses item type - 1 and releases the bypass.
    auto slope = [&](const char* name) { return dynamic_cast<TRzComboBox*>(C(name))->ItemIndex(); };
    auto down = [&](const std::string& name) { return dynamic_cast<TRzBmpButton*>(C(name))->Down(); };
    EXPECT_TRUE(down("rzbLowCutBypassInA"));
    EXPECT_EQ(slope("rzcLowCutSlopInA"), 19);
    EXPECT_FALSE(down("rzbHighCutBypassInA"));
    EXPECT_EQ(slope("rzcHighCutSlopInA"), 19);
    EXPECT_EQ(C("cvdHighCutFreqInA")->Text(), "20.16KHz");
    EXPECT_FALSE(down("rzbLowCutBypassOut3"));
    EXPECT_EQ(slope("rzcLowCutSlopOut3"), 4);
    EXPECT_EQ(Position("isLowCutFreqOut3"), 170);
    EXPECT_EQ(C("cvdLowCutFreqOut3")->Text(), "1.00KHz");

    // Gain on both twins, polarity with its caption, mute.
    EXPECT_EQ(Position("isGainInC"), -280);
    EXPECT_EQ(Position("isGainBackupInC"), -280);
    EXPECT_EQ(C("cvdGainInC")->Text(), "-60.0dB");
    EXPECT_EQ(C("cvdGainBackupOut2")->Text(), "-20.0dB");
    EXPECT_TRUE(down("rzbPhaseInD") && down("rzbPhaseBackupInD"));
    EXPECT_EQ(C("rzbPhaseBackupInD")->Caption(), "Inverse");
    EXPECT_EQ(C("rzbPhaseInC")->Caption(), "Normal");
    EXPECT_TRUE(down("rzbMuteOut6") && down("rzbMuteBackupOut6"));
    EXPECT_FALSE(down("rzbMuteOut5"));

    // Dynamics: thresholds from their faders' minimum, times plus one.
    EXPECT_EQ(Position("isGateThresholdInA"), 0);
    EXPECT_EQ(C("cvdGateThresholdInA")->Text(), "+0.0dB");
    EXPECT_EQ(C("cvdGateAttackInA")->Text(), "1ms");
    EXPECT_EQ(C("cvdGateReleaseInA")->Text(), "100ms");
    EXPECT_EQ(C("cvdGateHoldInA")->Text(), "999ms");
    EXPECT_EQ(C("cvdCompRatioOut1")->Text(), "Limit");
    EXPECT_EQ(C("cvdCompThresholdOut1")->Text(), "-90.0dB");
    EXPECT_EQ(C("cvdCompAttackOut1")->Text(), " 50ms");
    EXPECT_EQ(C("cvdCompReleaseOut1")->Text(), " 10ms");
    EXPECT_EQ(C("cvdCompKneeOut1")->Text(), "6dB");
    EXPECT_EQ(C("cvdCompRatioOut4")->Text(), "1:1.0");
    EXPECT_EQ(C("cvdCompThresholdOut4")->Text(), "+20.0dB");
    EXPECT_EQ(C("cvdCompReleaseOut4")->Text(), "3000ms");
    EXPECT_EQ(dynamic_cast<TUpDown*>(C("udCompRatioOut1"))->Position(), 15);
    EXPECT_EQ(C("cvdLimitThresholdOut8")->Text(), "+1.5dB");
    EXPECT_EQ(C("cvdLimitReleaseOut8")->Text(), "500ms");
    EXPECT_EQ(C("cvdLimitKneeOut8")->Text(), "12dB");

    // Routing and mix levels.
    EXPECT_FALSE(down("rzbAMatrixOut3"));
    EXPECT_TRUE(down("rzbBMatrixOut3"));
    EXPECT_FALSE(down("rzbCMatrixOut3"));
    EXPECT_TRUE(down("rzbDMatrixOut3"));
    EXPECT_EQ(dynamic_cast<TUpDown*>(C("udMixGainBOut3"))->Position(), -201);
    EXPECT_EQ(C("cvdBMatrixOut3")->Text(), "-20.5dB");
    EXPECT_EQ(C("cvdDMatrixOut3")->Text(), "+0.0dB");
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

TEST_F(MainFormRefreshTest, TheConnectReadShowsTheUnitsPreset) {
    // A preset of the unit's own: every parameter group away from its
    // default.
    test::FakeUnitHost host;
    LUnitControl preset(host);
    preset.SetCurrentName("Hall Left");
    for (int ch = 0; ch < 12; ++ch) {
        const std::uint16_t step = std::uint16_t(ch * 20);
        preset.SetGain(ch, std::uint16_t(200 + step / 2));
        preset.SetPeq(
            ch, 0, {.gain = std::uint16_t(60 + step), .freq = std::uint16_t(40 + step), .q = 20, .type = 0},
            0);
        preset.SetPeq(ch, 3, {.gain = 200, .freq = 200, .q = 50, .type = 0}, 0);
        preset.SetHighPass(ch, {.hpFreq = std::uint16_t(30 + step), .hpType = std::uint8_t(1 + ch)});
        preset.SetLowPass(ch,
                          {.lpFreq = std::uint16_t(280 - step), .lpType = std::uint8_t(ch % 3 == 0 ? 0 : 8)});
        preset.SetPolarity(ch, std::uint8_t(ch % 2));
        preset.SetMute(ch, ch % 5 == 0);
        preset.SetDelay(ch, std::uint16_t(ch * 5000));
    }
    preset.SetDelayUnit(1);
    preset.SetChName(2, "Sub Left");
    for (int in = 0; in < 4; ++in)
        for (int band = 0; band < 31; ++band)
            preset.SetGeq(in, band, std::uint16_t(60 + (band + 8 * in) % 31 * 4));
    for (int out = 4; out < 12; ++out) {
        preset.SetComp(
            out, {.ratio = std::uint16_t(out), .attack = 99, .release = 999, .knee = 3, .threshold = 150});
        preset.SetLimit(out, {.attack = 9, .release = 199, .knee = 6, .threshold = 190});
        for (int in = 0; in < 4; ++in) {
            preset.SetMatrix(out, in, (out + in) % 3 == 0);
            preset.SetMix(out, in, std::uint16_t(280 - 20 * in));
        }
    }
    for (int in = 0; in < 4; ++in)
        preset.SetGate(in,
                       {.attack = 9, .release = 199, .hold = 49, .threshold = std::uint16_t(60 + 20 * in)});
    const auto& bytes = preset.GetImage().bytes;
    unit.SetImage(Bytes(bytes.begin(), bytes.end()));
    unit.SetCurrentPreset(5);

    ASSERT_TRUE(ConnectToUnit());
    EXPECT_EQ(fmMain->lbPstNum->Caption(), "U05");
    EXPECT_EQ(fmMain->lbPstName->Caption(), "Hall Left     "); // the 14-character field
    EXPECT_EQ(C("cvdGainOut8")->Text(), "+3.0dB");
    EXPECT_EQ(C("cvdGainBackupInA")->Text(), "-8.0dB");
    EXPECT_EQ(dynamic_cast<TRzComboBox*>(C("rzcLowCutSlopOut3"))->ItemIndex(), 6);
    EXPECT_TRUE(dynamic_cast<TRzBmpButton*>(C("rzbHighCutBypassOut3"))->Down());
    EXPECT_EQ(C("cvdCompRatioOut2")->Text(), "1:2.0");
    EXPECT_EQ(C("cvdGateThresholdInD")->Text(), "-30.0dB");
    EXPECT_EQ(C("cvdCMatrixOut1")->Text(), "-4.0dB");
    EXPECT_NEAR(dynamic_cast<TMyPEQType8*>(C("peqPeqOut8"))->GetGainValue(3), 8.0, 1e-6);

    for (int p = 0; p < mainform::PageCount; ++p) {
        // As a user clicks: the page's button goes down with it.
        const std::string page = mainform::PageSuffix(p);
        input.Click(C("rzbMenu" + page));
        EXPECT_TRUE(dynamic_cast<TRzBmpButton*>(C("rzbMenu" + page))->Down()) << page;
        EXPECT_FALSE(korvan::testing::SavePng(korvan::testing::Grab(fmMain), "main-online-" + page).empty())
            << page;
    }
}

} // namespace
