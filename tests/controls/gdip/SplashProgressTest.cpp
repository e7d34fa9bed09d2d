#include "controls/gdip/SplashProgress.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

class SplashProgressTest : public korvan::testing::GuiTest {};

TEST_F(SplashProgressTest, ValueTexts) {
    TGDIPSplashProgress a;
    struct Case {
        TGDIPProgressValueType type;
        const char* format;
        double min, max, position;
        const char* text;
    };
    for (const Case& c :
         {Case{vtAbsolute, "%.0f%%", 0, 100, 42.4, "42%"}, Case{vtPercentage, "%.0f%%", 0, 200, 50, "25%"},
          Case{vtPercentage, "%.0f%%", 10, 20, 15, "50%"},
          Case{vtPercentage, "%.0f", 5, 5, 5, "5"}, // no range: the maximum itself
          Case{vtAbsolute, "%.1f", 0, 10, 99, "10.0"}, Case{vtAbsolute, "%d %s", 0, 10, 5, ""}}) {
        a.SetValueType(c.type);
        a.SetValueFormat(c.format);
        EXPECT_EQ(a.ValueText(c.min, c.max, c.position), c.text) << c.format;
    }
}

TEST_F(SplashProgressTest, AppearanceAppliesToTheBar) {
    TAdvSplashProgressBar bar(nullptr);
    TGDIPSplashProgress look;
    look.SetLeft(160);
    look.SetTop(220);
    look.SetHeight(12);
    look.SetMaximum(50);
    look.SetPosition(20);
    look.SetVisible(true);
    bar.SetAppearance(&look);
    EXPECT_EQ(bar.Left(), 160);
    EXPECT_EQ(bar.Top(), 220);
    EXPECT_EQ(bar.Height(), 12);
    EXPECT_EQ(bar.Maximum(), 50);
    EXPECT_EQ(bar.Position(), 20);
    EXPECT_TRUE(bar.Visible());
    // The maximum lowered below the position: the position follows, no event.
    int events = 0;
    bar.OnPositionChanged = [&](TObject*, double) { ++events; };
    bar.SetMaximum(10);
    EXPECT_EQ(bar.Position(), 10);
    EXPECT_EQ(events, 0);
    bar.SetPosition(99);
    EXPECT_EQ(bar.Position(), 10);
    EXPECT_EQ(events, 1);
}

TEST_F(SplashProgressTest, ProgressAnimationClosesAFifteenthPerTick) {
    TAdvSplashProgressBar bar(nullptr);
    bar.SetProgressAnimation(true);
    std::vector<double> seen;
    bar.OnPositionChanged = [&](TObject*, double v) { seen.push_back(v); };
    bar.SetPosition(80);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(bar.AnimationInProgress());
    AdvanceTimers(10);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NEAR(bar.ShownPosition(), 80.0 / 15, 1e-9);
    AdvanceTimers(10);
    EXPECT_NEAR(bar.ShownPosition(), 80.0 / 15 + (80 - 80.0 / 15) / 15, 1e-9);
    AdvanceTimers(10 * 400);
    EXPECT_FALSE(bar.AnimationInProgress());
    const std::size_t before = seen.size();
    AdvanceTimers(10);
    EXPECT_EQ(seen.size(), before + 1) << "a resting value still reports each tick";
    EXPECT_DOUBLE_EQ(seen.back(), 80);
}

TEST_F(SplashProgressTest, GlowNeedsAPositionAboveMinimum) {
    TAdvSplashProgressBar bar(nullptr);
    bar.SetGlowAnimation(true);
    AdvanceTimers(100);
    EXPECT_EQ(bar.GlowPos(), -40);
    bar.SetPosition(50);
    AdvanceTimers(10);
    EXPECT_EQ(bar.GlowPos(), -37);
}

TEST_F(SplashProgressTest, Picture) {
    Gdiplus::Bitmap page(320, 70);
    page.Pixels().fill(0xFF204080u);
    Gdiplus::Graphics g(page);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    TAdvSplashProgressBar styled(nullptr);
    styled.SetComponentStyle(tsOffice2007Luna);
    TGDIPSplashProgress* a = styled.Appearance();
    a->SetValueVisible(true);
    a->Font()->SetName("Tahoma");
    a->Font()->SetStyle(fsBold);
    a->ProgressFont()->Assign(*a->Font());
    a->ProgressFont()->SetColor(clNavy);
    a->Draw(g, Rect(10, 10, 310, 27), 0, 100, 65);
    TGDIPSplashProgress plain; // the editor's: white to light blue in a grey frame
    plain.BackGroundFill()->SetColor(clNone);
    plain.BackGroundFill()->SetColorMirror(clNone);
    plain.BackGroundFill()->SetColorMirrorTo(clNone);
    plain.BackGroundFill()->SetBorderColor(clGray);
    plain.ProgressFill()->SetColor(clWhite);
    plain.ProgressFill()->SetColorTo(0xFFCC99);
    plain.SetValueVisible(true);
    plain.Font()->SetColor(clWhite);
    plain.Draw(g, Rect(10, 40, 310, 52), 0, 100, 30);
    korvan::testing::SavePng(page.Pixels(), "splash_progress");
    SUCCEED();
}

} // namespace
