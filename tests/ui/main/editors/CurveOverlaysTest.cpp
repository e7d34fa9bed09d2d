// Other channels' curves over a display: copied when the page shows,
// switched by their buttons, and the pictures of both kinds of page.

#include "controls/panels/PowerButton.h"
#include "device/model/LUnitControl.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/main/form/PageNames.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InC = 2, Out3 = 6;

class CurveOverlaysTest : public EditorsTest {
protected:
    void SetUp() override {
        EditorsTest::SetUp();
        CreateWindows();
    }
    void OpenPage(const std::string& page) {
        auto* button = Control<TControl>("rzbMenu" + page);
        input.Click(button);
        ProcessEvents();
    }
    void Press(const std::string& name) {
        input.Click(Control<TVrPowerButton>(name));
        ProcessEvents();
    }
    bool SameCurve(int d, int slot, int c) {
        const auto& copy = std::as_const(Section(d, slot).Response);
        const auto& total = std::as_const(Section(c, Plot::TotalSection).Response);
        return std::equal(copy.begin(), copy.end(), total.begin());
    }
    // Band 1 of channel ch raised at a place of its own, through the
    // editor's band road.
    void RaiseBand(int ch) {
        PeqBand band = fmMain->Model().GetPeqBand(ch, 0);
        band.gain = std::uint16_t(200 - 6 * ch);
        band.freq = std::uint16_t(60 + 16 * ch);
        Editors().Peq().ApplyBand(ch, 0, {band, false});
    }
};

TEST_F(CurveOverlaysTest, AfterStartUpTheGainPageShowsInAAndOut1) {
    EXPECT_TRUE(Shows("fftDrawGainIn", InA));
    EXPECT_TRUE(Shows("fftDrawGainOut", 4));
    EXPECT_FALSE(Shows("fftDrawGainIn", 1));
    EXPECT_FALSE(Shows("fftDrawGainOut", 5));
    EXPECT_EQ(ColourOf("fftDrawGainIn", InA), mainform::OverlayColour(InA));
}

TEST_F(CurveOverlaysTest, AChannelPageCopiesTheChangedCurveAndItsButtonShowsIt) {
    RaiseBand(InC);
    OpenPage("InA");
    const int slot = 39 + InC;
    EXPECT_TRUE(SameCurve(InA, slot, InC)) << "copied while the button is off";
    EXPECT_FALSE(Shows("fftDrawInA", slot));
    EXPECT_EQ(fmMain->OverlayChanged[InA] & (1 << InC), 0);

    Press("vrbShowCInA");
    EXPECT_TRUE(Shows("fftDrawInA", slot));
    EXPECT_EQ(ColourOf("fftDrawInA", slot), clTeal);
    Press("vrbShowCInA");
    EXPECT_FALSE(Shows("fftDrawInA", slot));
}

TEST_F(CurveOverlaysTest, TheGainPageDrawsMarkedOutputsWhoseButtonsAreOn) {
    OpenPage("InA");
    // Out3's low-pass changes while its Gain button is off: nothing drawn,
    // and its mark stays until the button comes on.
    CrossoverSetting x = fmMain->Model().GetCrossover(Out3);
    x.lpType = 8;
    x.lpFreq = 150;
    fmMain->Model().SetLowPass(Out3, x);
    Editors().Curves().BuildLowPassCurve(Out3);
    OpenPage("Gain");
    EXPECT_FALSE(Shows("fftDrawGainOut", Out3));
    EXPECT_TRUE(SameCurve(13, Out3, Out3));
    Press("vrbShow3Gain");
    EXPECT_TRUE(Shows("fftDrawGainOut", Out3));
    EXPECT_EQ(ColourOf("fftDrawGainOut", Out3), clYellow);

    // With the button on, the next change is drawn when the page opens.
    OpenPage("InA");
    x.lpType = 3;
    fmMain->Model().SetLowPass(Out3, x);
    Editors().Curves().BuildLowPassCurve(Out3);
    EXPECT_NE(fmMain->OverlayChanged[13] & (1 << Out3), 0);
    OpenPage("Gain");
    EXPECT_EQ(fmMain->OverlayChanged[13] & (1 << Out3), 0);
    EXPECT_TRUE(SameCurve(13, Out3, Out3));
}

TEST_F(CurveOverlaysTest, PagesWithOverlaysAsPictures) {
    for (int c = 0; c < mainform::ChannelCount; ++c)
        RaiseBand(c);
    OpenPage("Out1");
    for (const char* name : {"vrbShow2Out1", "vrbShow3Out1", "vrbShow7Out1"})
        Press(name);
    const std::string channelPage = korvan::testing::SavePng(
        korvan::testing::Grab(Control<TControl>("rzgFftOut1")), "editors-out1-overlays");
    OpenPage("Gain");
    for (const char* name : {"vrbShowBGain", "vrbShowCGain", "vrbShow2Gain", "vrbShow5Gain", "vrbShow8Gain"})
        Press(name);
    const std::string gainPage = korvan::testing::SavePng(
        korvan::testing::Grab(Control<TControl>("rzgFftGain")), "editors-gain-overlays");
    EXPECT_FALSE(channelPage.empty());
    EXPECT_FALSE(gainPage.empty());
    EXPECT_TRUE(Shows("fftDrawGainIn", 2));
    EXPECT_TRUE(Shows("fftDrawGainOut", 11));
}

} // namespace
